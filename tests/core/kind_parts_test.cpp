// Kind-specific parts of labels, push buttons and windows, and font records.
#include <gtest/gtest.h>

#include <optional>
#include <variant>

#include "core_test_support.h"
#include "kind_parts.h"

namespace {

using testdesc::Bytes;
using testdesc::ButtonPart;
using testdesc::FontSpec;
using testdesc::LabelPart;

constexpr char kGbkDataSource[] = "\xCA\xFD\xBE\xDD\xD4\xB4" "1";  // 数据源1
constexpr char kGbkField[] = "\xD7\xD6\xB6\xCE";                   // 字段

Bytes cut(Bytes bytes, std::size_t length) {
    bytes.resize(length);
    return bytes;
}

TEST(EmptyKindPart, GivesALabelEveryDefault) {
    const std::optional<rt::LabelProperties> label = rt::readLabelPart({});
    ASSERT_TRUE(label);
    EXPECT_EQ(label->caption, "\xB1\xEA\xC7\xA9");  // 标签
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
    EXPECT_FALSE(label->font);
    EXPECT_TRUE(label->picture.empty());
    EXPECT_EQ(label->dataSource, "");
    EXPECT_EQ(label->dataField, "");
}

TEST(EmptyKindPart, GivesAPushButtonEveryDefault) {
    const std::optional<rt::ButtonProperties> button = rt::readButtonPart({});
    ASSERT_TRUE(button);
    EXPECT_EQ(button->caption, "\xB0\xB4\xC5\xA5");  // 按钮
    EXPECT_EQ(button->type, 0u);
    EXPECT_EQ(button->alignment, 1u);
    EXPECT_EQ(button->verticalAlignment, 1u);
    EXPECT_TRUE(button->picture.empty());
    EXPECT_FALSE(button->font);
}

TEST(EmptyKindPart, IsReadForEveryKnownKindOfUnit) {
    for (std::uint32_t kind : {testdesc::kKindWindow, testdesc::kKindLabel, testdesc::kKindButton}) {
        rt::UnitRecord unit;
        unit.kind = kind;
        EXPECT_TRUE(rt::unitReadKindPart(unit)) << std::hex << kind;
    }
}

TEST(KindPart, OfAnUnknownKindCannotBeRead) {
    rt::UnitRecord unit;
    unit.kind = 0x0001000C;
    EXPECT_FALSE(rt::unitReadKindPart(unit));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(unit.properties));
}

// A label part with a non-default value in every field.
LabelPart fullLabelPart(std::uint32_t version) {
    LabelPart part;
    part.version = version;
    part.effect = 3;
    part.frameWidth = 9;
    part.border = 6;
    part.frameColours = {1, 2, 3};
    part.textColour = 0x0000FF;
    part.backColour = 0x00FF00;
    part.pictureMode = 2;
    part.gradient = 4;
    part.gradientColours = {4, 5, 6};
    part.alignment = 2;
    part.verticalAlignment = 0;
    part.wordWrap = 1;
    part.font = FontSpec{}.bytes();
    part.picture = {0x42, 0x4D, 0, 0};
    part.caption = "caption";
    part.dataSource = kGbkDataSource;
    part.dataField = kGbkField;
    return part;
}

TEST(LabelPart, OfVersion2ReadsEveryFieldInStoredOrder) {
    const std::optional<rt::LabelProperties> label = rt::readLabelPart(fullLabelPart(2).bytes());
    ASSERT_TRUE(label);
    EXPECT_EQ(label->version, 2u);
    EXPECT_EQ(label->effect, 3u);
    EXPECT_EQ(label->frameWidth, 9);
    EXPECT_EQ(label->border, 6u);
    EXPECT_EQ(label->frameColours, (std::array<std::uint32_t, 3>{1, 2, 3}));
    EXPECT_EQ(label->textColour, 0x0000FFu);
    EXPECT_EQ(label->backColour, 0x00FF00u);
    EXPECT_EQ(label->pictureMode, 2u);
    EXPECT_EQ(label->gradient, 4u);
    EXPECT_EQ(label->gradientColours, (std::array<std::uint32_t, 3>{4, 5, 6}));
    EXPECT_EQ(label->alignment, 2u);
    EXPECT_EQ(label->verticalAlignment, 0u);
    EXPECT_EQ(label->wordWrap, 1u);
    ASSERT_TRUE(label->font);
    EXPECT_EQ(label->font->faceName, "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(label->picture, (Bytes{0x42, 0x4D, 0, 0}));
    EXPECT_EQ(label->caption, "caption");
    EXPECT_EQ(label->dataSource, kGbkDataSource);
    EXPECT_EQ(label->dataField, kGbkField);
}

struct LabelVersionCase {
    const char* name;
    std::uint32_t version;
    bool writeBindingFields;
    bool readable;
};

class LabelPartVersion : public ::testing::TestWithParam<LabelVersionCase> {};

TEST_P(LabelPartVersion, DecidesWhereThePartEnds) {
    const LabelVersionCase& c = GetParam();
    // Written as version 2 or 1 to get the fields, then given the version under test.
    Bytes bytes = fullLabelPart(c.writeBindingFields ? 2 : 1).bytes();
    testdesc::patchU32(bytes, 0, c.version);
    const std::optional<rt::LabelProperties> label = rt::readLabelPart(bytes);
    ASSERT_EQ(label.has_value(), c.readable);
    if (!label) return;
    EXPECT_EQ(label->caption, "caption");
    if (c.version < 2) {
        EXPECT_EQ(label->dataSource, "") << "versions 0 and 1 have no binding fields";
        EXPECT_EQ(label->dataField, "");
    } else {
        EXPECT_EQ(label->dataSource, kGbkDataSource);
        EXPECT_EQ(label->dataField, kGbkField);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, LabelPartVersion,
    ::testing::Values(LabelVersionCase{"version_0_ends_after_its_caption", 0, false, true},
                      LabelVersionCase{"version_1_ends_after_its_caption", 1, false, true},
                      LabelVersionCase{"version_2_has_binding_fields", 2, true, true},
                      LabelVersionCase{"version_2_without_binding_fields_ends_early", 2, false, false},
                      LabelVersionCase{"version_3_cannot_be_read", 3, true, false},
                      LabelVersionCase{"version_0xFFFFFFFF_cannot_be_read", 0xFFFFFFFF, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Every part cut short, at every length between empty and whole, must fail.
struct CutPartCase {
    const char* name;
    Bytes whole;
    bool (*readable)(const Bytes&);
};

class PartEndingEarly : public ::testing::TestWithParam<CutPartCase> {};

TEST_P(PartEndingEarly, CannotBeReadAtAnyLength) {
    const CutPartCase& c = GetParam();
    ASSERT_TRUE(c.readable(c.whole)) << "the whole part must be readable";
    for (std::size_t length = 1; length < c.whole.size(); ++length)
        EXPECT_FALSE(c.readable(cut(c.whole, length))) << "read although cut to " << length << " of "
                                                       << c.whole.size() << " bytes";
}

bool labelReadable(const Bytes& part) { return rt::readLabelPart(part).has_value(); }
bool buttonReadable(const Bytes& part) { return rt::readButtonPart(part).has_value(); }
bool windowReadable(const Bytes& part) { return rt::readWindowPart(part).has_value(); }

Bytes label1Part() {
    LabelPart part;
    part.caption = testdesc::kLabel1Caption;
    return part.bytes();
}

ButtonPart fullButtonPart(std::uint32_t version) {
    ButtonPart part;
    part.version = version;
    part.type = 1;
    part.alignment = 2;
    part.verticalAlignment = 0;
    part.picture = {1, 2, 3};
    part.font = FontSpec{}.bytes();
    part.caption = "\xC8\xB7\xB6\xA8";  // 确定
    return part;
}

INSTANTIATE_TEST_SUITE_P(
    Parts, PartEndingEarly,
    ::testing::Values(CutPartCase{"label1_as_stored", label1Part(), labelReadable},
                      CutPartCase{"label_of_version_2_with_font", fullLabelPart(2).bytes(), labelReadable},
                      CutPartCase{"label_of_version_0", fullLabelPart(0).bytes(), labelReadable},
                      CutPartCase{"push_button_of_version_1", fullButtonPart(1).bytes(), buttonReadable},
                      CutPartCase{"window_version_word", testdesc::windowPart(6), windowReadable}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ButtonPart, ReadsEveryFieldInStoredOrder) {
    const std::optional<rt::ButtonProperties> button = rt::readButtonPart(fullButtonPart(1).bytes());
    ASSERT_TRUE(button);
    EXPECT_EQ(button->version, 1u);
    EXPECT_EQ(button->type, 1u);
    EXPECT_EQ(button->alignment, 2u);
    EXPECT_EQ(button->verticalAlignment, 0u);
    EXPECT_EQ(button->picture, (Bytes{1, 2, 3}));
    ASSERT_TRUE(button->font);
    EXPECT_EQ(button->font->height, -12);
    EXPECT_EQ(button->caption, "\xC8\xB7\xB6\xA8");
}

TEST(ButtonPart, OfVersion0And1CanBeReadAndOfVersion2Cannot) {
    EXPECT_TRUE(rt::readButtonPart(fullButtonPart(0).bytes()));
    EXPECT_TRUE(rt::readButtonPart(fullButtonPart(1).bytes()));
    EXPECT_FALSE(rt::readButtonPart(fullButtonPart(2).bytes()));
    EXPECT_FALSE(rt::readButtonPart(fullButtonPart(0x80000000).bytes()));
}

TEST(WindowPart, OfVersions0To6CanBeReadAndOfVersion7Cannot) {
    for (std::uint32_t version = 0; version <= 6; ++version)
        EXPECT_TRUE(rt::readWindowPart(testdesc::windowPart(version))) << "version " << version;
    EXPECT_FALSE(rt::readWindowPart(testdesc::windowPart(7)));
    EXPECT_FALSE(rt::readWindowPart(testdesc::windowPart(0xFFFFFFFF)));
}

TEST(KindPart, ThatCannotBeReadLeavesTheUnitWithoutProperties) {
    rt::UnitRecord unit;
    unit.kind = testdesc::kKindLabel;
    unit.kindPart = fullLabelPart(3).bytes();
    EXPECT_FALSE(rt::unitReadKindPart(unit));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(unit.properties));
}

TEST(FontRecord, Of60BytesIsReadFieldByField) {
    FontSpec fontRecord;
    fontRecord.height = -16;
    fontRecord.width = 7;
    fontRecord.escapement = 900;
    fontRecord.orientation = 450;
    fontRecord.weight = 700;
    fontRecord.italic = 1;
    fontRecord.underline = 2;
    fontRecord.strikeOut = 3;
    fontRecord.charSet = 134;
    fontRecord.outPrecision = 5;
    fontRecord.clipPrecision = 6;
    fontRecord.quality = 7;
    fontRecord.pitchAndFamily = 8;
    std::optional<rt::FontRecord> font;
    ASSERT_TRUE(rt::readFontBlock(fontRecord.bytes(), font));
    ASSERT_TRUE(font);
    EXPECT_EQ(font->height, -16);
    EXPECT_EQ(font->width, 7);
    EXPECT_EQ(font->escapement, 900);
    EXPECT_EQ(font->orientation, 450);
    EXPECT_EQ(font->weight, 700);
    EXPECT_EQ(font->italic, 1);
    EXPECT_EQ(font->underline, 2);
    EXPECT_EQ(font->strikeOut, 3);
    EXPECT_EQ(font->charSet, 134);
    EXPECT_EQ(font->outPrecision, 5);
    EXPECT_EQ(font->clipPrecision, 6);
    EXPECT_EQ(font->quality, 7);
    EXPECT_EQ(font->pitchAndFamily, 8);
    EXPECT_EQ(font->faceName, "\xCB\xCE\xCC\xE5");  // 宋体
}

struct FaceNameCase {
    const char* name;
    std::string stored;  // zero-padded to 32 bytes
    std::string expected;
};

class FontFaceName : public ::testing::TestWithParam<FaceNameCase> {};

TEST_P(FontFaceName, EndsAtItsZeroOrIsCutAt31Bytes) {
    FontSpec fontRecord;
    fontRecord.faceName = GetParam().stored;
    std::optional<rt::FontRecord> font;
    ASSERT_TRUE(rt::readFontBlock(fontRecord.bytes(), font));
    ASSERT_TRUE(font);
    EXPECT_EQ(font->faceName, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FontFaceName,
    ::testing::Values(FaceNameCase{"empty", "", ""},
                      FaceNameCase{"ends_at_its_zero", "Arial", "Arial"},
                      FaceNameCase{"of_31_bytes_with_its_zero", std::string(31, 'x'), std::string(31, 'x')},
                      FaceNameCase{"of_32_bytes_without_zero_is_cut_at_31", std::string(31, 'x') + "y",
                                   std::string(31, 'x')},
                      FaceNameCase{"stops_at_the_first_zero", std::string("ab\0cd", 5), "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FontBlock, ThatIsEmptyMeansTheDefaultFont) {
    std::optional<rt::FontRecord> font = rt::FontRecord{};
    EXPECT_TRUE(rt::readFontBlock({}, font));
    EXPECT_FALSE(font);
}

TEST(FontBlock, OfAnySizeButEmptyOr60BytesCannotBeRead) {
    const Bytes record = FontSpec{}.bytes();
    for (std::size_t size : {std::size_t{1}, std::size_t{4}, std::size_t{59}, std::size_t{61}, std::size_t{120}}) {
        Bytes block = record;
        block.resize(size, 0);
        std::optional<rt::FontRecord> font;
        EXPECT_FALSE(rt::readFontBlock(block, font)) << size << " bytes";
    }
}

TEST(FontBlock, OfAWrongSizeMakesItsPartUnreadable) {
    LabelPart label;
    label.font = FontSpec{}.bytes();
    ASSERT_TRUE(rt::readLabelPart(label.bytes()));
    label.font.resize(59);
    EXPECT_FALSE(rt::readLabelPart(label.bytes()));

    ButtonPart button;
    button.font = FontSpec{}.bytes();
    ASSERT_TRUE(rt::readButtonPart(button.bytes()));
    button.font.push_back(0);
    EXPECT_FALSE(rt::readButtonPart(button.bytes()));
}

struct PointerCase {
    const char* name;
    Bytes block;
    std::int32_t code;
};

class MousePointerBlock : public ::testing::TestWithParam<PointerCase> {};

TEST_P(MousePointerBlock, GivesItsPointerCode) {
    EXPECT_EQ(rt::mousePointerCode(GetParam().block), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, MousePointerBlock,
    ::testing::Values(PointerCase{"empty_means_no_pointer_of_its_own", {}, 0},
                      PointerCase{"of_one_byte_is_that_byte", {14}, 14},
                      PointerCase{"of_three_bytes_is_the_first_byte", {3, 9, 9}, 3},
                      PointerCase{"of_four_bytes_is_the_32_bit_value", {0x0E, 0, 0, 0}, 14},
                      PointerCase{"of_four_bytes_may_be_minus_1_for_image_data", {0xFF, 0xFF, 0xFF, 0xFF}, -1},
                      PointerCase{"of_more_bytes_is_the_first_32_bit_value", {2, 1, 0, 0, 0x55, 0x66}, 0x102}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
