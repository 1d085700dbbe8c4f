#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <string_view>

#include "TextOps.h"

namespace tavrin {
namespace {

using namespace std::string_view_literals;

// Texts are given with explicit lengths ("..."sv) so that embedded zero bytes
// reach the operations; bytes of 0x80 and above begin two-byte characters.

const struct CompareCase {
  std::string_view first;
  std::string_view second;
  int expected;
} kCompareCases[] = {
    {""sv, ""sv, 0},
    {""sv, "a"sv, -1},
    {"a"sv, ""sv, 1},
    {"ab"sv, "a"sv, 1},
    {"a"sv, "b"sv, -1},
    {"\xB3"sv, "\x61"sv, 1},  // bytes compare unsigned
    {"\xB3\xA3"sv, "\xB3\xA3"sv, 0},
    {"a\0b"sv, "a"sv, 0},  // a Text ends at its first zero byte
    {"A"sv, "a"sv, -1},    // no case folding
};

TEST(CompareTextTest, OrdersBytes) {
  for (const CompareCase& c : kCompareCases) {
    SCOPED_TRACE(std::string(c.first) + " vs " + std::string(c.second));
    EXPECT_EQ(compareText(c.first, c.second), c.expected);
  }
}

TEST(TextLengthTest, CountsBytesUpToTheFirstZero) {
  EXPECT_EQ(textLength(".\xB3\xA3\xC1\xBF "sv), 6);  // ".常量 "
  EXPECT_EQ(textLength(""sv), 0);
  EXPECT_EQ(textLength("ab\0cd"sv), 2);
}

TEST(ConcatTextTest, JoinsPartsInOrder) {
  EXPECT_EQ(concatText({""sv, ""sv}), "");
  EXPECT_EQ(concatText({"a"sv, "\xB3\xA3"sv, ""sv, "b"sv}), "a\xB3\xA3" "b");
  EXPECT_EQ(concatText({"x\0y"sv, "z"sv}), "xz");
}

const struct MidCase {
  std::string_view text;
  int start;
  int count;
  std::string_view expected;
} kMidCases[] = {
    {"abc"sv, 0, 1, ""sv},
    {"abc"sv, 4, 1, ""sv},
    {"abc"sv, 2, 5, "bc"sv},
    {"abc"sv, 1, 0, ""sv},
    {"abc"sv, 1, -3, ""sv},
    {"abc"sv, -1, 2, ""sv},
    {"abc"sv, 3, INT_MAX, "c"sv},
    {"\xB3\xA3" "a"sv, 2, 2, "\xA3" "a"sv},  // may cut a two-byte character
};

TEST(MidTextTest, CutsByBytePosition) {
  for (size_t i = 0; i < std::size(kMidCases); ++i) {
    const MidCase& c = kMidCases[i];
    EXPECT_EQ(midText(c.text, c.start, c.count), c.expected) << "case " << i;
  }
}

const struct FindCase {
  std::string_view text;
  std::string_view sought;
  int start;
  bool ignoreCase;
  int expected;
} kFindCases[] = {
    {"0123456789ABCDEF"sv, "F"sv, 1, false, 16},
    {"abc"sv, "C"sv, 1, false, -1},
    {"abc"sv, "C"sv, 1, true, 3},
    {"abcabc"sv, "c"sv, 4, false, 6},
    {"abcabc"sv, "c"sv, 0, false, 3},
    {"abcabc"sv, "c"sv, -5, false, 3},
    {"abc"sv, ""sv, 2, false, 1},  // an empty sought is found at 1 wherever the start
    {"abc"sv, ""sv, 4, false, -1},
    {""sv, ""sv, 1, false, -1},
    {"abc"sv, "abcd"sv, 1, false, -1},
    {"abc"sv, "c"sv, 99, false, -1},
    // 41 is the second byte of the character B3 41: no match may begin there.
    {"\xB3\x41\x42"sv, "\x41\x42"sv, 1, false, -1},
    {"\xB3\x41\x41\x42"sv, "\x41\x42"sv, 1, false, 3},
    // Characters are counted from the start of the region: from byte 2 the
    // pair is 41 42.
    {"\xB3\x41\x42"sv, "\x41\x42"sv, 2, false, 2},
    // Case folding applies to the second byte of a pair too.
    {"\x81\x61"sv, "\x81\x41"sv, 1, true, 1},
    {"\x81\x61"sv, "\x81\x41"sv, 1, false, -1},
    {"a\x81"sv, "b"sv, 1, false, -1},  // a lone lead byte at the end
    {"ab\0c"sv, "c"sv, 1, false, -1},  // the text ends at the zero byte
    {"\xA1\xA1" "define"sv, "DEFINE"sv, 1, true, 3},
};

TEST(FindTextTest, FindsOnCharacterBoundaries) {
  for (size_t i = 0; i < std::size(kFindCases); ++i) {
    const FindCase& c = kFindCases[i];
    EXPECT_EQ(findText(c.text, c.sought, c.start, c.ignoreCase), c.expected) << "case " << i;
  }
}

TEST(UpperTextTest, UpperCasesAsciiLettersOutsideTwoByteCharacters) {
  EXPECT_EQ(upperText("aBc-z"sv), "ABC-Z");
  EXPECT_EQ(upperText("\x81\x61\x62"sv), "\x81\x61\x42");  // 81 61 is one character
  EXPECT_EQ(upperText("a\x81"sv), "A\x81");                // a lone lead byte at the end
  EXPECT_EQ(upperText("\xE0\xFF{}"sv), "\xE0\xFF{}");
  EXPECT_EQ(upperText("a\0b"sv), "A");
}

const struct ReplaceCase {
  std::string_view text;
  std::string_view find;
  std::string_view replacement;
  int start;
  std::optional<int> count;
  bool caseSensitive;
  std::string_view expected;
} kReplaceCases[] = {
    {"aLbL"sv, "L"sv, ""sv, 1, 1, true, "abL"sv},
    {"alb"sv, "L"sv, ""sv, 1, std::nullopt, false, "ab"sv},
    {"alb"sv, "L"sv, ""sv, 1, std::nullopt, true, "alb"sv},
    {"aaa"sv, "aa"sv, "b"sv, 1, std::nullopt, true, "ba"sv},
    {"aa"sv, "a"sv, "aa"sv, 1, std::nullopt, true, "aaaa"sv},  // never scanned again
    {"abab"sv, "a"sv, "x"sv, 2, std::nullopt, true, "abxb"sv},
    {"aaa"sv, "a"sv, "x"sv, 1, 0, true, "aaa"sv},
    {"aaa"sv, "a"sv, "x"sv, 1, -5, true, "xxx"sv},
    {"aaa"sv, "a"sv, "x"sv, 1, 2, true, "xxa"sv},
    {"abc"sv, ""sv, "x"sv, 1, std::nullopt, true, "abc"sv},
    {""sv, "a"sv, "x"sv, 1, std::nullopt, true, ""sv},
    {"abc"sv, "a"sv, "x"sv, 4, std::nullopt, true, "abc"sv},
    {"banana"sv, "a"sv, ""sv, 1, std::nullopt, true, "bnn"sv},
    // The L in the character B3 4C is its second byte, not a letter.
    {"\xB3L" "L"sv, "L"sv, ""sv, 1, 1, false, "\xB3L"sv},
    // A final lone lead byte is copied unchanged.
    {"a\x81"sv, "a"sv, "x"sv, 1, std::nullopt, true, "x\x81"sv},
    {"\x81"sv, "b"sv, "x"sv, 1, std::nullopt, true, "\x81"sv},
    {"ab\0a"sv, "a"sv, "x"sv, 1, std::nullopt, true, "xb"sv},
    {"a\x80" "a"sv, "a"sv, "\xB3\xA3"sv, 1, std::nullopt, true, "\xB3\xA3\x80" "a"sv},
};

TEST(ReplaceTextTest, ReplacesLeftToRight) {
  for (size_t i = 0; i < std::size(kReplaceCases); ++i) {
    const ReplaceCase& c = kReplaceCases[i];
    EXPECT_EQ(replaceText(c.text, c.find, c.replacement, c.start, c.count, c.caseSensitive),
              c.expected)
        << "case " << i;
  }
}

TEST(IntToTextTest, WritesDecimal) {
  EXPECT_EQ(intToText(0), "0");
  EXPECT_EQ(intToText(-1), "-1");
  EXPECT_EQ(intToText(INT_MIN), "-2147483648");
  EXPECT_EQ(intToText(INT_MAX), "2147483647");
  EXPECT_EQ(intToText(4132), "4132");
}

}  // namespace
}  // namespace tavrin
