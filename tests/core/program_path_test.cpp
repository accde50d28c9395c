#include "program_path.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* path;
    const char* folder;
};

class FolderOfPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(FolderOfPath, IsThePathUpToItsLastBackslash) {
    EXPECT_EQ(rt::folderOfPath(GetParam().path), GetParam().folder) << "path: " << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FolderOfPath,
    ::testing::Values(PathCase{"C:\\games\\puzzle\\tagpuzzle.exe", "C:\\games\\puzzle"},
                      PathCase{"C:\\tagpuzzle.exe", "C:\\"},  // a drive root keeps its backslash
                      PathCase{"\\\\server\\share\\tagpuzzle.exe", "\\\\server\\share"},
                      PathCase{"Z:\\tmp\\a\\b\\c.exe", "Z:\\tmp\\a\\b"},
                      PathCase{"tagpuzzle.exe", ""}));

}  // namespace
