// Character rules for the portable engine that do not depend on the C library.
//
// Boost's own traits ask the C library which characters are white space,
// digits and word characters, and how case folds. That differs between builds:
// the Windows runtime counts U+00A0, U+2028 and the full-width space U+3000 as
// white space, glibc's "C" locale does not. VBScript.RegExp has fixed rules, so
// these traits fix them too:
//   \s  the six ASCII white-space characters (space, \t, \n, \v, \f, \r)
//   \d  0-9
//   \w  A-Z, a-z, 0-9 and _   (so \b is an ASCII word boundary)
//   case folding: A-Z and a-z only
// Every other class name keeps Boost's meaning.
#pragma once

#include <boost/regex.hpp>

#include <string>

namespace tavrin::internal {

class AsciiRegexTraits : public boost::regex_traits<wchar_t> {
  using Base = boost::regex_traits<wchar_t>;

 public:
  // Bits that the base traits leave unused (they use the C library's masks,
  // below bit 16, and bits 24 to 28).
  static constexpr char_class_type kSpace = 1u << 29;
  static constexpr char_class_type kDigit = 1u << 30;
  static constexpr char_class_type kWord = 1u << 31;

  static bool isAsciiSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
  static bool isAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
  static bool isAsciiWord(wchar_t c) {
    return isAsciiDigit(c) || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_';
  }

  // Boost asks for \S by the name "S": names are looked up without regard to
  // case, as Boost's own traits do.
  char_class_type lookup_classname(const wchar_t* first, const wchar_t* last) const {
    std::wstring name(first, last);
    for (wchar_t& c : name) c = tolower(c);
    if (name == L"s" || name == L"space") return kSpace;
    if (name == L"d" || name == L"digit") return kDigit;
    if (name == L"w" || name == L"word") return kWord;
    return Base::lookup_classname(first, last);
  }

  bool isctype(wchar_t c, char_class_type mask) const {
    if ((mask & kSpace) && isAsciiSpace(c)) return true;
    if ((mask & kDigit) && isAsciiDigit(c)) return true;
    if ((mask & kWord) && isAsciiWord(c)) return true;
    mask &= ~(kSpace | kDigit | kWord);
    return mask != 0 && Base::isctype(c, mask);
  }

  wchar_t translate(wchar_t c, bool icase) const { return icase ? translate_nocase(c) : c; }
  wchar_t translate_nocase(wchar_t c) const { return tolower(c); }
  wchar_t tolower(wchar_t c) const { return (c >= L'A' && c <= L'Z') ? c + 32 : c; }
  wchar_t toupper(wchar_t c) const { return (c >= L'a' && c <= L'z') ? c - 32 : c; }
};

}  // namespace tavrin::internal
