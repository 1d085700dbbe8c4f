#include "RuntimeError.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "Program.h"

namespace tavrin::ui {

namespace {

// "运行时出错!", "错误信息：" (a full-width colon), "分配 ", " 字节内存失败!"
constexpr std::string_view kRuntimeErrorHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";
constexpr std::string_view kErrorMessageLabel = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
constexpr std::string_view kAllocationPrefix = "\xB7\xD6\xC5\xE4 ";
constexpr std::string_view kAllocationSuffix = " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";
// "错误", the box's title.
constexpr std::wstring_view kErrorTitle = L"\u9519\u8BEF";

// Reports made while an earlier box is still up (its message loop runs the
// window's handlers) show boxes of their own; past this depth memory is
// clearly gone for good, and the process ends without one.
constexpr int kMostNestedReports = 8;
int nestedReports = 0;

class BufferWriter {
 public:
  explicit BufferWriter(std::span<char> buffer) : buffer_(buffer) {}
  void append(std::string_view piece) {
    const std::size_t room = buffer_.size() - used_;
    const std::size_t taken = std::min(room, piece.size());
    std::copy_n(piece.data(), taken, buffer_.data() + used_);
    used_ += taken;
  }
  [[nodiscard]] std::string_view written() const { return {buffer_.data(), used_}; }

 private:
  std::span<char> buffer_;
  std::size_t used_ = 0;
};

}  // namespace

std::string_view composeAllocationFailureMessage(std::size_t bytes, std::span<char> buffer) {
  std::array<char, 24> digits{};
  std::size_t start = digits.size();
  do {
    digits[--start] = static_cast<char>('0' + bytes % 10);
    bytes /= 10;
  } while (bytes != 0);
  BufferWriter writer(buffer);
  writer.append(kAllocationPrefix);
  writer.append({digits.data() + start, digits.size() - start});
  writer.append(kAllocationSuffix);
  return writer.written();
}

std::string_view composeRuntimeErrorText(std::string_view message, std::span<char> buffer) {
  // A Text ends at its first NUL byte.
  message = message.substr(0, message.find('\0'));
  BufferWriter writer(buffer);
  writer.append(kRuntimeErrorHeading);
  writer.append("\r\n\r\n");
  if (!message.empty()) {
    writer.append(kErrorMessageLabel);
    writer.append(message);
    writer.append("\r\n");
  }
  return writer.written();
}

void reportRuntimeError(std::string_view message) {
  if (++nestedReports > kMostNestedReports) {
    releaseProgram();
    ExitProcess(static_cast<UINT>(-1));
  }
  // Everything here lives on the stack: the report may be about memory that
  // has run out.
  std::array<char, 1024> text{};
  const std::string_view composed = composeRuntimeErrorText(message, text);
  std::array<wchar_t, 1024> wide{};
  const int length =
      MultiByteToWideChar(kTextCodePage, 0, composed.data(), static_cast<int>(composed.size()),
                          wide.data(), static_cast<int>(wide.size() - 1));
  wide[static_cast<std::size_t>(std::max(length, 0))] = L'\0';
  MessageBoxW(nullptr, wide.data(), kErrorTitle.data(), MB_OK | MB_ICONERROR);
  releaseProgram();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace tavrin::ui
