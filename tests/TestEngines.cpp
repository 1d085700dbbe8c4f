#include <gtest/gtest.h>

#include "TestEngines.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tavrin::test_support {

bool runningUnderWine() {
#ifdef _WIN32
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

}  // namespace tavrin::test_support
