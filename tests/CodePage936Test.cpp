#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "CodePage936.h"

namespace tavrin {
namespace {

using namespace std::string_view_literals;

const struct RoundTripCase {
  std::string_view text;
  std::wstring_view wide;
} kRoundTripCases[] = {
    {""sv, L""sv},
    {"#define A 1\r\n"sv, L"#define A 1\r\n"sv},
    {".\xB3\xA3\xC1\xBF "sv, L".\u5E38\u91CF "sv},  // ".常量 "
    {"\xA1\xA1"sv, L"\u3000"sv},                    // the full-width space
    {"\xA3\xBA"sv, L"\uFF1A"sv},                    // the full-width colon
    {"\xB4\xED\xCE\xF3"sv, L"\u9519\u8BEF"sv},      // "错误"
};

TEST(CodePage936Test, ConvertsBothWays) {
  for (const RoundTripCase& c : kRoundTripCases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(toWide(c.text), c.wide);
    EXPECT_EQ(fromWide(c.wide), c.text);
  }
}

TEST(CodePage936Test, OneWideCharacterPerCharacter) {
  // Positions in the engines' strings count characters, whatever the build.
  EXPECT_EQ(toWide("a\xB3\xA3" "b\xA1\xA1"sv).size(), 4u);
}

TEST(CodePage936Test, ATextEndsAtItsFirstZeroByte) {
  EXPECT_EQ(toWide("ab\0cd"sv), L"ab");
  EXPECT_EQ(fromWide(L"ab\0cd"sv), "ab");
}

TEST(CodePage936Test, CharactersTheCodePageLacksBecomeQuestionMarks) {
  EXPECT_EQ(fromWide(L"a\u05D0b\u0E01c"sv), "a?b?c");  // Hebrew and Thai
}

TEST(CodePage936Test, InvalidBytesNeverStopTheConversion) {
  // A lead byte with no second byte, and bytes that no character starts with:
  // whatever each becomes, the text around them survives.
  const std::wstring wide = toWide("ab\x81"sv);
  ASSERT_GE(wide.size(), 2u);
  EXPECT_EQ(wide.substr(0, 2), L"ab");
  const std::wstring middle = toWide("x\xFFy"sv);
  EXPECT_EQ(middle.front(), L'x');
  EXPECT_EQ(middle.back(), L'y');
}

TEST(CodePage936Test, Utf8BothWays) {
  Utf8Loss loss;
  EXPECT_EQ(fromUtf8("#define \xE5\xB8\xB8 1"sv, &loss), "#define \xB3\xA3 1");  // 常
  EXPECT_FALSE(loss.invalidInput);
  EXPECT_FALSE(loss.unmappable);
  EXPECT_EQ(toUtf8(".\xB3\xA3\xC1\xBF "sv), ".\xE5\xB8\xB8\xE9\x87\x8F ");
}

TEST(CodePage936Test, Utf8LossIsReported) {
  Utf8Loss emoji;
  EXPECT_EQ(fromUtf8("a\xF0\x9F\x98\x80" "b"sv, &emoji), "a?b");
  EXPECT_FALSE(emoji.invalidInput);
  EXPECT_TRUE(emoji.unmappable);

  Utf8Loss invalid;
  const Text text = fromUtf8("a\xC3" "b"sv, &invalid);
  EXPECT_TRUE(invalid.invalidInput);
  EXPECT_EQ(text.front(), 'a');
  EXPECT_EQ(text.back(), 'b');
}

}  // namespace
}  // namespace tavrin
