// Finding windows and units by id and by name, and following event-source links.
#include <gtest/gtest.h>

#include "core_test_support.h"
#include "gbk.h"

namespace {

using coretest::describe;
using testdesc::DescriptionSpec;
using testdesc::UnitSpec;

rt::Description readOrFail(const DescriptionSpec& layout) {
    rt::DescriptionResult result = coretest::read(layout.bytes());
    EXPECT_TRUE(result.description) << describe(result.failure);
    return result.description ? std::move(*result.description) : rt::Description{};
}

// Windows: 0x52010001 (value 1), 0x52010002 (value 2), a second 0x52010001
// (value 3), and two ids that can never be found although they are stored.
class WindowLookup : public ::testing::Test {
protected:
    void SetUp() override {
        DescriptionSpec layout;
        const std::uint32_t ids[] = {0x52010001, 0x52010002, 0x52010001, 0x50000007, 0x52000000};
        for (std::size_t i = 0; i < std::size(ids); ++i) {
            layout.windows.push_back(testdesc::windowWithOwnUnit(ids[i]));
            layout.windows.back().value1 = static_cast<std::uint32_t>(i + 1);
        }
        description = readOrFail(layout);
        ASSERT_EQ(description.windows.size(), 5u);
    }
    rt::Description description;
};

TEST_F(WindowLookup, FindsAWindowThatIsNotFirstInTheTable) {
    const rt::WindowRecord* window = rt::findWindow(description, 0x52010002);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->value1, 2u);
}

TEST_F(WindowLookup, GivesTheFirstOfTwoWindowsWithTheSameId) {
    const rt::WindowRecord* window = rt::findWindow(description, 0x52010001);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->value1, 1u);
}

TEST_F(WindowLookup, FindsNothingForAnIdThatIsNotInTheTable) {
    EXPECT_EQ(rt::findWindow(description, 0x52010003), nullptr);
    EXPECT_EQ(rt::findWindow(description, 0x62010001), nullptr) << "same serial, other class";
}

TEST_F(WindowLookup, NeverFindsAnIdWhoseClassOrSerialIsZeroEvenWhenStored) {
    EXPECT_EQ(rt::findWindow(description, 0x50000007), nullptr) << "class 0";
    EXPECT_EQ(rt::findWindow(description, 0x52000000), nullptr) << "serial 0";
    EXPECT_EQ(rt::findWindow(description, 0), nullptr);
}

TEST(WindowLookupInAnEmptyTable, FindsNothing) {
    DescriptionSpec layout;
    rt::Description description = readOrFail(layout);
    EXPECT_TRUE(description.windows.empty());
    EXPECT_EQ(rt::findWindow(description, 0x52010001), nullptr);
}

class UnitLookup : public ::testing::Test {
protected:
    void SetUp() override {
        DescriptionSpec layout = testdesc::programDescription();
        auto& units = layout.windows[0].units;
        units.push_back(testdesc::labelUnit(0x16010004, "Label_Two"));
        units.push_back(testdesc::labelUnit(0x16010005, "\xB0\x41"));        // one character
        units.push_back(testdesc::labelUnit(0x16010006, "\xB0\x61"));        // another one
        units.push_back(testdesc::labelUnit(0x16010007, "\x81\x41x"));       // a character, then x
        units.push_back(testdesc::labelUnit(0x00000008, "classless"));       // class 0: never found
        units.push_back(testdesc::buttonUnit(0x1601000A, "\xB0\xB4\xC5\xA5" "Ok"));  // 按钮Ok
        description = readOrFail(layout);
        ASSERT_EQ(description.windows.size(), 1u);
    }
    const rt::WindowRecord& window() const { return description.windows[0]; }
    const rt::UnitRecord* byName(std::string_view name) const { return rt::findUnitByName(window(), name); }
    std::uint32_t idByName(std::string_view name) const {
        const rt::UnitRecord* unit = byName(name);
        return unit ? unit->id : 0;
    }

    rt::Description description;
};

TEST_F(UnitLookup, FindsEachUnitByItsId) {
    for (std::uint32_t id : {0x06010000u, 0x16010003u, 0x16010002u, 0x16010007u}) {
        const rt::UnitRecord* unit = rt::findUnit(window(), id);
        ASSERT_NE(unit, nullptr) << std::hex << id;
        EXPECT_EQ(unit->id, id);
    }
    EXPECT_EQ(rt::findUnit(window(), 0x16010003)->name, testdesc::kGbkButton1);
}

TEST_F(UnitLookup, FindsNoUnitForAnUnknownOrUnfindableId) {
    EXPECT_EQ(rt::findUnit(window(), 0x16010009), nullptr);
    EXPECT_EQ(rt::findUnit(window(), 0x00000008), nullptr) << "class 0, although stored";
    EXPECT_EQ(rt::findUnit(window(), 0), nullptr);
}

struct NameCase {
    const char* name;
    std::string lookedUp;
    std::uint32_t expectedId;  // 0: nothing found
};

class UnitLookupByName : public UnitLookup, public ::testing::WithParamInterface<NameCase> {};

TEST_P(UnitLookupByName, ComparesGbkNamesIgnoringTheCaseOfAsciiLettersOnly) {
    EXPECT_EQ(idByName(GetParam().lookedUp), GetParam().expectedId);
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnitLookupByName,
    ::testing::Values(
        NameCase{"button1_as_stored", "\xB0\xB4\xC5\xA5" "1", 0x16010003},
        NameCase{"label1_as_stored", "\xB1\xEA\xC7\xA9" "1", 0x16010002},
        NameCase{"ascii_name_in_upper_case", "LABEL_TWO", 0x16010004},
        NameCase{"ascii_name_in_lower_case", "label_two", 0x16010004},
        NameCase{"a_prefix_of_a_name_is_not_that_name", "\xB0\xB4\xC5\xA5", 0},
        NameCase{"a_name_with_one_more_byte_is_not_that_name", "\xB0\xB4\xC5\xA5" "12", 0},
        NameCase{"trail_byte_0x41_finds_its_own_character", "\xB0\x41", 0x16010005},
        NameCase{"trail_byte_0x61_finds_its_own_character", "\xB0\x61", 0x16010006},
        NameCase{"ascii_after_a_double_byte_character_still_folds", "\x81\x41X", 0x16010007},
        NameCase{"trail_byte_is_never_folded_before_ascii", "\x81\x61x", 0},
        NameCase{"ascii_letters_after_chinese_ones_fold", "\xB0\xB4\xC5\xA5" "oK", 0x1601000A},
        NameCase{"an_unknown_name_finds_nothing", "\xB0\xB4\xC5\xA5" "2", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GbkComparison, NeverEqualsTwoChineseCharactersWhoseTrailBytesDifferInAsciiCase) {
    // Every lead byte, every trail byte that is an ASCII letter.
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 'A'; trail <= 'Z'; ++trail) {
            const char upper[] = {static_cast<char>(lead), static_cast<char>(trail), 0};
            const char lower[] = {static_cast<char>(lead), static_cast<char>(trail + 32), 0};
            ASSERT_FALSE(rt::gbkEqualNoCase(upper, lower)) << "lead byte " << lead << ", trail " << char(trail);
            ASSERT_TRUE(rt::gbkEqualNoCase(upper, upper));
        }
    }
}

TEST(GbkComparison, FoldsEveryAsciiLetterAndNothingElse) {
    for (int c = 0; c < 0x80; ++c) {
        const char a[] = {static_cast<char>(c), 0};
        for (int d = 0; d < 0x80; ++d) {
            const char b[] = {static_cast<char>(d), 0};
            const bool sameLetter = (c | 0x20) == (d | 0x20) && (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
            ASSERT_EQ(rt::gbkEqualNoCase({a, 1}, {b, 1}), c == d || sameLetter) << c << " vs " << d;
        }
    }
}

// Units of one window whose event sources link to each other.
class EventSourceLinks : public ::testing::Test {
protected:
    static constexpr std::uint32_t kA = 0x16010011, kB = 0x16010012, kC = 0x16010013;
    static constexpr std::uint32_t kLabel = 0x16010014, kCycle1 = 0x16010015, kCycle2 = 0x16010016;
    static constexpr std::uint32_t kSelf = 0x16010017, kDangling = 0x16010018, kToLabel = 0x16010019;

    void SetUp() override {
        DescriptionSpec layout;
        layout.windows.push_back(testdesc::windowWithOwnUnit(0x52010001));
        auto add = [&](UnitSpec unit, std::uint32_t source, std::int32_t clickOffset) {
            unit.eventSource = source;
            if (clickOffset != testdesc::kNoHandlerOffset) unit.events.push_back({0, clickOffset});
            layout.windows[0].units.push_back(unit);
        };
        // A -> B -> C, all buttons; only C has entries of its own besides A.
        add(testdesc::buttonUnit(kA, "a"), kB, 0);
        add(testdesc::buttonUnit(kB, "b"), kC, -1);
        add(testdesc::buttonUnit(kC, "c"), 0, 8);
        add(testdesc::labelUnit(kLabel, "label"), 0, 16);
        add(testdesc::buttonUnit(kToLabel, "to label"), kLabel, 4);
        add(testdesc::buttonUnit(kCycle1, "cycle 1"), kCycle2, 0);
        add(testdesc::buttonUnit(kCycle2, "cycle 2"), kCycle1, 4);
        add(testdesc::buttonUnit(kSelf, "self"), kSelf, 16);
        add(testdesc::buttonUnit(kDangling, "dangling"), 0x16010099, 4);
        description = readOrFail(layout);
        ASSERT_EQ(description.windows.size(), 1u);
    }
    rt::Routine clickOf(std::uint32_t id) {
        const rt::WindowRecord& window = description.windows[0];
        const rt::UnitRecord* unit = rt::findUnit(window, id);
        EXPECT_NE(unit, nullptr);
        return unit ? rt::findEventHandler(window, *unit, 0) : nullptr;
    }

    rt::Description description;
};

TEST_F(EventSourceLinks, AreFollowedWhileTheLinkedUnitHasTheSameKind) {
    EXPECT_EQ(clickOf(kB), &coretest::routineAt8) << "B uses C's entries";
    EXPECT_EQ(clickOf(kA), &coretest::routineAt8) << "A uses C's entries through B, not its own";
}

TEST_F(EventSourceLinks, StopAtALinkedUnitOfAnotherKind) {
    EXPECT_EQ(clickOf(kToLabel), &coretest::routineAt4);
}

TEST_F(EventSourceLinks, StopAtALinkToAMissingUnit) {
    EXPECT_EQ(clickOf(kDangling), &coretest::routineAt4);
}

TEST_F(EventSourceLinks, ThatFormACycleStillEnd) {
    // Which unit's entries a cycle ends on is not fixed; that the lookup ends is.
    const rt::Routine cycle = clickOf(kCycle1);
    EXPECT_TRUE(cycle == &coretest::routineAt0 || cycle == &coretest::routineAt4);
    EXPECT_EQ(clickOf(kSelf), &coretest::routineAt16);
}

TEST_F(EventSourceLinks, GiveNoHandlerForAnEventWithoutAnEntry) {
    const rt::WindowRecord& window = description.windows[0];
    EXPECT_EQ(rt::findEventHandler(window, *rt::findUnit(window, kC), 1), nullptr);
    EXPECT_EQ(rt::findEventHandler(window, window.units[0], 0), nullptr);
}

}  // namespace
