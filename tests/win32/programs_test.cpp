#include "win32/text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// The three programs as the build leaves them in its bin folder.
std::wstring ProgramPath(const char* name) {
    return win32ui::Wide(std::string("Z:") + DISH_TEST_PROGRAMS_DIR + "/" + name);
}

std::string ManifestOf(const std::wstring& path) {
    HMODULE program = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!program) {
        return {};
    }
    std::string manifest;
    if (HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
        manifest.assign(bytes, SizeofResource(program, found));
    }
    FreeLibrary(program);
    return manifest;
}

// What each program may weigh: the launcher 256 KiB, each build 512 KiB.
struct Program {
    const char* name;
    DWORD maxBytes;
};
constexpr Program kPrograms[] = {
    {"START.EXE", 256 * 1024},
    {"KORVEL.EXE", 512 * 1024},
    {"DREVIK.EXE", 512 * 1024},
};

TEST(Programs, CarryTheirManifestAndFitTheirSize) {
    for (const auto& [name, maxBytes] : kPrograms) {
        SCOPED_TRACE(name);
        WIN32_FILE_ATTRIBUTE_DATA file{};
        ASSERT_TRUE(GetFileAttributesExW(ProgramPath(name).c_str(), GetFileExInfoStandard, &file));
        EXPECT_EQ(file.nFileSizeHigh, 0u);
        EXPECT_LE(file.nFileSizeLow, maxBytes);

        const std::string manifest = ManifestOf(ProgramPath(name));
        ASSERT_FALSE(manifest.empty()) << "no manifest";
        for (const char* wanted : {
                 R"(level="asInvoker")",
                 R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
                 "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // Windows 7
                 "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // Windows 10 and 11
                 ">true/pm</dpiAware>",
                 ">PerMonitorV2, PerMonitor</dpiAwareness>",
             }) {
            EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
        }
    }
}

} // namespace
