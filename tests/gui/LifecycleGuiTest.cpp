// How Tavrin.exe starts, ends and reports a failure, seen from outside the
// process: exit codes, instances, the working directory, the failure box.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "GuiTestSupport.h"

namespace tavrin::gui_test {
namespace {

const std::wstring kSampleStart = L"#define MB_OK                       0x00000000L\r\n";
// Every failure box begins "运行时出错!", an empty line, then "错误信息：".
const std::wstring kFailureHeading =
    L"\u8FD0\u884C\u65F6\u51FA\u9519!\r\n\r\n\u9519\u8BEF\u4FE1\u606F\uFF1A";

// Closes the box with its OK button and gives the exit code that follows.
DWORD acknowledge(HWND box, TavrinProcess& process) {
  bringToFront(box);
  pressKey(VK_RETURN);
  return process.waitForExit();
}

// The failure box of a process, once it is up: its window and its text.
struct FailureBox {
  HWND window = nullptr;
  std::wstring text;
};

FailureBox waitForFailureBox(const TavrinProcess& process) {
  FailureBox box;
  waitUntil([&] {
    return (box.window = process.findTopLevel(L"#32770", L"\u9519\u8BEF")) != nullptr;  // 错误
  }, 10000ms);
  if (box.window) {
    settle(300ms);
    // The message box shows its text in the static control of ID 0xFFFF.
    box.text = windowText(GetDlgItem(box.window, 0xFFFF));
  }
  return box;
}

TEST(LifecycleGuiTest, ArgumentsAreIgnored) {
  TavrinProcess tavrin(buildPath(TAVRIN_EXE), L"--help \"C:\\no such file.h\" /x");
  ASSERT_NE(tavrin.window(), nullptr);
  const MainWindowControls controls = findControls(tavrin.window());
  EXPECT_EQ(windowText(controls.source).substr(0, kSampleStart.size()), kSampleStart);
  EXPECT_EQ(windowText(controls.result), L"");
  bringToFront(tavrin.window());
  pressKey(VK_ESCAPE);
  EXPECT_EQ(tavrin.waitForExit(), 0u);
}

TEST(LifecycleGuiTest, TwoInstancesRunSideBySide) {
  TavrinProcess first(buildPath(TAVRIN_EXE));
  TavrinProcess second(buildPath(TAVRIN_EXE));
  ASSERT_NE(first.window(), nullptr);
  ASSERT_NE(second.window(), nullptr);
  EXPECT_NE(first.processId(), second.processId());
  EXPECT_NE(first.window(), second.window());

  bringToFront(second.window());
  pressKey(VK_ESCAPE);
  EXPECT_EQ(second.waitForExit(), 0u);
  EXPECT_EQ(first.waitForExit(200ms), static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_TRUE(IsWindowVisible(first.window()));
  bringToFront(first.window());
  pressKey(VK_ESCAPE);
  EXPECT_EQ(first.waitForExit(), 0u);
}

TEST(LifecycleGuiTest, TheWorkingDirectoryBecomesTheProgramsFolder) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE reading = nullptr;
  HANDLE writing = nullptr;
  ASSERT_TRUE(CreatePipe(&reading, &writing, &inherit, 0));
  const ui::UniqueKernelHandle readEnd{reading};
  ui::UniqueKernelHandle writeEnd{writing};
  SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);

  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  TavrinProcess probe(buildPath(TAVRIN_FAILURE_PROBE), L"working-directory", windows,
                      writeEnd.get());
  writeEnd.reset();  // so that the pipe ends with the probe
  EXPECT_EQ(probe.waitForExit(), 0u);
  std::string printed;
  char buffer[512];
  DWORD got = 0;
  while (ReadFile(readEnd.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
    printed.append(buffer, got);
  }
  std::wstring folder = buildPath(TAVRIN_FAILURE_PROBE);
  folder.resize(folder.rfind(L'\\'));
  std::string expected(folder.begin(), folder.end());  // ASCII paths
  while (!printed.empty() && (printed.back() == '\n' || printed.back() == '\r')) printed.pop_back();
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, printed.c_str(), -1,
                           expected.c_str(), -1),
            CSTR_EQUAL)
      << printed << " is not " << expected;
}

// A request for 1 TiB, made in a handler once the loop runs, through the
// program's own operator new.
TEST(LifecycleGuiTest, FailedAllocationShowsTheFullCountThenEndsWithMinusOne) {
  TavrinProcess probe(buildPath(TAVRIN_FAILURE_PROBE), L"allocation");
  ASSERT_NE(probe.window(), nullptr);
  const FailureBox box = waitForFailureBox(probe);
  ASSERT_NE(box.window, nullptr);
  // ... 分配 1099511627776 字节内存失败!
  EXPECT_EQ(box.text, kFailureHeading +
                          L"\u5206\u914D 1099511627776 \u5B57\u8282\u5185\u5B58\u5931\u8D25!\r\n");
  // The main window stays on screen and enabled while the box is up.
  EXPECT_TRUE(IsWindowVisible(probe.window()));
  EXPECT_TRUE(IsWindowEnabled(probe.window()));
  EXPECT_EQ(probe.waitForExit(300ms), static_cast<DWORD>(STILL_ACTIVE));

  EXPECT_EQ(acknowledge(box.window, probe), 0xFFFFFFFFu);
  EXPECT_FALSE(IsWindow(probe.window()));
}

TEST(LifecycleGuiTest, AWindowThatCannotBeCreatedIsReported) {
  TavrinProcess probe(buildPath(TAVRIN_FAILURE_PROBE), L"window");
  EXPECT_EQ(probe.window(), nullptr);
  const FailureBox box = waitForFailureBox(probe);
  ASSERT_NE(box.window, nullptr);
  // ... 载入启动窗口失败
  EXPECT_EQ(box.text, kFailureHeading + L"\u8F7D\u5165\u542F\u52A8\u7A97\u53E3\u5931\u8D25\r\n");
  EXPECT_EQ(acknowledge(box.window, probe), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace tavrin::gui_test
