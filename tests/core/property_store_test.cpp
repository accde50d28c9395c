// Property writes to the run time's record of a unit: every write changes its
// one field, and nothing else.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <sstream>
#include <variant>

#include "core_test_support.h"
#include "property_store.h"
#include "window_description.h"

namespace {

using testdesc::Bytes;

std::string hexBytes(const Bytes& bytes) {
    std::ostringstream out;
    for (std::uint8_t b : bytes) out << std::hex << int(b) << ' ';
    return out.str();
}

void printFont(std::ostream& out, const std::optional<rt::FontRecord>& font) {
    if (!font) {
        out << "font default\n";
        return;
    }
    out << "font " << font->height << ' ' << font->width << ' ' << font->escapement << ' '
        << font->orientation << ' ' << font->weight << ' ' << int(font->italic) << ' '
        << int(font->underline) << ' ' << int(font->strikeOut) << ' ' << int(font->charSet) << ' '
        << int(font->outPrecision) << ' ' << int(font->clipPrecision) << ' ' << int(font->quality)
        << ' ' << int(font->pitchAndFamily) << " '" << font->faceName << "'\n";
}

// Every field a write could touch, one per line, so a failure shows the difference.
std::string snapshot(const rt::UnitRecord& u) {
    std::ostringstream out;
    out << "left " << u.left << "\ntop " << u.top << "\nwidth " << u.width << "\nheight " << u.height
        << "\ntag '" << u.tag << "'\nflags " << u.flags << "\npointer " << hexBytes(u.mousePointer)
        << "\nname '" << u.name << "'\nkind " << u.kind << '\n';
    if (const auto* p = std::get_if<rt::LabelProperties>(&u.properties)) {
        out << "label caption '" << p->caption << "'\neffect " << p->effect << "\nborder " << p->border
            << "\nframe width " << p->frameWidth << "\nframe colours " << p->frameColours[0] << ' '
            << p->frameColours[1] << ' ' << p->frameColours[2] << "\ntext colour " << p->textColour
            << "\nback colour " << p->backColour << "\npicture mode " << p->pictureMode << "\ngradient "
            << p->gradient << "\ngradient colours " << p->gradientColours[0] << ' ' << p->gradientColours[1]
            << ' ' << p->gradientColours[2] << "\nalignment " << p->alignment << "\nvertical alignment "
            << p->verticalAlignment << "\nword wrap " << p->wordWrap << "\npicture " << hexBytes(p->picture)
            << "\ndata source '" << p->dataSource << "'\ndata field '" << p->dataField << "'\n";
        printFont(out, p->font);
    }
    if (const auto* p = std::get_if<rt::ButtonProperties>(&u.properties)) {
        out << "button caption '" << p->caption << "'\ntype " << p->type << "\nalignment " << p->alignment
            << "\nvertical alignment " << p->verticalAlignment << "\npicture " << hexBytes(p->picture) << '\n';
        printFont(out, p->font);
    }
    return out.str();
}

enum class Unit { Window, Button, Label };

// Texts and a font record that writes pass by address.
const char kTagText[] = "\xB1\xEA\xBC\xC7" "A";  // 标记A
const char kCaptionText[] = "\xD0\xC2\xB1\xEA\xCC\xE2";  // 新标题
const char kSourceText[] = "source";
const char kFieldText[] = "field";
const Bytes kFont = [] {
    testdesc::FontSpec fontRecord;
    fontRecord.height = -20;
    fontRecord.weight = 700;
    fontRecord.faceName = "Tahoma";
    return fontRecord.bytes();
}();

std::uint64_t address(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }

rt::LabelProperties& label(rt::UnitRecord& u) { return std::get<rt::LabelProperties>(u.properties); }
rt::ButtonProperties& button(rt::UnitRecord& u) { return std::get<rt::ButtonProperties>(u.properties); }

std::optional<rt::FontRecord> fontOf(const Bytes& block) {
    std::optional<rt::FontRecord> font;
    rt::readFontBlock(block, font);
    return font;
}

struct WriteCase {
    const char* name;
    Unit unit;
    rt::PropertyIndex index;
    std::int32_t subIndex;
    std::uint64_t value;
    // What the live component must do; not checked where any answer would do.
    std::optional<rt::PropertyChange> change;
    // Applied to the expected record; null: the write stores nothing.
    std::function<void(rt::UnitRecord&)> expect;
    // Applied to the record before the write.
    std::function<void(rt::UnitRecord&)> before = nullptr;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class PropertyWrite : public ::testing::TestWithParam<WriteCase> {
protected:
    // The units of the stored description, kind parts read, as a loaded window holds them.
    void SetUp() override {
        rt::DescriptionResult result = coretest::read(
            Bytes(kWindowDescription, kWindowDescription + kWindowDescriptionSize));
        ASSERT_TRUE(result.description) << coretest::describe(result.failure);
        units = result.description->windows.at(0).units;
        ASSERT_EQ(units.size(), 3u);
        for (rt::UnitRecord& u : units) ASSERT_TRUE(rt::unitReadKindPart(u));
        units[2].tag = "old tag";
    }
    rt::UnitRecord& unit(Unit which) { return units[static_cast<std::size_t>(which)]; }

    std::vector<rt::UnitRecord> units;
};

TEST_P(PropertyWrite, ChangesItsOneFieldAndNothingElse) {
    const WriteCase& c = GetParam();
    rt::UnitRecord& actual = unit(c.unit);
    if (c.before) c.before(actual);
    rt::UnitRecord expected = actual;
    if (c.expect) c.expect(expected);

    const rt::PropertyChange change = rt::writeProperty(actual, c.index, c.subIndex, c.value);
    EXPECT_EQ(snapshot(actual), snapshot(expected));
    if (!c.expect) {
        EXPECT_EQ(change, rt::PropertyChange::None) << "a write that stores nothing shows nothing";
    }
    if (c.change) {
        EXPECT_EQ(change, *c.change);
    }
}

using PC = rt::PropertyChange;
constexpr std::int32_t kWhole = -1;
constexpr std::uint64_t u64(std::int32_t v) { return static_cast<std::uint32_t>(v); }

INSTANTIATE_TEST_SUITE_P(
    CommonProperties, PropertyWrite,
    ::testing::Values(
        WriteCase{"width_minus_5_stores_0", Unit::Label, 2, kWhole, u64(-5), PC::Geometry,
                  [](auto& u) { u.width = 0; }},
        WriteCase{"width_40000_stores_32627", Unit::Label, 2, kWhole, 40000, PC::Geometry,
                  [](auto& u) { u.width = 32627; }},
        WriteCase{"width_32627_is_kept", Unit::Label, 2, kWhole, 32627, PC::Geometry,
                  [](auto& u) { u.width = 32627; }},
        WriteCase{"width_32628_stores_32627", Unit::Label, 2, kWhole, 32628, PC::Geometry,
                  [](auto& u) { u.width = 32627; }},
        WriteCase{"width_most_negative_stores_0", Unit::Label, 2, kWhole, 0x80000000u, PC::Geometry,
                  [](auto& u) { u.width = 0; }},
        WriteCase{"height_12_is_stored", Unit::Button, 3, kWhole, 12, PC::Geometry,
                  [](auto& u) { u.height = 12; }},
        WriteCase{"height_minus_1_stores_0", Unit::Button, 3, kWhole, u64(-1), PC::Geometry,
                  [](auto& u) { u.height = 0; }},
        WriteCase{"height_40000_stores_32627", Unit::Button, 3, kWhole, 40000, PC::Geometry,
                  [](auto& u) { u.height = 32627; }},
        WriteCase{"left_minus_40000_stores_minus_32627", Unit::Label, 0, kWhole, u64(-40000), PC::Geometry,
                  [](auto& u) { u.left = -32627; }},
        WriteCase{"left_minus_32627_is_kept", Unit::Label, 0, kWhole, u64(-32627), PC::Geometry,
                  [](auto& u) { u.left = -32627; }},
        WriteCase{"left_minus_32628_stores_minus_32627", Unit::Label, 0, kWhole, u64(-32628), PC::Geometry,
                  [](auto& u) { u.left = -32627; }},
        WriteCase{"left_40000_stores_32627", Unit::Label, 0, kWhole, 40000, PC::Geometry,
                  [](auto& u) { u.left = 32627; }},
        WriteCase{"top_minus_1_is_kept", Unit::Window, 1, kWhole, u64(-1), PC::Geometry,
                  [](auto& u) { u.top = -1; }},
        WriteCase{"top_most_negative_stores_minus_32627", Unit::Window, 1, kWhole, 0x80000000u, PC::Geometry,
                  [](auto& u) { u.top = -32627; }},
        WriteCase{"tag_takes_the_text_at_the_address", Unit::Label, 4, kWhole, address(kTagText), std::nullopt,
                  [](auto& u) { u.tag = kTagText; }},
        WriteCase{"tag_address_0_empties_the_tag", Unit::Label, 4, kWhole, 0, std::nullopt,
                  [](auto& u) { u.tag.clear(); }},
        WriteCase{"visible_0_clears_bit_0_only", Unit::Button, 5, kWhole, 0, PC::Visible,
                  [](auto& u) { u.flags = 4; }},
        WriteCase{"visible_1_sets_bit_0_only", Unit::Button, 5, kWhole, 1, PC::Visible,
                  [](auto& u) { u.flags = 7; }, [](auto& u) { u.flags = 6; }},
        WriteCase{"disabled_1_sets_bit_1_only", Unit::Button, 6, kWhole, 1, PC::Enabled,
                  [](auto& u) { u.flags = 7; }},
        WriteCase{"disabled_0_clears_bit_1_only", Unit::Button, 6, kWhole, 0, PC::Enabled,
                  [](auto& u) { u.flags = 5; }, [](auto& u) { u.flags = 7; }},
        WriteCase{"pointer_14_stores_the_hand_code", Unit::Label, 7, kWhole, 14, PC::Pointer,
                  [](auto& u) { u.mousePointer = testdesc::pointerBlock(14); }},
        WriteCase{"pointer_into_an_empty_block_stores_the_code", Unit::Label, 7, kWhole, 3, PC::Pointer,
                  [](auto& u) { u.mousePointer = testdesc::pointerBlock(3); },
                  [](auto& u) { u.mousePointer.clear(); }}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LabelProperties, PropertyWrite,
    ::testing::Values(
        WriteCase{"index_8_is_the_caption", Unit::Label, 8, kWhole, address(kCaptionText), PC::Caption,
                  [](auto& u) { label(u).caption = kCaptionText; }},
        WriteCase{"index_9_is_the_effect", Unit::Label, 9, kWhole, 2, std::nullopt,
                  [](auto& u) { label(u).effect = 2; }},
        WriteCase{"index_10_is_the_border", Unit::Label, 10, kWhole, 6, PC::Border,
                  [](auto& u) { label(u).border = 6; }},
        WriteCase{"frame_width_3_stores_5", Unit::Label, 11, kWhole, 3, std::nullopt,
                  [](auto& u) { label(u).frameWidth = 5; }},
        WriteCase{"frame_width_4_stores_5", Unit::Label, 11, kWhole, 4, std::nullopt,
                  [](auto& u) { label(u).frameWidth = 5; }},
        WriteCase{"frame_width_5_is_kept", Unit::Label, 11, kWhole, 5, std::nullopt,
                  [](auto& u) { label(u).frameWidth = 5; }},
        WriteCase{"frame_width_6_is_kept", Unit::Label, 11, kWhole, 6, std::nullopt,
                  [](auto& u) { label(u).frameWidth = 6; }},
        WriteCase{"frame_width_minus_100_stores_5", Unit::Label, 11, kWhole, u64(-100), std::nullopt,
                  [](auto& u) { label(u).frameWidth = 5; }},
        WriteCase{"index_12_is_the_first_frame_colour", Unit::Label, 12, kWhole, 0x112233, std::nullopt,
                  [](auto& u) { label(u).frameColours[0] = 0x112233; }},
        WriteCase{"index_13_is_the_second_frame_colour", Unit::Label, 13, kWhole, 0x112233, std::nullopt,
                  [](auto& u) { label(u).frameColours[1] = 0x112233; }},
        WriteCase{"index_14_is_the_third_frame_colour", Unit::Label, 14, kWhole, 0xFF000000u, std::nullopt,
                  [](auto& u) { label(u).frameColours[2] = 0xFF000000; }},
        WriteCase{"index_15_is_the_font", Unit::Label, 15, kWhole, address(kFont.data()), PC::Font,
                  [](auto& u) { label(u).font = fontOf(kFont); }},
        WriteCase{"font_address_0_is_the_default_font", Unit::Label, 15, kWhole, 0, PC::Font,
                  [](auto& u) { label(u).font.reset(); }, [](auto& u) { label(u).font = fontOf(kFont); }},
        WriteCase{"index_16_is_the_text_colour", Unit::Label, 16, kWhole, 0x0000FF, std::nullopt,
                  [](auto& u) { label(u).textColour = 0x0000FF; }},
        WriteCase{"index_17_is_the_background_colour", Unit::Label, 17, kWhole, 0x00FF00, std::nullopt,
                  [](auto& u) { label(u).backColour = 0x00FF00; }},
        WriteCase{"index_19_is_the_picture_mode", Unit::Label, 19, kWhole, 2, std::nullopt,
                  [](auto& u) { label(u).pictureMode = 2; }},
        WriteCase{"index_20_is_the_gradient_background", Unit::Label, 20, kWhole, 8, std::nullopt,
                  [](auto& u) { label(u).gradient = 8; }},
        WriteCase{"index_21_is_the_first_gradient_colour", Unit::Label, 21, kWhole, 7, std::nullopt,
                  [](auto& u) { label(u).gradientColours[0] = 7; }},
        WriteCase{"index_22_is_the_second_gradient_colour", Unit::Label, 22, kWhole, 7, std::nullopt,
                  [](auto& u) { label(u).gradientColours[1] = 7; }},
        WriteCase{"index_23_is_the_third_gradient_colour", Unit::Label, 23, kWhole, 7, std::nullopt,
                  [](auto& u) { label(u).gradientColours[2] = 7; }},
        WriteCase{"index_24_is_the_alignment", Unit::Label, 24, kWhole, 2, std::nullopt,
                  [](auto& u) { label(u).alignment = 2; }},
        WriteCase{"index_25_is_word_wrap", Unit::Label, 25, kWhole, 1, std::nullopt,
                  [](auto& u) { label(u).wordWrap = 1; }},
        WriteCase{"index_26_is_the_vertical_alignment", Unit::Label, 26, kWhole, 2, std::nullopt,
                  [](auto& u) { label(u).verticalAlignment = 2; }},
        WriteCase{"index_27_is_the_bound_data_source", Unit::Label, 27, kWhole, address(kSourceText),
                  std::nullopt, [](auto& u) { label(u).dataSource = kSourceText; }},
        WriteCase{"index_28_is_the_bound_field", Unit::Label, 28, kWhole, address(kFieldText), std::nullopt,
                  [](auto& u) { label(u).dataField = kFieldText; }}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ButtonProperties, PropertyWrite,
    ::testing::Values(
        WriteCase{"index_9_is_the_button_type", Unit::Button, 9, kWhole, 1, std::nullopt,
                  [](auto& u) { button(u).type = 1; }},
        WriteCase{"index_10_is_the_caption", Unit::Button, 10, kWhole, address(kCaptionText), PC::Caption,
                  [](auto& u) { button(u).caption = kCaptionText; }},
        WriteCase{"index_11_is_the_alignment", Unit::Button, 11, kWhole, 0, std::nullopt,
                  [](auto& u) { button(u).alignment = 0; }},
        WriteCase{"index_12_is_the_vertical_alignment", Unit::Button, 12, kWhole, 2, std::nullopt,
                  [](auto& u) { button(u).verticalAlignment = 2; }},
        WriteCase{"index_13_is_the_font", Unit::Button, 13, kWhole, address(kFont.data()), PC::Font,
                  [](auto& u) { button(u).font = fontOf(kFont); }}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    WritesThatStoreNothing, PropertyWrite,
    ::testing::Values(
        WriteCase{"width_with_sub_index_0", Unit::Label, 2, 0, 5, std::nullopt, nullptr},
        WriteCase{"left_with_sub_index_minus_2", Unit::Label, 0, -2, 5, std::nullopt, nullptr},
        WriteCase{"visible_with_sub_index_1", Unit::Button, 5, 1, 0, std::nullopt, nullptr},
        WriteCase{"tag_with_sub_index_0", Unit::Label, 4, 0, address(kTagText), std::nullopt, nullptr},
        WriteCase{"label_caption_with_sub_index_3", Unit::Label, 8, 3, address(kCaptionText), std::nullopt,
                  nullptr},
        WriteCase{"button_caption_with_sub_index_0", Unit::Button, 10, 0, address(kCaptionText),
                  std::nullopt, nullptr},
        WriteCase{"an_index_no_kind_has", Unit::Label, 99, kWhole, 5, std::nullopt, nullptr},
        WriteCase{"a_negative_index", Unit::Button, -3, kWhole, 5, std::nullopt, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KindSpecificWrite, SurvivesALaterReadOfTheKindPart) {
    rt::UnitRecord unit;
    unit.kind = testdesc::kKindLabel;
    unit.kindPart = testdesc::LabelPart{}.bytes();
    ASSERT_EQ(rt::writeProperty(unit, 8, kWhole, address(kCaptionText)), rt::PropertyChange::Caption);
    ASSERT_TRUE(rt::unitReadKindPart(unit));
    EXPECT_EQ(std::get<rt::LabelProperties>(unit.properties).caption, kCaptionText);
}

TEST(KindSpecificWrite, ToAUnitWhosePartCannotBeReadStoresNothing) {
    rt::UnitRecord unit;
    unit.kind = testdesc::kKindLabel;
    testdesc::LabelPart part;
    part.version = 3;
    unit.kindPart = part.bytes();
    EXPECT_EQ(rt::writeProperty(unit, 8, kWhole, address(kCaptionText)), rt::PropertyChange::None);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(unit.properties));
}

TEST(CommonWrite, DoesNotNeedTheKindPart) {
    rt::UnitRecord unit;
    unit.kind = testdesc::kKindLabel;
    testdesc::LabelPart part;
    part.version = 3;
    unit.kindPart = part.bytes();
    EXPECT_EQ(rt::writeProperty(unit, 3, kWhole, 12), rt::PropertyChange::Geometry);
    EXPECT_EQ(unit.height, 12);
}

}  // namespace
