#include "program_path.h"

namespace rt {

std::string folderOfPath(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos) return {};
    if (slash == 2 && path[1] == ':') return std::string(path.substr(0, 3));
    return std::string(path.substr(0, slash));
}

}  // namespace rt
