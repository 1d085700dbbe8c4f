// Many conversions in a row in one process: through VBScript.RegExp in this
// process, and through Tavrin.exe's own handler. Memory stays flat, and the
// thread's COM stays initialised throughout.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <psapi.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "CodePage936.h"
#include "ConstantConverter.h"
#include "GuiTestSupport.h"
#include "RegexEngines.h"
#include "SampleDefines.h"

namespace tavrin::gui_test {
namespace {

constexpr int kConversions = 2000;
constexpr int kWarmUp = 100;
// What 1,900 further conversions may add to the working set: allocator and
// heap noise, far below what a leaked matcher per conversion would cost.
constexpr SIZE_T kAllowedGrowth = 2 * 1024 * 1024;
// Live heap bytes: a leaked matcher, or one string, per conversion would
// add 1,900 times its size.
constexpr SIZE_T kAllowedHeapGrowth = 16 * 1024;

struct Memory {
  SIZE_T workingSet = 0;
  SIZE_T liveHeapBytes = 0;  // only for this process
};

// The bytes in use in every heap of this process: what a leak would raise
// even where the working set stays put.
SIZE_T liveHeapBytes() {
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
  heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  SIZE_T total = 0;
  for (HANDLE heap : heaps) {
    if (!HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    }
    HeapUnlock(heap);
  }
  return total;
}

Memory memoryOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  K32GetProcessMemoryInfo(process, &counters, sizeof counters);
  return {counters.WorkingSetSize,
          process == GetCurrentProcess() ? liveHeapBytes() : SIZE_T{0}};
}

void report(const char* what, const Memory& afterWarmUp, const Memory& atEnd) {
  std::cout << what << ": working set after " << kWarmUp << " conversions "
            << afterWarmUp.workingSet / 1024 << " KiB, after " << kConversions << " "
            << atEnd.workingSet / 1024 << " KiB";
  if (afterWarmUp.liveHeapBytes) {
    std::cout << "; bytes in use in the heaps " << afterWarmUp.liveHeapBytes << " and "
              << atEnd.liveHeapBytes;
  }
  std::cout << "\n";
}

std::string expectedSampleDeclarations() {
  std::ifstream in(TAVRIN_SAMPLE_EXPECTED, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(LongRunTest, VbscriptConversionsKeepMemoryFlatAndComInitialised) {
  // As in the program: OLE for the thread for the whole run, each matcher's
  // own initialisation nested inside it.
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  const RegexEngine* engine = vbscriptRegexEngine();
  ASSERT_NE(engine, nullptr);
  ASSERT_NE(engine->createExpression(), nullptr) << "VBScript.RegExp is missing";
  const std::string expected = expectedSampleDeclarations();
  Memory afterWarmUp;
  for (int conversion = 1; conversion <= kConversions; ++conversion) {
    ASSERT_EQ(convertVcToE(kSampleDefines, *engine), expected) << conversion;
    // S_FALSE: the thread was initialised already, and stays so.
    const HRESULT again = CoInitialize(nullptr);
    ASSERT_EQ(again, S_FALSE) << "COM was left uninitialised after conversion " << conversion;
    CoUninitialize();
    if (conversion == kWarmUp) afterWarmUp = memoryOf(GetCurrentProcess());
  }
  const Memory atEnd = memoryOf(GetCurrentProcess());
  report("VBScript.RegExp in one process", afterWarmUp, atEnd);
  EXPECT_LE(atEnd.liveHeapBytes, afterWarmUp.liveHeapBytes + kAllowedHeapGrowth);
  EXPECT_LE(atEnd.workingSet, afterWarmUp.workingSet + kAllowedGrowth);
  OleUninitialize();
}

// The button's click, sent as a message: the window's own handler runs each
// time, without the pauses that real input needs.
TEST(LongRunTest, ConversionsThroughTheWindowsHandlerKeepMemoryFlat) {
  TavrinProcess tavrin(buildPath(TAVRIN_EXE));
  ASSERT_NE(tavrin.window(), nullptr);
  const MainWindowControls controls = findControls(tavrin.window());
  const std::wstring expected = toWide(expectedSampleDeclarations());
  Memory afterWarmUp;
  for (int conversion = 1; conversion <= kConversions; ++conversion) {
    // Something else first, so that each conversion visibly replaces it.
    SendMessageW(controls.result, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"stale"));
    SendMessageW(controls.convert, BM_CLICK, 0, 0);
    ASSERT_EQ(windowText(controls.result), expected) << conversion;
    if (conversion == kWarmUp) afterWarmUp = memoryOf(tavrin.process());
  }
  const Memory atEnd = memoryOf(tavrin.process());
  report("Tavrin.exe's handler", afterWarmUp, atEnd);
  EXPECT_LE(atEnd.workingSet, afterWarmUp.workingSet + kAllowedGrowth);
  bringToFront(tavrin.window());
  pressKey(VK_ESCAPE);
  EXPECT_EQ(tavrin.waitForExit(), 0u);
}

}  // namespace
}  // namespace tavrin::gui_test
