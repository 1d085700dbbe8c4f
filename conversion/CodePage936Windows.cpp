// Code page 936 through the Windows national-language API.
#include <windows.h>

#include <climits>

#include "CodePage936.h"

namespace tavrin {
namespace {

// The API takes int lengths; longer inputs go in pieces that end on a byte
// below 0x80, so that no two-byte character is split.
constexpr size_t kMaxPiece = INT_MAX / 4;

size_t pieceLength(std::string_view bytes) {
  if (bytes.size() <= kMaxPiece) return bytes.size();
  size_t end = kMaxPiece;
  while (end > 1 && static_cast<unsigned char>(bytes[end - 1]) >= 0x80) --end;
  return end;
}

std::wstring multiByteToWide(UINT codePage, DWORD flags, std::string_view bytes, bool* failed) {
  std::wstring wide;
  while (!bytes.empty()) {
    const size_t length = pieceLength(bytes);
    const int inLength = static_cast<int>(length);
    const int needed = MultiByteToWideChar(codePage, flags, bytes.data(), inLength, nullptr, 0);
    if (needed <= 0) {
      if (failed != nullptr) *failed = true;
      return {};
    }
    const size_t used = wide.size();
    wide.resize(used + static_cast<size_t>(needed));
    MultiByteToWideChar(codePage, flags, bytes.data(), inLength, wide.data() + used, needed);
    bytes.remove_prefix(length);
  }
  return wide;
}

std::string wideToMultiByte(UINT codePage, std::wstring_view wide, bool* lossy) {
  std::string bytes;
  while (!wide.empty()) {
    size_t length = wide.size() < kMaxPiece ? wide.size() : kMaxPiece;
    if (length < wide.size() && IS_HIGH_SURROGATE(wide[length - 1])) --length;
    const int inLength = static_cast<int>(length);
    // Code page 936 takes a default character; UTF-8 refuses one.
    const bool utf8 = codePage == CP_UTF8;
    BOOL usedDefault = FALSE;
    const int needed = WideCharToMultiByte(codePage, 0, wide.data(), inLength, nullptr, 0,
                                           utf8 ? nullptr : "?", utf8 ? nullptr : &usedDefault);
    if (needed <= 0) return bytes;
    const size_t used = bytes.size();
    bytes.resize(used + static_cast<size_t>(needed));
    WideCharToMultiByte(codePage, 0, wide.data(), inLength, bytes.data() + used, needed,
                        utf8 ? nullptr : "?", nullptr);
    if (usedDefault && lossy != nullptr) *lossy = true;
    wide.remove_prefix(length);
  }
  return bytes;
}

// Code page 936 has no character outside the Basic Multilingual Plane. Windows
// would write one "?" for each half of a surrogate pair; like the Linux build,
// this writes one "?" for the character.
std::wstring oneUnitPerCharacter(std::wstring_view wide, bool* lossy) {
  std::wstring units;
  units.reserve(wide.size());
  for (size_t i = 0; i < wide.size(); ++i) {
    if (IS_HIGH_SURROGATE(wide[i]) || IS_LOW_SURROGATE(wide[i])) {
      if (IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && IS_LOW_SURROGATE(wide[i + 1])) ++i;
      units.push_back(L'?');
      if (lossy != nullptr) *lossy = true;
    } else {
      units.push_back(wide[i]);
    }
  }
  return units;
}

std::string_view asText(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

std::wstring toWide(std::string_view text) {
  return multiByteToWide(kTextCodePage, 0, asText(text), nullptr);
}

Text fromWide(std::wstring_view wide) {
  const std::wstring units = oneUnitPerCharacter(wide.substr(0, wide.find(L'\0')), nullptr);
  return wideToMultiByte(kTextCodePage, units, nullptr);
}

Text fromUtf8(std::string_view utf8, Utf8Loss* loss) {
  bool invalid = false;
  std::wstring wide = multiByteToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, &invalid);
  if (invalid) {
    if (loss != nullptr) loss->invalidInput = true;
    wide = multiByteToWide(CP_UTF8, 0, utf8, nullptr);
  }
  bool* unmappable = loss ? &loss->unmappable : nullptr;
  return wideToMultiByte(kTextCodePage, oneUnitPerCharacter(wide, unmappable), unmappable);
}

std::string toUtf8(std::string_view text) {
  return wideToMultiByte(CP_UTF8, toWide(text), nullptr);
}

}  // namespace tavrin
