// The failure box's text, composed without allocating.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "RuntimeError.h"

namespace tavrin::ui {
namespace {

// "运行时出错!" CR LF CR LF and "错误信息：" in code page 936.
const std::string kHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";
const std::string kLabel = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
// "分配 " and " 字节内存失败!"
const std::string kAllocation = "\xB7\xD6\xC5\xE4 ";
const std::string kFailed = " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";

TEST(RuntimeErrorTextTest, ComposesHeadingThenLabelledMessage) {
  const struct Case {
    std::string message;
    std::string expected;
  } kCases[] = {
      {"", kHeading},  // no message: the heading alone
      {"x", kHeading + kLabel + "x\r\n"},
      {std::string(kWindowNotCreatedMessage), kHeading + kLabel +
                                                  std::string(kWindowNotCreatedMessage) + "\r\n"},
      // A Text ends at its first NUL byte.
      {std::string("ab\0cd", 5), kHeading + kLabel + "ab\r\n"},
      {std::string("\0cd", 3), kHeading},
  };
  for (const Case& entry : kCases) {
    SCOPED_TRACE(entry.message);
    std::array<char, 256> buffer{};
    EXPECT_EQ(composeRuntimeErrorText(entry.message, buffer), entry.expected);
  }
}

TEST(RuntimeErrorTextTest, ATooSmallBufferCutsTheTextShort) {
  std::array<char, 8> buffer{};
  EXPECT_EQ(composeRuntimeErrorText("message", buffer), kHeading.substr(0, 8));
}

TEST(RuntimeErrorTextTest, AllocationMessageWritesTheCountInFull) {
  const struct Case {
    std::size_t bytes;
    const char* digits;
  } kCases[] = {
      {0, "0"},
      {64, "64"},
      {2147483647, "2147483647"},
      // Above 2 GiB the count is not wrapped into an Integer.
      {std::size_t{3} << 30, "3221225472"},
      {SIZE_MAX, "18446744073709551615"},
  };
  for (const Case& entry : kCases) {
    SCOPED_TRACE(entry.digits);
    std::array<char, 96> buffer{};
    EXPECT_EQ(composeAllocationFailureMessage(entry.bytes, buffer),
              kAllocation + entry.digits + kFailed);
  }
}

}  // namespace
}  // namespace tavrin::ui
