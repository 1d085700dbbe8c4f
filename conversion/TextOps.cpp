#include "TextOps.h"

#include <cstring>

namespace tavrin {
namespace {

// A Text ends at its first zero byte.
std::string_view asText(std::string_view bytes) {
  if (bytes.empty()) return bytes;  // its data() may be null, which memchr must not see
  const void* zero = std::memchr(bytes.data(), 0, bytes.size());
  return zero == nullptr ? bytes
                         : bytes.substr(0, static_cast<const char*>(zero) - bytes.data());
}

bool isLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

char foldAscii(char byte) { return (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte + 32) : byte; }

bool bytesEqual(const char* a, std::string_view b, bool foldCase) {
  if (!foldCase) return std::memcmp(a, b.data(), b.size()) == 0;
  for (size_t i = 0; i < b.size(); ++i) {
    if (foldAscii(a[i]) != foldAscii(b[i])) return false;
  }
  return true;
}

// The 0-based index at which a region that begins at 1-based `start` begins.
size_t regionBegin(int start) { return start <= 1 ? 0 : static_cast<size_t>(start) - 1; }

}  // namespace

int compareText(std::string_view first, std::string_view second) {
  first = asText(first);
  second = asText(second);
  const size_t common = first.size() < second.size() ? first.size() : second.size();
  // memcmp compares unsigned bytes; an empty text may have no data() at all.
  const int bytes = common == 0 ? 0 : std::memcmp(first.data(), second.data(), common);
  if (bytes != 0) return bytes < 0 ? -1 : 1;
  if (first.size() == second.size()) return 0;
  return first.size() < second.size() ? -1 : 1;
}

int textLength(std::string_view text) { return static_cast<int>(asText(text).size()); }

Text concatText(std::initializer_list<std::string_view> parts) {
  size_t total = 0;
  for (std::string_view part : parts) total += asText(part).size();
  Text result;
  result.reserve(total);
  for (std::string_view part : parts) result.append(asText(part));
  return result;
}

Text midText(std::string_view text, int start, int count) {
  text = asText(text);
  if (start < 1 || static_cast<size_t>(start) > text.size() || count <= 0) return {};
  return Text(text.substr(static_cast<size_t>(start) - 1, static_cast<size_t>(count)));
}

int findText(std::string_view text, std::string_view sought, int start, bool ignoreCase) {
  text = asText(text);
  sought = asText(sought);
  size_t pos = regionBegin(start);
  if (pos >= text.size()) return -1;
  if (sought.empty()) return 1;
  while (text.size() - pos >= sought.size()) {
    if (bytesEqual(text.data() + pos, sought, ignoreCase)) return static_cast<int>(pos) + 1;
    if (isLeadByte(text[pos])) {
      if (pos + 1 == text.size()) return -1;
      pos += 2;
    } else {
      pos += 1;
    }
  }
  return -1;
}

Text upperText(std::string_view text) {
  text = asText(text);
  Text result(text);
  for (size_t i = 0; i < result.size(); ++i) {
    if (isLeadByte(result[i])) {
      ++i;  // the pair is one character; neither byte changes
    } else if (result[i] >= 'a' && result[i] <= 'z') {
      result[i] = static_cast<char>(result[i] - 32);
    }
  }
  return result;
}

Text replaceText(std::string_view text, std::string_view find, std::string_view replacement,
                 int start, std::optional<int> count, bool caseSensitive) {
  text = asText(text);
  find = asText(find);
  replacement = asText(replacement);
  const size_t begin = regionBegin(start);
  if (text.empty() || find.empty() || begin >= text.size() || count == 0) return Text(text);

  int remaining = count.value_or(-1);  // negative: no limit
  Text result;
  result.reserve(text.size());
  size_t copied = 0;  // text[0, copied) is in the result
  size_t pos = begin;
  const char first = caseSensitive ? find[0] : foldAscii(find[0]);
  while (text.size() - pos >= find.size()) {
    const char here = caseSensitive ? text[pos] : foldAscii(text[pos]);
    if (here == first && bytesEqual(text.data() + pos, find, !caseSensitive)) {
      result.append(text.substr(copied, pos - copied)).append(replacement);
      pos += find.size();
      copied = pos;
      if (remaining > 0 && --remaining == 0) break;
      continue;
    }
    // A lead byte takes its second byte along; a final lone lead byte is
    // simply copied.
    pos += (isLeadByte(text[pos]) && pos + 1 < text.size()) ? 2 : 1;
  }
  result.append(text.substr(copied));
  return result;
}

Text intToText(std::int32_t value) { return std::to_string(value); }

}  // namespace tavrin
