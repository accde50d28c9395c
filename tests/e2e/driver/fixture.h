// Runs the fixture program on a description of the test's own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {

// The program's stored description, as bytes to change.
std::vector<std::uint8_t> storedDescription();

// The fixture program in a sandbox of its own, reading `description`. Its
// end routines write endtrace.txt and its click handler clicktrace.txt into
// the sandbox (its current folder once started).
struct FixtureRun {
    Sandbox sandbox;
    std::unique_ptr<Process> process;

    std::string endTrace() const { return readFile(sandbox.folder + "\\endtrace.txt"); }
    std::string clickTrace() const { return readFile(sandbox.folder + "\\clicktrace.txt"); }
};
FixtureRun startFixture(const std::vector<std::uint8_t>& description, const std::string& window = "",
                        const std::string& startFolder = "");

}  // namespace e2e
