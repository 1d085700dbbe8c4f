#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "ConstantConverter.h"
#include "SampleDefines.h"
#include "TestEngines.h"

namespace tavrin {
namespace {

using namespace std::string_view_literals;
using test_support::TestEngine;

// One declaration line: .常量 NAME, "VALUE" CR LF.
std::string line(std::string_view name, std::string_view value) {
  return ".\xB3\xA3\xC1\xBF " + std::string(name) + ", \"" + std::string(value) + "\"\r\n";
}

class ConvertVcToETest : public ::testing::TestWithParam<TestEngine> {
 protected:
  Text convert(std::string_view source) const { return convertVcToE(source, *GetParam().engine); }
};

TEST_P(ConvertVcToETest, ConvertsTheSample) {
  const Text result = convert(kSampleDefines);
  EXPECT_EQ(result, line("MB_OK", "0") + line("MB_OKCANCEL", "1") +
                        line("MB_ABORTRETRYIGNORE", "2") + line("MB_YESNOCANCEL", "3") +
                        line("MB_YESNO", "4") + line("MB_RETRYCANCEL", "5"));
  EXPECT_EQ(result.size(), 149u);
}

const struct ConvertCase {
  std::string_view source;
  std::string expected;
} kConvertCases[] = {
    {""sv, ""},
    {"int x;"sv, ""},
    {"#DEFINE Y 0x10"sv, line("Y", "16")},
    {"#define Mb_Ok 0x0"sv, line("Mb_Ok", "0")},  // the name keeps its case
    {"#define\tZ 1"sv, ""},
    {"#define  Z 1"sv, ""},
    {"#define A 1 #define B 2"sv, line("A", "1") + line("B", "2")},
    {"#define A 0x1 // one"sv, line("A", "1")},
    {"#define FOO\r\n   0x5"sv, line("FOO", "5")},
    // The value of FOO is the word #define of the next line; BAR is lost.
    {"#define FOO\r\n#define BAR 0x1"sv, line("FOO", "0")},
    {"#define FOO"sv, ""},
    {"#define WM_USER 0x0400"sv, line("WM_USER", "1024")},
    {"#define N 0x1\r\n#define N 0x1L"sv, line("N", "1") + line("N", "1")},
    {"#define X 0x1fl"sv, line("X", "31")},
    {"#define X 1024"sv, line("X", "4132")},  // every value is read as hexadecimal
    {"#define X 10L"sv, line("X", "16")},
    {"#define X 0xFFFFFFFFL"sv, line("X", "-1")},
    {"#define X 0x80000000L"sv, line("X", "-2147483648")},
    {"#define X 0x7fffffff"sv, line("X", "2147483647")},
    {"#define X 0x100000000"sv, line("X", "0")},
    {"#define X 10U"sv, line("X", "16")},
    {"#define X 0x10UL"sv, line("X", "16")},
    {"#define X (-1)"sv, line("X", "0")},
    {"#define X 0x1LL"sv, line("X", "1")},  // the first L goes, the second ends the digits
    {"#define \xB3\xA3 0XaB"sv, line("\xB3\xA3", "171")},
    {"#define LL 1L"sv, line("LL", "1")},  // the name is never cleaned
    {"#define A 1\0#define B 2"sv, line("A", "1")},  // a Text ends at its zero byte
};

TEST_P(ConvertVcToETest, ConvertsEachDefinition) {
  for (const ConvertCase& c : kConvertCases) {
    SCOPED_TRACE(std::string(c.source));
    EXPECT_EQ(convert(c.source), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, ConvertVcToETest,
                         ::testing::ValuesIn(test_support::testEngines()),
                         test_support::engineName);

TEST(ConvertDefinitionsTest, PatternWithoutGroupsWritesPrefixAndLineEnd) {
  EXPECT_EQ(convertDefinitions("ab ab", "ab"), ".\xB3\xA3\xC1\xBF \r\n.\xB3\xA3\xC1\xBF \r\n");
}

TEST(ConvertDefinitionsTest, ValueGroupTheMatchDoesNotHaveConvertsNoGroup) {
  EXPECT_EQ(convertDefinitions("#define A 0x1", kDefinePattern, 3), ".\xB3\xA3\xC1\xBF A0x1\r\n");
  EXPECT_EQ(convertDefinitions("#define A 0x1", kDefinePattern, -1), ".\xB3\xA3\xC1\xBF A0x1\r\n");
}

TEST(ConvertDefinitionsTest, ValueGroupOneConvertsTheName) {
  EXPECT_EQ(convertDefinitions("#define 1F 0x1", kDefinePattern, 1),
            ".\xB3\xA3\xC1\xBF , \"31\"0x1\r\n");
}

TEST(ConvertDefinitionsTest, PrefixAndLineEnd) {
  EXPECT_EQ(convertDefinitions("#define A 2", kDefinePattern, 0, "", ""), line("A", "2"));
  EXPECT_EQ(convertDefinitions("#define A 2 #define B 3", kDefinePattern, 2, "const ", ";\n"),
            "const A, \"2\";\nconst B, \"3\";\n");
}

TEST(ConvertDefinitionsTest, RejectedPatternGivesNothing) {
  EXPECT_EQ(convertDefinitions("#define A 2", "(#define"), "");
}

TEST(ConvertDefinitionsTest, EveryMatchOfALargeSourceGivesALine) {
  std::string source;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string name = std::string("N").append(std::to_string(i));
    const std::string digit = std::to_string(i % 10);
    source.append("#define ").append(name).append(" 0x").append(digit).append("\r\n");
    expected.append(line(name, digit));
  }
  EXPECT_EQ(convertVcToE(source), expected);
}

const struct BatchCase {
  std::string_view text;
  std::optional<int> count;
  int start;
  bool caseSensitive;
  std::string_view expected;
} kBatchCases[] = {
    {"aXbXc"sv, 0, 1, false, "aXbXc"sv},  // a given 0 replaces nothing
    {"aXbxc"sv, std::nullopt, 1, false, "a-b-c"sv},
    {"aXbxc"sv, std::nullopt, 1, true, "a-bxc"sv},
    {"aXbXc"sv, 1, 1, false, "a-bXc"sv},
    {"aXbXc"sv, std::nullopt, 3, false, "aXb-c"sv},
    {"aXbXc"sv, std::nullopt, 0, false, "a-b-c"sv},  // a start of 0 means 1
    {"aXbXc"sv, std::nullopt, 9, false, "aXbXc"sv},
};

TEST(ReplaceBatchTest, AppliesOnePair) {
  for (size_t i = 0; i < std::size(kBatchCases); ++i) {
    const BatchCase& c = kBatchCases[i];
    EXPECT_EQ(replaceBatch(c.text, c.count, c.start, c.caseSensitive, {{"X", "-"}}), c.expected)
        << "case " << i;
  }
}

TEST(ReplaceBatchTest, AppliesPairsInTurnEachCountedAnew) {
  // The second pair works on the result of the first; an empty find is no pair.
  EXPECT_EQ(replaceBatch("abcabc", 1, 1, true, {{"a", "b"}, {"b", "c"}, {"", "z"}, {"c", ""}}),
            "bcabc");
  EXPECT_EQ(replaceBatch("0x1fL", 1, 1, false, {{"L", ""}}), "0x1f");
}

const struct HexCase {
  std::string_view text;
  int expected;
} kHexCases[] = {
    {""sv, 0},
    {"ff"sv, 255},
    {"FF"sv, 255},
    {"0"sv, 0},
    {"7FFFFFFF"sv, 2147483647},
    {"80000000"sv, -2147483647 - 1},
    {"FFFFFFFF"sv, -1},
    {"100000000"sv, 0},  // only the last eight digits count
    {"123456789"sv, 0x23456789},
    {"10U"sv, 16},  // reading stops at the first byte that is no digit
    {"#define"sv, 0},
    {"x1"sv, 0},
    {"G"sv, 0},
    {"-1"sv, 0},
    {"1\xB3\xA3"sv, 1},
    {"\xC1\x41"sv, 0},  // 41 is the second byte of a character, not the digit A
    {"a\0b"sv, 10},
};

TEST(HexToIntTest, ReadsLeadingHexadecimalDigits) {
  for (const HexCase& c : kHexCases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(hexToInt(c.text), c.expected);
  }
}

}  // namespace
}  // namespace tavrin
