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
#include <type_traits>

namespace tavrin::internal {

// For wide strings, and for narrow ones that hold ASCII alone.
template <typename Char>
class AsciiRegexTraits : public boost::regex_traits<Char> {
  using Base = boost::regex_traits<Char>;

 public:
  using typename Base::char_class_type;

  // Bits that the base traits leave unused (they use the C library's masks,
  // below bit 16, and bits 24 to 28).
  static constexpr char_class_type kSpace = 1u << 29;
  static constexpr char_class_type kDigit = 1u << 30;
  static constexpr char_class_type kWord = 1u << 31;

  static bool isAsciiSpace(Char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
  static bool isAsciiDigit(Char c) { return c >= '0' && c <= '9'; }
  static bool isAsciiWord(Char c) {
    return isAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
  }

  // Boost asks for \S by the name "S": names are looked up without regard to
  // case, as Boost's own traits do.
  char_class_type lookup_classname(const Char* first, const Char* last) const {
    std::string name;
    for (const Char* c = first; c != last; ++c) {
      const auto unit = static_cast<std::make_unsigned_t<Char>>(*c);
      name.push_back(unit < 0x80 ? static_cast<char>(tolower(*c)) : '\x80');
    }
    if (name == "s" || name == "space") return kSpace;
    if (name == "d" || name == "digit") return kDigit;
    if (name == "w" || name == "word") return kWord;
    return Base::lookup_classname(first, last);
  }

  bool isctype(Char c, char_class_type mask) const {
    if ((mask & kSpace) && isAsciiSpace(c)) return true;
    if ((mask & kDigit) && isAsciiDigit(c)) return true;
    if ((mask & kWord) && isAsciiWord(c)) return true;
    mask &= ~(kSpace | kDigit | kWord);
    return mask != 0 && Base::isctype(c, mask);
  }

  Char translate(Char c, bool icase) const { return icase ? translate_nocase(c) : c; }
  Char translate_nocase(Char c) const { return tolower(c); }
  Char tolower(Char c) const { return (c >= 'A' && c <= 'Z') ? static_cast<Char>(c + 32) : c; }
  Char toupper(Char c) const { return (c >= 'a' && c <= 'z') ? static_cast<Char>(c - 32) : c; }
};

}  // namespace tavrin::internal
