#include <gtest/gtest.h>

#include "widget/core/FileRelatedLibrary.h"

namespace {

using namespace FileRelatedLibrary;

TEST(FileRelatedLibrary, SplitsAPathAtItsLastBackslashAndDot) {
    const struct {
        const char* path;
        const char* fileName;
        const char* folder;
        const char* extension;
    } kCases[] = {
        {"C:\\photos\\kid.jpg", "kid.jpg", "C:\\photos\\", "jpg"},
        {"C:\\photos\\KID.JPG", "KID.JPG", "C:\\photos\\", "JPG"},
        {"C:\\photos\\archive.tar.gz", "archive.tar.gz", "C:\\photos\\", "gz"},
        {"C:\\photos\\README", "README", "C:\\photos\\", ""},
        {"C:\\photos\\name.", "name.", "C:\\photos\\", ""},
        {"C:\\photos\\.profile", ".profile", "C:\\photos\\", "profile"},
        {"C:\\photos\\", "", "C:\\photos\\", ""},
        {"C:\\my.photos\\kid", "kid", "C:\\my.photos\\", ""},  // a dot in a folder is no extension
        {"\\\\server\\share\\写真\\子供.bmp", "子供.bmp", "\\\\server\\share\\写真\\", "bmp"},
        {"C:/photos/kid.jpg", "C:/photos/kid.jpg", "", "jpg"},  // "/" is no separator
        // Without any "\" the whole text is the file name and the folder is empty.
        {"kid.jpg", "kid.jpg", "", "jpg"},
        {"kid", "kid", "", ""},
        {"", "", "", ""},
        {"\\", "", "\\", ""},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(GetFileName(c.path), c.fileName) << c.path;
        EXPECT_EQ(GetFolder(c.path), c.folder) << c.path;
        EXPECT_EQ(GetExtension(c.path), c.extension) << c.path;
    }
}

TEST(FileRelatedLibrary, FolderAndFileNameTogetherAreThePath) {
    for (const char* path : {"C:\\a\\b.c", "b.c", "", "C:\\", "\\\\x\\y\\"})
        EXPECT_EQ(GetFolder(path) + GetFileName(path), path) << path;
}

}  // namespace
