// Code page 936 through iconv, for the Linux build.
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <stdexcept>
#include <string>

#include "CodePage936.h"

namespace tavrin {
namespace {

// One open conversion descriptor per direction and thread: opening one costs
// far more than a short conversion, and the matcher converts every group.
class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    // glibc always has these conversions; without them nothing can be converted.
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~IconvHandle() { iconv_close(handle_); }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

// Converts `input` (units of InChar) into units of OutChar. An invalid or
// unmappable input unit becomes `replacement` and is skipped; so is an
// incomplete sequence at the end.
template <typename OutChar, typename InChar>
std::basic_string<OutChar> convert(const IconvHandle& cd, std::basic_string_view<InChar> input,
                                   OutChar replacement, bool* lossy) {
  std::basic_string<OutChar> out;
  if (input.empty()) return out;
  iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  out.resize(input.size() * (sizeof(InChar) == 1 ? 1 : 2) + 8);
  char* in = const_cast<char*>(reinterpret_cast<const char*>(input.data()));
  size_t inLeft = input.size() * sizeof(InChar);
  size_t used = 0;
  while (inLeft > 0) {
    char* outPtr = reinterpret_cast<char*>(out.data() + used);
    size_t outLeft = (out.size() - used) * sizeof(OutChar);
    const size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
    used = out.size() - outLeft / sizeof(OutChar);
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // EILSEQ or EINVAL: one unit becomes the replacement character.
    if (lossy != nullptr) *lossy = true;
    if (used == out.size()) out.resize(out.size() * 2);
    out[used++] = replacement;
    in += sizeof(InChar);
    inLeft -= sizeof(InChar);
  }
  out.resize(used);
  return out;
}

const IconvHandle& handle(const char* to, const char* from) {
  thread_local const IconvHandle toWideHandle("WCHAR_T", "CP936");
  thread_local const IconvHandle fromWideHandle("CP936", "WCHAR_T");
  thread_local const IconvHandle utf8ToWideHandle("WCHAR_T", "UTF-8");
  thread_local const IconvHandle wideToUtf8Handle("UTF-8", "WCHAR_T");
  if (std::strcmp(from, "CP936") == 0) return toWideHandle;
  if (std::strcmp(from, "UTF-8") == 0) return utf8ToWideHandle;
  return std::strcmp(to, "CP936") == 0 ? fromWideHandle : wideToUtf8Handle;
}

// A Text ends at its first zero byte.
std::string_view asText(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

std::wstring toWide(std::string_view text) {
  return convert<wchar_t, char>(handle("WCHAR_T", "CP936"), asText(text), L'?', nullptr);
}

Text fromWide(std::wstring_view wide) {
  return convert<char, wchar_t>(handle("CP936", "WCHAR_T"), wide.substr(0, wide.find(L'\0')), '?',
                                nullptr);
}

Text fromUtf8(std::string_view utf8, Utf8Loss* loss) {
  const std::wstring wide = convert<wchar_t, char>(handle("WCHAR_T", "UTF-8"), utf8, L'?',
                                                   loss ? &loss->invalidInput : nullptr);
  return convert<char, wchar_t>(handle("CP936", "WCHAR_T"), wide, '?',
                                loss ? &loss->unmappable : nullptr);
}

std::string toUtf8(std::string_view text) {
  return convert<char, wchar_t>(handle("UTF-8", "WCHAR_T"), toWide(text), '?', nullptr);
}

}  // namespace tavrin
