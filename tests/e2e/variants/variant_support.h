// Shared by the test programs: a trace file in the current folder.
#pragma once

#include <cstdio>

// Appends one letter to `file`, in the current folder.
inline void traceLetter(const char* file, char letter) {
    if (std::FILE* out = std::fopen(file, "ab")) {
        std::fputc(letter, out);
        std::fclose(out);
    }
}
