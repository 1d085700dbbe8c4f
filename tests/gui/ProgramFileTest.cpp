// What Tavrin.exe carries: one manifest, the icon at three sizes, and the
// version information.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "TavrinVersion.h"

namespace tavrin::gui_test {
namespace {

struct LoadedProgram {
  LoadedProgram()
      : module(LoadLibraryExW(buildPath(TAVRIN_EXE).c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~LoadedProgram() {
    if (module) FreeLibrary(module);
  }
  HMODULE module;
};

BOOL CALLBACK countName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  (void)name;
  return TRUE;
}

std::string resourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
  const HRSRC found = FindResourceW(module, name, type);
  if (!found) return {};
  const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
  return std::string(data, SizeofResource(module, found));
}

TEST(ProgramFileTest, CarriesExactlyOneManifestForCommonControlsSixDpiUnaware) {
  const LoadedProgram program;
  ASSERT_NE(program.module, nullptr);
  int manifests = 0;
  EnumResourceNamesW(program.module, RT_MANIFEST, countName, reinterpret_cast<LONG_PTR>(&manifests));
  EXPECT_EQ(manifests, 1);
  const std::string manifest =
      resourceBytes(program.module, MAKEINTRESOURCEW(1), RT_MANIFEST);
  for (const char* piece : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"",
                            "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">false</dpiAware>",
                            "supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\""}) {
    EXPECT_NE(manifest.find(piece), std::string::npos) << piece;
  }
}

TEST(ProgramFileTest, TheIconComesAtSixteenThirtyTwoAndFortyEightPixels) {
  const LoadedProgram program;
  ASSERT_NE(program.module, nullptr);
  const std::string group = resourceBytes(program.module, L"DEFAULT_ICON", RT_GROUP_ICON);
  ASSERT_GE(group.size(), 6u);
  // A group: a 6-byte header with the count, then 14-byte entries whose first
  // byte is the width.
  const int count = static_cast<unsigned char>(group[4]);
  ASSERT_EQ(group.size(), 6u + 14u * count);
  std::set<int> sizes;
  for (int entry = 0; entry < count; ++entry) {
    sizes.insert(static_cast<unsigned char>(group[6 + 14 * entry]));
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
}

TEST(ProgramFileTest, VersionInformationIsTheProjectsVersion) {
  const std::wstring path = buildPath(TAVRIN_EXE);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS,
            static_cast<DWORD>(MAKELONG(TAVRIN_VERSION_MINOR, TAVRIN_VERSION_MAJOR)));
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, TAVRIN_VERSION_PATCH)));
  wchar_t* description = nullptr;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\080404B0\\FileDescription",
                             reinterpret_cast<void**>(&description), &length));
  EXPECT_EQ(std::wstring(description), L"Tavrin \u5E38\u91CF\u8F6C\u6362\u5DE5\u5177");
}

}  // namespace
}  // namespace tavrin::gui_test
