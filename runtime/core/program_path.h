// The folder part of the program file's path.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// The path up to its last backslash; empty when there is none. A drive
// root keeps its backslash: "C:" alone would name the drive's own current
// folder, not its root.
std::string folderOfPath(std::string_view path);

}  // namespace rt
