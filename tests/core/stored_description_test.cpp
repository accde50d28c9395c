// The program's stored description: its bytes, and what reading makes of them.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <variant>

#include "core_test_support.h"
#include "kind_parts.h"
#include "window_description.h"

namespace {

using coretest::describe;
using testdesc::Bytes;

Bytes storedBytes() { return Bytes(kWindowDescription, kWindowDescription + kWindowDescriptionSize); }

// Where two byte strings first differ, for a readable failure.
std::string firstDifference(const Bytes& expected, const Bytes& actual) {
    std::size_t i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) ++i;
    if (i == expected.size() && i == actual.size()) return "equal";
    char text[96];
    std::snprintf(text, sizeof text, "first difference at offset %zu (0x%zX): expected %d, got %d", i, i,
                  i < expected.size() ? expected[i] : -1, i < actual.size() ? actual[i] : -1);
    return text;
}

TEST(StoredDescription, HoldsExactlyTheBytesTheBuilderWritesFromTheTables) {
    const Bytes layout = testdesc::programDescription().bytes();
    EXPECT_EQ(layout.size(), kWindowDescriptionSize);
    EXPECT_EQ(firstDifference(layout, storedBytes()), "equal");
}

TEST(StoredDescription, IsTheSeedOfTheFuzzCorpus) {
    std::ifstream file(TAGPUZZLE_SOURCE_DIR "/tests/fuzz/corpus/stored-description.bin", std::ios::binary);
    ASSERT_TRUE(file) << "the seed file is missing";
    const Bytes seed{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(firstDifference(storedBytes(), seed), "equal");
}

TEST(StoredDescription, UnitOffsetsPointAtEachUnitsByteCount) {
    const Bytes bytes = storedBytes();
    constexpr std::size_t kOffsets = 0x30;
    constexpr std::size_t kDataStart = 0x3C;  // first byte after the offsets
    struct Unit {
        std::uint32_t offset;
        std::uint32_t recordSize;
        std::uint32_t kind;
    };
    const Unit units[] = {
        {0, 103, testdesc::kKindWindow},
        {107, 116, testdesc::kKindButton},
        {227, 216, testdesc::kKindLabel},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE("unit " + std::to_string(i));
        EXPECT_EQ(testdesc::readU32(bytes, kOffsets + 4 * i), units[i].offset);
        EXPECT_EQ(testdesc::readU32(bytes, kDataStart + units[i].offset), units[i].recordSize);
        EXPECT_EQ(testdesc::readU32(bytes, kDataStart + units[i].offset + 4), units[i].kind);
    }
    // The last record ends exactly where the description and its unit block end.
    EXPECT_EQ(kDataStart + 227 + 4 + 216, kWindowDescriptionSize);
    EXPECT_EQ(0x24 + testdesc::readU32(bytes, 0x20), kWindowDescriptionSize);
}

class StoredDescriptionRead : public ::testing::Test {
protected:
    void SetUp() override {
        rt::DescriptionResult result = coretest::read(storedBytes());
        ASSERT_TRUE(result.description) << describe(result.failure);
        description = std::move(*result.description);
        ASSERT_EQ(description.windows.size(), 1u);
        ASSERT_EQ(window().units.size(), 3u);
    }
    rt::WindowRecord& window() { return description.windows[0]; }
    rt::UnitRecord& unit(std::size_t i) { return window().units[i]; }

    rt::Description description;
};

TEST_F(StoredDescriptionRead, KeepsTheWindowAndItsUninterpretedFields) {
    EXPECT_EQ(window().id, 0x52010001u);
    EXPECT_EQ(description.reservedSlots, std::vector<std::uint32_t>{0x0253BE80});
    EXPECT_EQ(window().value1, 0u);
    EXPECT_EQ(window().associatedId, 0x19010004u);
    EXPECT_EQ(window().text1, "");
    EXPECT_EQ(window().text2, "");
}

TEST_F(StoredDescriptionRead, KeepsTheUnitIdsInStoredOrder) {
    EXPECT_EQ(unit(0).id, 0x06010000u);
    EXPECT_EQ(unit(1).id, 0x16010003u);
    EXPECT_EQ(unit(2).id, 0x16010002u);
}

TEST_F(StoredDescriptionRead, KeepsNamesFlagsAndGeometryOfEachUnit) {
    struct Expected {
        std::uint32_t kind;
        std::string name;
        std::uint32_t flags;
        bool visible, disabled, tabStop;
        std::int32_t left, top, width, height;
    };
    const Expected expected[] = {
        {testdesc::kKindWindow, "", 1, true, false, false, 50, 50, 380, 250},
        {testdesc::kKindButton, "\xB0\xB4\xC5\xA5\x31", 5, true, false, true, 160, 48, 120, 113},
        {testdesc::kKindLabel, "\xB1\xEA\xC7\xA9\x31", 1, true, false, false, 64, 88, 48, 12},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE("unit " + std::to_string(i));
        const rt::UnitRecord& u = unit(i);
        EXPECT_EQ(u.kind, expected[i].kind);
        EXPECT_EQ(u.name, expected[i].name);
        EXPECT_EQ(u.secondText, "");
        EXPECT_EQ(u.eventSource, 0u);
        EXPECT_EQ(u.flags, expected[i].flags);
        EXPECT_EQ(u.visible(), expected[i].visible);
        EXPECT_EQ(u.disabled(), expected[i].disabled);
        EXPECT_EQ(u.tabStop(), expected[i].tabStop);
        EXPECT_EQ(u.left, expected[i].left);
        EXPECT_EQ(u.top, expected[i].top);
        EXPECT_EQ(u.width, expected[i].width);
        EXPECT_EQ(u.height, expected[i].height);
        EXPECT_EQ(u.parent, 0u);
        EXPECT_TRUE(u.pageList.empty());
        EXPECT_EQ(u.mousePointer, (Bytes{0, 0, 0, 0}));
        EXPECT_EQ(rt::mousePointerCode(u.mousePointer), 0);
        EXPECT_EQ(u.tag, "");
        EXPECT_EQ(u.tabOrder, 0);
        EXPECT_EQ(u.componentSlot, nullptr);
        EXPECT_EQ(u.pointerSlot, nullptr);
    }
}

TEST_F(StoredDescriptionRead, BindsTheClickOfButton1ToTheRoutineAtOffset8) {
    ASSERT_EQ(unit(1).events.size(), 1u);
    EXPECT_EQ(unit(1).events[0].eventIndex, 0u);
    EXPECT_EQ(unit(1).events[0].handler, &coretest::routineAt8);
    EXPECT_EQ(rt::findEventHandler(window(), unit(1), 0), &coretest::routineAt8);
    EXPECT_EQ(rt::findEventHandler(window(), unit(1), 1), nullptr);
    const int before = coretest::routineCalls[2];
    unit(1).events[0].handler();
    EXPECT_EQ(coretest::routineCalls[2], before + 1) << "the handler is not the routine at offset 8";
    EXPECT_TRUE(unit(0).events.empty());
    EXPECT_TRUE(unit(2).events.empty());
}

TEST_F(StoredDescriptionRead, HoldsTheKindPartsAsBytesUntilTheyAreRead) {
    EXPECT_TRUE(unit(0).kindPart.empty());
    EXPECT_TRUE(unit(1).kindPart.empty());
    EXPECT_EQ(unit(2).kindPart.size(), 108u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(std::holds_alternative<std::monostate>(unit(i).properties)) << "unit " << i;
}

TEST_F(StoredDescriptionRead, GivesLabel1ItsStoredVersion2Part) {
    ASSERT_TRUE(rt::unitReadKindPart(unit(2)));
    const auto* label = std::get_if<rt::LabelProperties>(&unit(2).properties);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->version, 2u);
    EXPECT_EQ(label->caption, "tekavi{O_Uk_e_wrist}");
    EXPECT_EQ(label->caption.size(), 20u);
    EXPECT_EQ(label->effect, 0u);
    EXPECT_EQ(label->frameWidth, 8);
    EXPECT_EQ(label->border, 0u);
    EXPECT_EQ(label->frameColours, (std::array<std::uint32_t, 3>{0x808080, 0xFFFFFF, 0x808080}));
    EXPECT_EQ(label->textColour, 0u);
    EXPECT_EQ(label->backColour, 0xFF000000u);
    EXPECT_EQ(label->pictureMode, 1u);
    EXPECT_EQ(label->gradient, 0u);
    EXPECT_EQ(label->gradientColours, (std::array<std::uint32_t, 3>{0x808080, 0xFFFFFF, 0x808080}));
    EXPECT_EQ(label->alignment, 0u);
    EXPECT_EQ(label->verticalAlignment, 1u);
    EXPECT_EQ(label->wordWrap, 0u);
    EXPECT_FALSE(label->font.has_value());
    EXPECT_TRUE(label->picture.empty());
    EXPECT_EQ(label->dataSource, "");
    EXPECT_EQ(label->dataField, "");
}

TEST_F(StoredDescriptionRead, GivesButton1AndTheWindowEveryDefault) {
    ASSERT_TRUE(rt::unitReadKindPart(unit(1)));
    const auto* button = std::get_if<rt::ButtonProperties>(&unit(1).properties);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->caption, "\xB0\xB4\xC5\xA5");  // 按钮
    EXPECT_EQ(button->type, 0u);
    EXPECT_EQ(button->alignment, 1u);
    EXPECT_EQ(button->verticalAlignment, 1u);
    EXPECT_TRUE(button->picture.empty());
    EXPECT_FALSE(button->font.has_value());

    ASSERT_TRUE(rt::unitReadKindPart(unit(0)));
    EXPECT_TRUE(std::holds_alternative<rt::WindowProperties>(unit(0).properties));
}

TEST(DescriptionReading, FollowsTheUnitOffsetsWhereverTheDataLies) {
    testdesc::DescriptionSpec layout = testdesc::programDescription();
    layout.windows[0].storageOrder = {2, 0, 1};
    layout.windows[0].gapBeforeData = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    const testdesc::Written written = layout.write();
    ASSERT_EQ(testdesc::readU32(written.bytes, written.at("window 0 unit 2 offset")), 5u);

    rt::DescriptionResult result = coretest::read(written.bytes);
    ASSERT_TRUE(result.description) << describe(result.failure);
    const rt::WindowRecord& window = result.description->windows.at(0);
    ASSERT_EQ(window.units.size(), 3u);
    EXPECT_EQ(window.units[0].kind, testdesc::kKindWindow);
    EXPECT_EQ(window.units[0].width, 380);
    EXPECT_EQ(window.units[1].name, testdesc::kGbkButton1);
    EXPECT_EQ(window.units[1].height, 113);
    EXPECT_EQ(window.units[2].name, testdesc::kGbkLabel1);
    EXPECT_EQ(window.units[2].kindPart.size(), 108u);
}

TEST(DescriptionReading, KeepsEveryFieldItDoesNotInterpret) {
    testdesc::DescriptionSpec layout = testdesc::programDescription();
    testdesc::WindowSpec& window = layout.windows[0];
    window.value1 = 0xDEADBEEF;
    window.text1 = "first";
    window.text2 = "\xB5\xDA\xB6\xFE";  // 第二
    testdesc::UnitSpec& label = window.units[2];
    label.reserved1 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    label.secondText = "second";
    label.reserved2 = 0x01020304;
    label.reserved3[0] = 0x77;
    label.reserved3[19] = 0x99;
    label.pageList = {0x16010003, 0, 0x16010002};
    label.parent = 0x16010003;
    label.tabOrder = -3;

    rt::DescriptionResult result = coretest::read(layout.bytes());
    ASSERT_TRUE(result.description) << describe(result.failure);
    const rt::WindowRecord& read = result.description->windows.at(0);
    EXPECT_EQ(read.value1, 0xDEADBEEFu);
    EXPECT_EQ(read.text1, "first");
    EXPECT_EQ(read.text2, "\xB5\xDA\xB6\xFE");
    const rt::UnitRecord& unit = read.units.at(2);
    EXPECT_EQ(unit.reserved1, label.reserved1);
    EXPECT_EQ(unit.secondText, "second");
    EXPECT_EQ(unit.reserved2, 0x01020304u);
    EXPECT_EQ(unit.reserved3, label.reserved3);
    EXPECT_EQ(unit.pageList, label.pageList);
    EXPECT_EQ(unit.parent, 0x16010003u);
    EXPECT_EQ(unit.tabOrder, -3);
    EXPECT_EQ(unit.kindPart.size(), 108u) << "the fields before the part must be consumed exactly";
}

struct HandlerCase {
    const char* name;
    std::int32_t storedOffset;
    rt::Routine expected;
};

class HandlerResolution : public ::testing::TestWithParam<HandlerCase> {};

TEST_P(HandlerResolution, TurnsTheStoredOffsetIntoTheRoutineAtThatOffset) {
    testdesc::DescriptionSpec layout = testdesc::programDescription();
    layout.windows[0].units[1].events[0].handlerOffset = GetParam().storedOffset;
    rt::DescriptionResult result = coretest::read(layout.bytes());
    ASSERT_TRUE(result.description) << describe(result.failure);
    const rt::WindowRecord& window = result.description->windows.at(0);
    EXPECT_EQ(window.units.at(1).events.at(0).handler, GetParam().expected);
    EXPECT_EQ(rt::findEventHandler(window, window.units[1], 0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, HandlerResolution,
    ::testing::Values(HandlerCase{"minus_one_names_no_routine", -1, nullptr},
                      HandlerCase{"offset_0_names_the_first_routine", 0, &coretest::routineAt0},
                      HandlerCase{"offset_8_names_the_click_routine", 8, &coretest::routineAt8},
                      HandlerCase{"offset_16_names_the_last_routine", 16, &coretest::routineAt16}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnknownHandlerCase {
    const char* name;
    std::int32_t storedOffset;
};

class UnknownHandler : public ::testing::TestWithParam<UnknownHandlerCase> {};

TEST_P(UnknownHandler, IsAReadErrorAtTheHandlerField) {
    testdesc::DescriptionSpec layout = testdesc::programDescription();
    layout.windows[0].units[1].events[0].handlerOffset = GetParam().storedOffset;
    const testdesc::Written written = layout.write();
    rt::DescriptionResult result = coretest::read(written.bytes);
    ASSERT_FALSE(result.description) << "read although offset " << GetParam().storedOffset << " names no routine";
    EXPECT_EQ(result.failure.error, rt::ReadError::UnknownHandler) << describe(result.failure);
    EXPECT_EQ(result.failure.offset, written.at("window 0 unit 1 event 0 handler")) << describe(result.failure);
}

INSTANTIATE_TEST_SUITE_P(Offsets, UnknownHandler,
                         ::testing::Values(UnknownHandlerCase{"between_two_routines", 12},
                                           UnknownHandlerCase{"inside_a_routine", 9},
                                           UnknownHandlerCase{"past_the_last_routine", 20},
                                           UnknownHandlerCase{"minus_two", -2},
                                           UnknownHandlerCase{"most_negative", INT_MIN}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DescriptionReading, FailsOnABoundHandlerWhenTheProgramHasNoRoutines) {
    rt::DescriptionResult result = rt::readDescription(storedBytes(), rt::RoutineTable{});
    ASSERT_FALSE(result.description);
    EXPECT_EQ(result.failure.error, rt::ReadError::UnknownHandler) << describe(result.failure);
}

}  // namespace
