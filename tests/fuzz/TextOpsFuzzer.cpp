// Each text operation against a plain reference written here from its
// contract: a result that differs is a failure, not only a crash.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "TextOps.h"

namespace {

using tavrin::Text;

std::string_view asText(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }
bool lead(char c) { return static_cast<unsigned char>(c) >= 0x80; }
char fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool equalAt(std::string_view text, size_t pos, std::string_view sought, bool foldCase) {
  for (size_t i = 0; i < sought.size(); ++i) {
    const char a = text[pos + i];
    const char b = sought[i];
    if (foldCase ? fold(a) != fold(b) : a != b) return false;
  }
  return true;
}

int refCompare(std::string_view a, std::string_view b) {
  a = asText(a);
  b = asText(b);
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

Text refMid(std::string_view text, int start, int count) {
  text = asText(text);
  if (start < 1 || static_cast<size_t>(start) > text.size() || count <= 0) return {};
  Text out;
  for (size_t i = static_cast<size_t>(start) - 1; i < text.size() && out.size() < static_cast<size_t>(count); ++i) {
    out.push_back(text[i]);
  }
  return out;
}

int refFind(std::string_view text, std::string_view sought, int start, bool ignoreCase) {
  text = asText(text);
  sought = asText(sought);
  size_t pos = start <= 1 ? 0 : static_cast<size_t>(start) - 1;
  if (pos >= text.size()) return -1;
  if (sought.empty()) return 1;
  while (pos + sought.size() <= text.size()) {
    if (equalAt(text, pos, sought, ignoreCase)) return static_cast<int>(pos + 1);
    if (lead(text[pos]) && pos + 1 == text.size()) return -1;
    pos += lead(text[pos]) ? 2 : 1;
  }
  return -1;
}

Text refUpper(std::string_view text) {
  text = asText(text);
  Text out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    if (lead(out[i])) {
      ++i;
    } else if (out[i] >= 'a' && out[i] <= 'z') {
      out[i] = static_cast<char>(out[i] - 32);
    }
  }
  return out;
}

Text refReplace(std::string_view text, std::string_view find, std::string_view with, int start,
                bool hasCount, int count, bool caseSensitive) {
  text = asText(text);
  find = asText(find);
  with = asText(with);
  size_t pos = start <= 1 ? 0 : static_cast<size_t>(start) - 1;
  if (text.empty() || find.empty() || pos >= text.size() || (hasCount && count == 0)) {
    return Text(text);
  }
  Text out(text.substr(0, pos));
  int left = hasCount && count > 0 ? count : -1;
  while (pos + find.size() <= text.size()) {
    if (equalAt(text, pos, find, !caseSensitive)) {
      out.append(with);
      pos += find.size();
      if (left > 0 && --left == 0) break;
    } else if (lead(text[pos]) && pos + 1 < text.size()) {
      out.append(text.substr(pos, 2));
      pos += 2;
    } else {
      out.push_back(text[pos++]);
    }
  }
  out.append(text.substr(pos));
  return out;
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int start = input.ConsumeIntegralInRange<int>(-3, 40);
  const int count = input.ConsumeIntegralInRange<int>(-3, 40);
  const bool flag = input.ConsumeBool();
  const bool hasCount = input.ConsumeBool();
  const std::string a = input.ConsumeRandomLengthString(64);
  const std::string b = input.ConsumeRandomLengthString(8);
  const std::string c = input.ConsumeRemainingBytesAsString();

  check(tavrin::compareText(a, c) == refCompare(a, c));
  check(tavrin::textLength(c) == static_cast<int>(asText(c).size()));
  check(tavrin::concatText({a, b, c}) ==
        std::string(asText(a)) + std::string(asText(b)) + std::string(asText(c)));
  check(tavrin::midText(c, start, count) == refMid(c, start, count));
  check(tavrin::findText(c, b, start, flag) == refFind(c, b, start, flag));
  check(tavrin::upperText(c) == refUpper(c));
  const std::optional<int> given = hasCount ? std::optional<int>(count) : std::nullopt;
  check(tavrin::replaceText(c, b, a, start, given, flag) ==
        refReplace(c, b, a, start, hasCount, count, flag));
  return 0;
}
