// Labels as they appear on the screen: the program's own label, then labels of
// fixture windows with every border style, frame, effect, colour, alignment
// and font that a label part can ask for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "appearance_fixtures.h"
#include "harness.h"

namespace e2e {
namespace {

using testdesc::FontSpec;
using testdesc::LabelPart;

// Colours as a label part stores them: 0x00BBGGRR.
constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kGreen = 0x0000FF00;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kYellow = 0x0000FFFF;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kLeftOut = testdesc::kButtonFace;

COLORREF buttonFace() { return GetSysColor(COLOR_BTNFACE); }

// ---------------------------------------------------------------------------
// The program's own label 标签1.

class ProgramLabel : public ::testing::Test {
protected:
    static constexpr int kStripWidth = 40;  // the button begins 48 px right of the label

    // One start serves every test: they only look.
    static void SetUpTestSuite() {
        process_ = std::make_unique<Process>(programPath());
        window_ = waitTopWindow(process_->id(), "TagPuzzleForm");
        if (window_ == nullptr) return;
        label_ = GetDlgItem(window_, 100);
        if (label_ == nullptr) return;
        bringToFront(window_);
        labelArea_ = windowRect(label_);
        strip_ = {labelArea_.right, labelArea_.top, labelArea_.right + kStripWidth, labelArea_.bottom};
        // The label's rows, from a little left of it to the end of the strip.
        const RECT area = {labelArea_.left - 8, labelArea_.top, strip_.right, labelArea_.bottom};
        const COLORREF face = buttonFace();
        auto isFace = [face](COLORREF c) { return c == face; };
        Capture last;
        // Until a window has painted, the screen shows black in its place:
        // wait for the window's background left of the label, and for both
        // background and text inside it.
        painted_ = waitUntil([&] {
            Capture now = captureScreen(area);
            const Capture label = now.part(labelArea_);
            const bool steady = now == last && now.at(0, 0) == face && label.count(isFace) > 0 &&
                                label.count(isDark) > 0;
            last = std::move(now);
            return steady;
        });
        pixels_ = last;
    }

    static void TearDownTestSuite() {
        if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
        if (process_) process_->waitExit();
        process_.reset();
    }

    void SetUp() override {
        ASSERT_NE(window_, nullptr) << "the window never appeared";
        ASSERT_NE(label_, nullptr) << "no label with control id 100";
        ASSERT_TRUE(painted_) << "the label never finished painting\n" << sketch(pixels_);
    }

    static inline std::unique_ptr<Process> process_;
    static inline HWND window_ = nullptr;
    static inline HWND label_ = nullptr;
    static inline RECT labelArea_{};
    static inline RECT strip_{};
    static inline Capture pixels_;  // the label's rows, with some window left and right of it
    static inline bool painted_ = false;
};

TEST_F(ProgramLabel, DrawsTheBeginningOfItsCaptionInBlackFromItsLeftEdgeAcrossItsWholeWidth) {
    const Capture label = pixels_.part(labelArea_);
    ASSERT_EQ(label.width(), 48);
    const RECT text = pixelBox(label, isDark);
    EXPECT_GT(label.count(isDark), 20) << sketch(pixels_);
    EXPECT_GT(label.count([](COLORREF c) { return c == RGB(0, 0, 0); }), 0) << "the text colour is black";
    EXPECT_LE(text.left, 3) << "left-aligned: the text starts at the label's left edge\n" << sketch(pixels_);
    EXPECT_GE(text.right, 48 - 3) << "the caption is wider than the label, so text reaches its right edge\n"
                                  << sketch(pixels_);
}

TEST_F(ProgramLabel, ShowsNothingOfItsCaptionBeyondItsRightEdge) {
    const COLORREF face = buttonFace();
    EXPECT_EQ(pixels_.part(strip_).count([face](COLORREF c) { return c != face; }), 0)
        << "the strip right of the label must be plain " << colourName(face) << "\n" << sketch(pixels_);
}

TEST_F(ProgramLabel, HasTheWindowsButtonFaceBackground) {
    const Capture label = pixels_.part(labelArea_);
    const COLORREF face = buttonFace();
    EXPECT_EQ(pixels_.at(0, 0), face) << "the window's own background";
    EXPECT_GT(label.count([face](COLORREF c) { return c == face; }), 48 * 12 / 2) << "most of the label is background";
    EXPECT_EQ(label.count([face](COLORREF c) { return c != face && !isDark(c); }), 0)
        << "every pixel is either background or text\n" << sketch(pixels_);
}

// ---------------------------------------------------------------------------
// Border styles, the painted gradient frame and the background colour.

constexpr int kFrameLabelWidth = 90;
constexpr int kFrameLabelHeight = 50;

// Labels 0 to 6 have border styles 0 to 6 (6 with its default frame); the
// rest are frames of style 6 with other colours and widths.
enum FrameLabel : std::size_t {
    kFramed3Colours = 7,
    kFramed2Colours,
    kFramed1Colour,
    kFramedWide,
    kFrameLabelCount,
};

PlacedLabel frameFixtureLabel(std::size_t index) {
    PlacedLabel placed;
    placed.left = 10 + 100 * static_cast<int>(index % 6);
    placed.top = 10 + 70 * static_cast<int>(index / 6);
    placed.width = kFrameLabelWidth;
    placed.height = kFrameLabelHeight;
    placed.part.backColour = kYellow;
    placed.part.caption = "Hi";
    placed.part.alignment = 1;
    if (index < kFramed3Colours) {
        placed.part.border = static_cast<std::uint32_t>(index);
        return placed;
    }
    // Framed labels put their text at the top left, to show where the text
    // rectangle begins.
    placed.part.border = 6;
    placed.part.alignment = 0;
    placed.part.verticalAlignment = 0;
    switch (index) {
    case kFramed3Colours: placed.part.frameColours = {kRed, kGreen, kBlue}; break;
    case kFramed2Colours: placed.part.frameColours = {kRed, kLeftOut, kBlue}; break;
    case kFramed1Colour: placed.part.frameColours = {kRed, kLeftOut, kLeftOut}; break;
    case kFramedWide:
        placed.part.frameColours = {kBlue, kGreen, kRed};
        placed.part.frameWidth = 12;
        break;
    }
    return placed;
}

// A window of labels started once per test suite; the tests only look at
// it. `Suite` is the suite itself, so that each suite has its own window.
template <class Suite>
class SharedLabelWindow : public ::testing::Test {
protected:
    static void open(int width, int height, const std::vector<PlacedLabel>& labels,
                     const std::function<bool(std::size_t index, const Capture& label)>& painted) {
        window_ = std::make_unique<LabelWindow>(width, height, labels);
        if (window_->window() != nullptr) painted_ = window_->waitPainted(painted);
    }
    static void TearDownTestSuite() { window_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(window_ && window_->window() != nullptr) << "the window never appeared";
        ASSERT_TRUE(painted_) << "the labels never settled";
    }

    static inline std::unique_ptr<LabelWindow> window_;
    static inline bool painted_ = false;
};

// A window with every label of the frame tests.
class FrameWindow : public SharedLabelWindow<FrameWindow> {
protected:
    static void SetUpTestSuite() {
        std::vector<PlacedLabel> labels;
        for (std::size_t i = 0; i < kFrameLabelCount; ++i) labels.push_back(frameFixtureLabel(i));
        open(640, 300, labels, [](std::size_t, const Capture& label) {
            // Every label shows yellow somewhere, inside its frame if any.
            return label.count([](COLORREF c) { return c == RGB(255, 255, 0); }) > 0;
        });
    }
};

// The window styles each border code gives, and none of the others.
struct BorderCase {
    std::uint32_t border;
    LONG_PTR style;
    LONG_PTR exStyle;
    int paintedFrame = 0;  // width of the frame the label paints itself
};

void PrintTo(const BorderCase& c, std::ostream* out) { *out << "border " << c.border; }

class LabelBorder : public FrameWindow, public ::testing::WithParamInterface<BorderCase> {};

TEST_P(LabelBorder, HasTheFrameStylesOfItsCodeAndAClientAreaInsetByThatFrame) {
    const BorderCase& c = GetParam();
    HWND label = window_->label(c.border);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(windowClass(label), "TagPuzzleLabel");
    EXPECT_EQ(windowStyle(label) & LONG_PTR{WS_BORDER | WS_DLGFRAME | WS_THICKFRAME}, c.style);
    EXPECT_EQ(windowExStyle(label) & LONG_PTR{WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE}, c.exStyle);

    // The outer size stays the stored one; the frame eats into the client area
    // by what the system reserves for those styles.
    const RECT outer = windowRect(label);
    const RECT client = clientRectOnScreen(label);
    EXPECT_EQ(outer.right - outer.left, kFrameLabelWidth);
    EXPECT_EQ(outer.bottom - outer.top, kFrameLabelHeight);
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(WS_CHILD | c.style), FALSE, static_cast<DWORD>(c.exStyle));
    EXPECT_EQ(client.left - outer.left, -frame.left);
    EXPECT_EQ(client.top - outer.top, -frame.top);
    EXPECT_EQ(outer.right - client.right, frame.right);
    EXPECT_EQ(outer.bottom - client.bottom, frame.bottom);
    if (c.style == 0 && c.exStyle == 0)
        EXPECT_TRUE(EqualRect(&outer, &client)) << "no border: the client area is the whole label";
    else
        EXPECT_GT(client.left - outer.left, 0) << "a border takes room";
}

TEST_P(LabelBorder, FillsItsClientAreaWithTheBackgroundColourAroundItsText) {
    const Capture pixels = window_->labelPixels(GetParam().border);
    RECT text = pixelBox(pixels, isDark);
    ASSERT_FALSE(IsRectEmpty(&text)) << "the caption is drawn\n" << sketch(pixels);
    InflateRect(&text, 1, 1);
    const int frame = GetParam().paintedFrame;
    int notBackground = 0;
    for (int y = frame; y < pixels.height() - frame; ++y)
        for (int x = frame; x < pixels.width() - frame; ++x) {
            const POINT at = {x, y};
            if (!PtInRect(&text, at) && pixels.at(x, y) != RGB(255, 255, 0)) ++notBackground;
        }
    EXPECT_EQ(notBackground, 0) << "everything but the text is yellow\n" << sketch(pixels);
}

INSTANTIATE_TEST_SUITE_P(Codes, LabelBorder,
                         ::testing::Values(BorderCase{0, 0, 0}, BorderCase{1, 0, WS_EX_CLIENTEDGE},
                                           BorderCase{2, 0, WS_EX_DLGMODALFRAME}, BorderCase{3, 0, WS_EX_STATICEDGE},
                                           BorderCase{4, 0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},
                                           BorderCase{5, WS_BORDER, 0}, BorderCase{6, 0, 0, 8}),
                         [](const auto& info) { return "Code" + std::to_string(info.param.border); });

// A label of border style 6: the colours its frame should show.
struct FrameCase {
    const char* name;
    std::size_t label;
    int width;          // 0: no frame is drawn
    COLORREF outer;     // at the label's edge
    COLORREF inner;     // at depth width - 1
    bool greenBetween;  // the middle colour is green; else it is left out
};

void PrintTo(const FrameCase& c, std::ostream* out) { *out << c.name; }

class LabelFrame : public FrameWindow, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(LabelFrame, RunsFromTheFirstColourAtTheEdgeToTheLastAtItsDepthWithTheTextInside) {
    const FrameCase& c = GetParam();
    const Capture pixels = window_->labelPixels(c.label);
    ASSERT_EQ(pixels.width(), kFrameLabelWidth) << "style 6 adds no system border";
    const int w = pixels.width();
    const int h = pixels.height();
    const COLORREF background = RGB(255, 255, 0);
    // Points on each side at depth d: the middle of the top, bottom, left
    // and right sides.
    auto sides = [&](int d) {
        return std::vector<POINT>{{w / 2, d}, {w / 2, h - 1 - d}, {d, h / 2}, {w - 1 - d, h / 2}};
    };
    auto colourAt = [&](POINT p) { return pixels.at(p.x, p.y); };
    if (c.width == 0) {
        for (POINT p : sides(0))
            EXPECT_EQ(colourName(colourAt(p)), colourName(background)) << "no frame\n" << sketch(pixels);
        EXPECT_EQ(colourName(pixels.at(0, h - 1)), colourName(background));
        const RECT text = pixelBox(pixels, isBlack);
        EXPECT_LE(text.left, 3) << "without a frame the text rectangle keeps the whole client area";
        return;
    }
    for (POINT p : sides(0)) EXPECT_EQ(colourName(colourAt(p)), colourName(c.outer)) << p.x << "," << p.y;
    EXPECT_EQ(colourName(pixels.at(0, 0)), colourName(c.outer)) << "corner";
    for (POINT p : sides(c.width - 1)) EXPECT_EQ(colourName(colourAt(p)), colourName(c.inner)) << p.x << "," << p.y;
    // Between the edge and the inner ring runs the middle colour, if any.
    int greenest = 0;
    for (int d = 0; d < c.width; ++d)
        for (POINT p : sides(d)) greenest = std::max<int>(greenest, GetGValue(colourAt(p)));
    if (c.greenBetween)
        EXPECT_GT(greenest, 128) << "the green middle colour shows\n" << sketch(pixels);
    else
        EXPECT_EQ(greenest, 0) << "a left-out colour leaves no trace\n" << sketch(pixels);
    // Right and bottom, away from the text: the background starts at once.
    EXPECT_EQ(colourName(pixels.at(w - 1 - c.width, h / 2)), colourName(background));
    EXPECT_EQ(colourName(pixels.at(w / 2, h - 1 - c.width)), colourName(background));
    // The text rectangle shrinks by the frame width on every side.
    const RECT text = pixelBox(pixels, isBlack);
    ASSERT_FALSE(IsRectEmpty(&text)) << sketch(pixels);
    EXPECT_GE(text.left, c.width) << sketch(pixels);
    EXPECT_LE(text.left, c.width + 3) << "left-aligned inside the frame\n" << sketch(pixels);
    EXPECT_GE(text.top, c.width) << sketch(pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, LabelFrame,
    ::testing::Values(FrameCase{"ThreeColours", kFramed3Colours, 8, RGB(255, 0, 0), RGB(0, 0, 255), true},
                      FrameCase{"MiddleColourLeftOut", kFramed2Colours, 8, RGB(255, 0, 0), RGB(0, 0, 255), false},
                      FrameCase{"OnlyOneColourLeft", kFramed1Colour, 0, 0, 0, false},
                      FrameCase{"TwelvePixelsWide", kFramedWide, 12, RGB(0, 0, 255), RGB(255, 0, 0), true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Text: effects, text colours and fonts.

// Labels of the text window, in unit order.
enum TextLabel : std::size_t {
    kEffect0,
    kEffect1,
    kEffect2,
    kEffect3,
    kButtonFaceText,
    kDefaultFont,
    kTallFont,
    kUnterminatedFaceName,
    kOddFontAttributes,
    kTextLabelCount,
};

constexpr char kFontCaption[] = "Hab";

FontSpec tallFont() {
    FontSpec font;
    font.height = -30;
    font.faceName = "Tahoma";
    return font;
}

PlacedLabel textFixtureLabel(std::size_t index) {
    PlacedLabel placed;
    placed.left = 10 + 170 * static_cast<int>(index % 3);
    placed.top = 10 + 80 * static_cast<int>(index / 3);
    placed.width = 160;
    placed.height = 70;
    LabelPart& part = placed.part;
    part.alignment = 1;
    if (index <= kButtonFaceText) {
        // Blue on green in the default font, whose glyphs are not smoothed:
        // text and copies keep their pure colours.
        part.caption = "HHHH";
        part.backColour = kGreen;
        part.textColour = kBlue;
        if (index <= kEffect3) part.effect = static_cast<std::uint32_t>(index - kEffect0);
        if (index == kButtonFaceText) {
            part.backColour = kBlack;
            part.textColour = testdesc::kButtonFace;
        }
        return placed;
    }
    part.caption = kFontCaption;
    part.backColour = kWhite;
    part.textColour = kBlack;
    FontSpec font = tallFont();
    switch (index) {
    case kDefaultFont: return placed;
    case kTallFont: break;
    case kUnterminatedFaceName: font.faceName = "Tahoma" + std::string(26, 'x'); break;
    case kOddFontAttributes:
        // Values the run time replaces by the system defaults.
        font.charSet = SYMBOL_CHARSET;
        font.outPrecision = OUT_OUTLINE_PRECIS;
        font.clipPrecision = CLIP_STROKE_PRECIS;
        font.quality = NONANTIALIASED_QUALITY;
        font.pitchAndFamily = FIXED_PITCH;
        break;
    }
    part.font = font.bytes();
    return placed;
}

class TextWindow : public SharedLabelWindow<TextWindow> {
protected:
    static void SetUpTestSuite() {
        std::vector<PlacedLabel> labels;
        for (std::size_t i = 0; i < kTextLabelCount; ++i) labels.push_back(textFixtureLabel(i));
        open(540, 300, labels, [](std::size_t index, const Capture& label) {
            const COLORREF background = index == kButtonFaceText ? RGB(0, 0, 0)
                                        : index <= kEffect3      ? RGB(0, 255, 0)
                                                                 : RGB(255, 255, 255);
            return label.at(0, 0) == background && label.count([&](COLORREF c) { return c != background; }) > 0;
        });
    }
};

struct EffectCase {
    const char* name;
    std::size_t label;
    COLORREF copy;  // the copy's colour; the background colour: no copy
    int dx;         // where the copy lies, relative to the text
    int dy;
};

void PrintTo(const EffectCase& c, std::ostream* out) { *out << c.name; }

class LabelEffect : public TextWindow, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(LabelEffect, DrawsTheTextInItsColourAndTheCopyOfItsEffectAtItsOffset) {
    const EffectCase& c = GetParam();
    const Capture pixels = window_->labelPixels(c.label);
    const COLORREF green = RGB(0, 255, 0);
    const COLORREF blue = RGB(0, 0, 255);
    auto is = [](COLORREF wanted) { return [wanted](COLORREF colour) { return colour == wanted; }; };
    EXPECT_GT(pixels.count(is(blue)), 50) << "the text is drawn in blue\n" << sketch(pixels);
    EXPECT_EQ(pixels.count([&](COLORREF p) { return p != green && p != blue && p != c.copy; }), 0)
        << "only background, text and the effect's copy show\n" << sketch(pixels);
    if (c.copy == green) return;
    EXPECT_GT(pixels.count(is(c.copy)), 20) << "the copy shows beside the text\n" << sketch(pixels);
    RECT text = pixelBox(pixels, is(blue));
    OffsetRect(&text, c.dx, c.dy);
    const RECT copy = pixelBox(pixels, is(c.copy));
    EXPECT_TRUE(EqualRect(&text, &copy)) << "copy at (" << copy.left << "," << copy.top << ")-(" << copy.right << ","
                                         << copy.bottom << "), text moved by the offset at (" << text.left << ","
                                         << text.top << ")-(" << text.right << "," << text.bottom << ")\n"
                                         << sketch(pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Effects, LabelEffect,
    ::testing::Values(EffectCase{"PlainText", kEffect0, RGB(0, 255, 0), 0, 0},
                      EffectCase{"WhiteCopyOnePixelRightAndDownUnderTheText", kEffect1, RGB(255, 255, 255), 1, 1},
                      EffectCase{"TextOnePixelRightAndDownOverAWhiteCopy", kEffect2, RGB(255, 255, 255), -1, -1},
                      EffectCase{"BlackCopyTwoPixelsRightAndDownUnderTheText", kEffect3, RGB(0, 0, 0), 2, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextWindow, ATextColourOfButtonFaceDrawsTheTextInTheSystemsButtonFaceColour) {
    const Capture pixels = window_->labelPixels(kButtonFaceText);
    const COLORREF face = buttonFace();
    EXPECT_GT(pixels.count([&](COLORREF c) { return c == face; }), 50) << colourName(face) << "\n" << sketch(pixels);
    EXPECT_EQ(pixels.count([&](COLORREF c) { return c != face && c != RGB(0, 0, 0); }), 0)
        << "text in " << colourName(face) << " on black, nothing else\n" << sketch(pixels);
}

// The height of the rows that hold text in a label.
int textHeight(const Capture& pixels) {
    const RECT box = pixelBox(pixels, isDark);
    return box.bottom - box.top;
}

TEST_F(TextWindow, AFontRecordOfHeightMinus30DrawsTallerTextThanTheDefaultGuiFont) {
    const int normal = textHeight(window_->labelPixels(kDefaultFont));
    const int tall = textHeight(window_->labelPixels(kTallFont));
    EXPECT_GT(normal, 4) << "the default font draws the caption";
    EXPECT_GE(tall, normal + 8) << sketch(window_->labelPixels(kTallFont));
}

TEST_F(TextWindow, AFaceNameWithoutATerminatingZeroStillGivesAFontOfTheRecordsHeight) {
    HWND label = window_->label(kUnterminatedFaceName);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(windowText(label), kFontCaption);
    const int normal = textHeight(window_->labelPixels(kDefaultFont));
    const Capture pixels = window_->labelPixels(kUnterminatedFaceName);
    EXPECT_GE(textHeight(pixels), normal + 8) << sketch(pixels);
}

TEST_F(TextWindow, ReplacesTheRecordsCharacterSetPrecisionsQualityAndPitchByTheDefaults) {
    // The same record but for those fields: with Tahoma, the symbol character
    // set, unsmoothed glyphs or a fixed pitch would each change the pixels.
    const Capture odd = window_->labelPixels(kOddFontAttributes);
    const Capture plain = window_->labelPixels(kTallFont);
    EXPECT_TRUE(odd.samePixels(plain)) << "odd attributes:\n" << sketch(odd) << "plain record:\n" << sketch(plain);
}

// ---------------------------------------------------------------------------
// Layout of the caption: alignment, vertical alignment and word wrap.

enum LayoutLabel : std::size_t {
    kAlignLeft,
    kAlignCentre,
    kAlignRight,
    kAlignTop,
    kAlignMiddle,
    kAlignBottom,
    kWrapped,
    kUnwrapped,
    kLayoutLabelCount,
};

constexpr char kLongCaption[] = "alpha beta gamma delta epsilon";

PlacedLabel layoutFixtureLabel(std::size_t index) {
    PlacedLabel placed;
    LabelPart& part = placed.part;
    part.caption = "Hi";
    if (index <= kAlignRight) {
        placed.left = 10;
        placed.top = 10 + 40 * static_cast<int>(index);
        placed.width = 300;
        placed.height = 30;
        part.alignment = static_cast<std::uint32_t>(index - kAlignLeft);
    } else if (index <= kAlignBottom) {
        placed.left = 330 + 70 * static_cast<int>(index - kAlignTop);
        placed.top = 10;
        placed.width = 60;
        placed.height = 150;
        part.verticalAlignment = static_cast<std::uint32_t>(index - kAlignTop);
    } else {
        placed.left = 10 + 130 * static_cast<int>(index - kWrapped);
        placed.top = 180;
        placed.width = 100;
        placed.height = 120;
        part.caption = kLongCaption;
        part.wordWrap = index == kWrapped ? 1 : 0;
        // Applies to single lines only; a wrapped caption starts at the top.
        part.verticalAlignment = 2;
    }
    return placed;
}

class LayoutWindow : public SharedLabelWindow<LayoutWindow> {
protected:
    static void SetUpTestSuite() {
        std::vector<PlacedLabel> labels;
        for (std::size_t i = 0; i < kLayoutLabelCount; ++i) labels.push_back(layoutFixtureLabel(i));
        open(600, 360, labels, [](std::size_t, const Capture& label) {
            // A window not yet painted shows black, which would pass for text.
            return label.at(0, 0) == buttonFace() && label.count(isDark) > 0;
        });
    }
};

// Where the text of an aligned label must lie along one axis.
struct AlignCase {
    const char* name;
    std::size_t label;
    bool vertical;
    int third;  // 0 left or top, 1 middle, 2 right or bottom
};

void PrintTo(const AlignCase& c, std::ostream* out) { *out << c.name; }

class LabelAlignment : public LayoutWindow, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(LabelAlignment, PutsTheTextInTheThirdOfTheLabelThatItsAlignmentNames) {
    const AlignCase& c = GetParam();
    const Capture pixels = window_->labelPixels(c.label);
    const RECT box = pixelBox(pixels, isDark);
    ASSERT_FALSE(IsRectEmpty(&box)) << sketch(pixels);
    const int size = c.vertical ? pixels.height() : pixels.width();
    const int lead = c.vertical ? box.top : box.left;                // room before the text
    const int trail = size - (c.vertical ? box.bottom : box.right);  // room after it
    const int centre = (lead + size - trail) / 2;
    EXPECT_EQ(centre * 3 / size, c.third) << "text from " << lead << " to " << size - trail << " of " << size << "\n"
                                          << sketch(pixels);
    // Glyph cells add a few pixels of their own around the letters.
    switch (c.third) {
    case 0: EXPECT_LE(lead, 4) << sketch(pixels); break;
    case 1: EXPECT_LE(std::abs(lead - trail), 4) << sketch(pixels); break;
    case 2: EXPECT_LE(trail, 5) << sketch(pixels); break;
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, LabelAlignment,
                         ::testing::Values(AlignCase{"Left", kAlignLeft, false, 0},
                                           AlignCase{"Centre", kAlignCentre, false, 1},
                                           AlignCase{"Right", kAlignRight, false, 2},
                                           AlignCase{"Top", kAlignTop, true, 0},
                                           AlignCase{"VerticalCentre", kAlignMiddle, true, 1},
                                           AlignCase{"Bottom", kAlignBottom, true, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LayoutWindow, WordWrapBreaksALongCaptionIntoLinesFromTheTop) {
    const Capture pixels = window_->labelPixels(kWrapped);
    EXPECT_GE(rowBands(pixels, isDark), 2) << sketch(pixels);
    EXPECT_LE(pixelBox(pixels, isDark).top, 4) << "the bottom alignment does not apply\n" << sketch(pixels);
}

TEST_F(LayoutWindow, WithoutWordWrapALongCaptionStaysOnOneLineAtTheBottom) {
    const Capture pixels = window_->labelPixels(kUnwrapped);
    EXPECT_EQ(rowBands(pixels, isDark), 1) << sketch(pixels);
    EXPECT_GE(pixelBox(pixels, isDark).top, pixels.height() - 16) << sketch(pixels);
}

}  // namespace
}  // namespace e2e
