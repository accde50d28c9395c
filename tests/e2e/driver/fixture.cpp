#include "fixture.h"

#include "window_description.h"

namespace e2e {

std::vector<std::uint8_t> storedDescription() {
    return std::vector<std::uint8_t>(kWindowDescription, kWindowDescription + kWindowDescriptionSize);
}

FixtureRun startFixture(const std::vector<std::uint8_t>& description, const std::string& window,
                        const std::string& startFolder) {
    FixtureRun run;
    run.sandbox = sandboxCopy(variantPath("fixture_program"));
    const std::string file = run.sandbox.folder + "\\description.bin";
    writeFile(file, description);
    const std::string args = "\"" + file + "\"" + (window.empty() ? "" : " " + window);
    run.process = std::make_unique<Process>(run.sandbox.exe, args, startFolder);
    return run;
}

}  // namespace e2e
