// Writes the seed inputs of the description fuzzer into a folder:
// the program's stored description, and builder-made variants that reach the
// parts the stored one leaves empty. Usage: fuzz_seeds tests/fuzz/corpus
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "description_builder.h"
#include "window_description.h"

namespace {

bool writeFile(const std::filesystem::path& path, const testdesc::Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
    return static_cast<bool>(file);
}

// A second window whose units fill every part: fonts, pictures, tags, links.
testdesc::DescriptionSpec twoWindows() {
    using namespace testdesc;
    DescriptionSpec layout = programDescription();
    WindowSpec second = windowWithOwnUnit(0x52010002, 0x06010005);
    second.text1 = "one";
    second.text2 = "\xB6\xFE";  // 二
    second.units[0].tag = "\xB4\xB0\xBF\xDA";  // 窗口
    second.units[0].kindPart = windowPart(6);

    UnitSpec button = buttonUnit(0x16010006, "Ok");
    ButtonPart buttonPart;
    buttonPart.font = FontSpec{}.bytes();
    buttonPart.picture = {1, 2, 3, 4};
    buttonPart.caption = "\xC8\xB7\xB6\xA8";  // 确定
    button.kindPart = buttonPart.bytes();
    button.events = {{0, 8}, {1, -1}};
    button.mousePointer = pointerBlock(14);
    button.tag = "button";

    UnitSpec linked = buttonUnit(0x16010007, "linked");
    linked.eventSource = 0x16010006;
    linked.pageList = {0x16010006, 0, 0x16010008};

    UnitSpec label = labelUnit(0x16010008, "\xB1\xEA\xC7\xA9" "2");
    LabelPart labelPart;
    labelPart.version = 0;
    labelPart.border = 6;
    labelPart.font = FontSpec{}.bytes();
    label.kindPart = labelPart.bytes();
    label.mousePointer = {3};

    second.units.push_back(button);
    second.units.push_back(linked);
    second.units.push_back(label);
    layout.windows.push_back(second);
    return layout;
}

testdesc::DescriptionSpec reorderedUnits() {
    testdesc::DescriptionSpec layout = testdesc::programDescription();
    layout.windows[0].storageOrder = {2, 1, 0};
    layout.windows[0].gapBeforeData = {0xEE, 0xEE, 0xEE};
    return layout;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const testdesc::Bytes stored(kWindowDescription, kWindowDescription + kWindowDescriptionSize);
    bool ok = writeFile(folder / "stored-description.bin", stored);
    ok = writeFile(folder / "two-windows.bin", twoWindows().bytes()) && ok;
    ok = writeFile(folder / "reordered-units.bin", reorderedUnits().bytes()) && ok;
    return ok ? 0 : 1;
}
