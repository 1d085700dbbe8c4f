// Code page 936 through iconv, for the Linux build.
#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <string>
#include <type_traits>

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

// A Text ends at its first zero byte.
std::string_view asText(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

const IconvHandle& cp936ToWide() {
  thread_local const IconvHandle converter("WCHAR_T", "CP936");
  return converter;
}
const IconvHandle& wideToCp936() {
  thread_local const IconvHandle converter("CP936", "WCHAR_T");
  return converter;
}
const IconvHandle& utf8ToWide() {
  thread_local const IconvHandle converter("WCHAR_T", "UTF-8");
  return converter;
}
const IconvHandle& wideToUtf8() {
  thread_local const IconvHandle converter("UTF-8", "WCHAR_T");
  return converter;
}

// Most texts are ASCII, which is the same in every encoding here: runs of it
// are copied, and only the runs of other characters go through iconv.
template <typename OutChar, typename InChar>
std::basic_string<OutChar> convertAsciiFast(const IconvHandle& (*converter)(),
                                            std::basic_string_view<InChar> input,
                                            OutChar replacement) {
  using Unit = std::make_unsigned_t<InChar>;
  const auto ascii = [](InChar c) { return static_cast<Unit>(c) < 0x80; };
  if (std::all_of(input.begin(), input.end(), ascii)) {
    return std::basic_string<OutChar>(input.begin(), input.end());
  }
  const IconvHandle& cd = converter();
  std::basic_string<OutChar> out(input.size(), OutChar());
  size_t used = 0;
  size_t pos = 0;
  while (pos < input.size()) {
    while (pos < input.size() && static_cast<Unit>(input[pos]) < 0x80) {
      out[used++] = static_cast<OutChar>(input[pos++]);
    }
    if (pos == input.size()) break;
    // A run of other characters. The second byte of a two-byte character may
    // be an ASCII letter, so each lead byte takes the byte after it along.
    size_t end = pos;
    while (end < input.size() && static_cast<Unit>(input[end]) >= 0x80) {
      end += (sizeof(InChar) == 1 && end + 1 < input.size()) ? 2 : 1;
    }
    const std::basic_string<OutChar> converted =
        convert<OutChar, InChar>(cd, input.substr(pos, end - pos), replacement, nullptr);
    // Room for the converted run and, at one unit each, everything after it.
    const size_t needed = used + converted.size() + (input.size() - end);
    if (needed > out.size()) out.resize(needed);
    std::copy(converted.begin(), converted.end(), out.begin() + static_cast<std::ptrdiff_t>(used));
    used += converted.size();
    pos = end;
  }
  out.resize(used);
  return out;
}

}  // namespace

std::wstring toWide(std::string_view text) {
  return convertAsciiFast<wchar_t, char>(cp936ToWide, asText(text), L'?');
}

Text fromWide(std::wstring_view wide) {
  return convertAsciiFast<char, wchar_t>(wideToCp936,
                                         wide.substr(0, wide.find(L'\0')), '?');
}

Text fromUtf8(std::string_view utf8, Utf8Loss* loss) {
  const std::wstring wide = convert<wchar_t, char>(utf8ToWide(), utf8, L'?',
                                                   loss ? &loss->invalidInput : nullptr);
  return convert<char, wchar_t>(wideToCp936(), wide, '?',
                                loss ? &loss->unmappable : nullptr);
}

std::string toUtf8(std::string_view text) {
  return convert<char, wchar_t>(wideToUtf8(), toWide(text), '?', nullptr);
}

}  // namespace tavrin
