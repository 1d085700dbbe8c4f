// The matcher's tests run against every engine of the build: the portable one,
// the default engine where VBScript.RegExp is missing, and VBScript.RegExp
// itself on Windows.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ConstantConverter.h"
#include "RegexMatcher.h"
#include "SampleDefines.h"
#include "TestEngines.h"

namespace tavrin {
namespace {

using namespace std::string_view_literals;
using test_support::TestEngine;

class RegexMatcherTest : public ::testing::TestWithParam<TestEngine> {
 protected:
  const RegexEngine& engine() const { return *GetParam().engine; }
};

TEST_P(RegexMatcherTest, ReadsTheSampleDefinitions) {
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run(kDefinePattern, kSampleDefines));
  EXPECT_EQ(matcher.matchCount(), 6);
  EXPECT_EQ(matcher.groupCount(), 2);
  EXPECT_EQ(matcher.groupText(1, 1), "MB_OK");
  EXPECT_EQ(matcher.groupText(1, 2), "0x00000000L");
  EXPECT_EQ(matcher.groupText(6, 1), "MB_RETRYCANCEL");
  EXPECT_EQ(matcher.groupText(6, 2), "0x00000005L");
  EXPECT_EQ(matcher.matchText(1), "#define MB_OK" + std::string(23, ' ') + "0x00000000L");
  int position = 0;
  EXPECT_EQ(matcher.matchText(2, &position).size(), 47u);
  EXPECT_EQ(position, 49);
  EXPECT_EQ(matcher.getPattern(), kDefinePattern);
}

TEST_P(RegexMatcherTest, IndicesOutsideTheCountsGiveEmptyTexts) {
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run(kDefinePattern, kSampleDefines));
  EXPECT_EQ(matcher.matchText(0), "");
  EXPECT_EQ(matcher.matchText(7), "");
  EXPECT_EQ(matcher.matchText(-1), "");
  EXPECT_EQ(matcher.groupText(1, 0), "");
  EXPECT_EQ(matcher.groupText(1, 3), "");
  EXPECT_EQ(matcher.groupText(7, 1), "");
  int position = 0;
  EXPECT_EQ(matcher.matchText(9, &position), "");
  EXPECT_EQ(position, -2);
}

const struct MatchCase {
  const char* label;
  std::string_view subject;
  bool caseSensitive;
  int matches;
  std::string_view name;
  std::string_view value;
} kDefineCases[] = {
    {"upper-case directive", "#DEFINE X 1"sv, false, 1, "X"sv, "1"sv},
    {"case-sensitive run", "#DEFINE X 1"sv, true, 0, ""sv, ""sv},
    {"value across a line end", "#define A\r\n#define B 1"sv, false, 1, "A"sv, "#define"sv},
    {"empty subject", ""sv, false, 0, ""sv, ""sv},
    {"tab after define", "#define\tZ 1"sv, false, 0, ""sv, ""sv},
    {"two spaces after define", "#define  Z 1"sv, false, 0, ""sv, ""sv},
    // A two-byte character is one \S character.
    {"two-byte name", "#define \xB3\xA3\xC1\xBF 0x10"sv, false, 1, "\xB3\xA3\xC1\xBF"sv, "0x10"sv},
    {"vertical tab and form feed", "#define A\v\f 7"sv, false, 1, "A"sv, "7"sv},
    {"comment after the value", "#define A 0x1 // one"sv, false, 1, "A"sv, "0x1"sv},
    {"definition inside a comment", "/* #define C 2 */"sv, false, 1, "C"sv, "2"sv},
};

TEST_P(RegexMatcherTest, MatchesTheDefinePattern) {
  for (const MatchCase& c : kDefineCases) {
    SCOPED_TRACE(c.label);
    RegexMatcher matcher(engine());
    EXPECT_TRUE(matcher.run(kDefinePattern, c.subject, c.caseSensitive));
    ASSERT_EQ(matcher.matchCount(), c.matches);
    EXPECT_EQ(matcher.groupCount(), c.matches > 0 ? 2 : 0);
    EXPECT_EQ(matcher.groupText(1, 1), c.name);
    EXPECT_EQ(matcher.groupText(1, 2), c.value);
  }
}

TEST_P(RegexMatcherTest, FullWidthSpaceIsNotWhiteSpace) {
  if (GetParam().name == "vbscript" && test_support::runningUnderWine()) {
    // Wine's VBScript.RegExp counts U+3000 as \s; Windows' does not.
    GTEST_SKIP() << "Wine's \\s differs from Windows' for U+3000";
  }
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run(kDefinePattern, "#define A\xA1\xA1" "B 1"sv));
  ASSERT_EQ(matcher.matchCount(), 1);
  EXPECT_EQ(matcher.groupText(1, 1), "A\xA1\xA1" "B");
  EXPECT_EQ(matcher.groupText(1, 2), "1");
}

const struct ClassCase {
  std::string_view pattern;
  std::string_view subject;
  int matches;
} kAsciiClassCases[] = {
    {R"(\s)"sv, "\xA1\xA1"sv, 0},  // the full-width space U+3000
    {R"(\S)"sv, "\xA1\xA1"sv, 1},
    {R"([\s])"sv, "\xA1\xA1"sv, 0},
    {R"([^\s])"sv, "\xA1\xA1"sv, 1},
    {R"(\s)"sv, " \t\n\v\f\r"sv, 6},
    {R"(\d)"sv, "\xA3\xB1"sv, 0},  // the full-width digit 1
    {R"(\w)"sv, "\xB3\xA3"sv, 0},  // 常 is no word character
    {R"(\W)"sv, "\xB3\xA3"sv, 1},
    {R"(\w+)"sv, "a_1 b"sv, 2},
    {R"(\bb)"sv, "\xB3\xA3" "b"sv, 1},
};

TEST_P(RegexMatcherTest, CharacterClassesAreAscii) {
  if (GetParam().name == "vbscript" && test_support::runningUnderWine()) {
    // Wine's VBScript.RegExp asks Unicode tables what \s, \d and \w hold;
    // Windows' keeps to ASCII.
    GTEST_SKIP() << "Wine's character classes differ from Windows'";
  }
  for (const ClassCase& c : kAsciiClassCases) {
    SCOPED_TRACE(std::string(c.pattern) + " over " + std::string(c.subject));
    RegexMatcher matcher(engine());
    ASSERT_TRUE(matcher.run(c.pattern, c.subject));
    EXPECT_EQ(matcher.matchCount(), c.matches);
  }
}

TEST_P(RegexMatcherTest, RejectedPatternRunsFalseButKeepsThePattern) {
  RegexMatcher matcher(engine());
  EXPECT_FALSE(matcher.run("(", "abc"));
  EXPECT_EQ(matcher.matchCount(), 0);
  EXPECT_EQ(matcher.groupCount(), 0);
  EXPECT_EQ(matcher.matchText(1), "");
  EXPECT_EQ(matcher.getPattern(), "(");
}

TEST_P(RegexMatcherTest, NothingBeforeTheFirstRun) {
  const RegexMatcher matcher(engine());
  EXPECT_EQ(matcher.matchCount(), 0);
  EXPECT_EQ(matcher.groupCount(), 0);
  EXPECT_EQ(matcher.getPattern(), "");
  EXPECT_EQ(matcher.replaceMatches("x"), "");
  EXPECT_EQ(matcher.matchText(1), "");
}

TEST_P(RegexMatcherTest, GroupThatTookNoPartIsEmpty) {
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run("(a)|(b)", "b"));
  EXPECT_EQ(matcher.groupCount(), 2);
  EXPECT_EQ(matcher.groupText(1, 1), "");
  EXPECT_EQ(matcher.groupText(1, 2), "b");
}

TEST_P(RegexMatcherTest, SecondRunLeavesNothingOfTheFirst) {
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run(kDefinePattern, kSampleDefines));
  ASSERT_TRUE(matcher.run("(x)(y)(z)", "XYZ xyz", true));
  EXPECT_EQ(matcher.matchCount(), 1);
  EXPECT_EQ(matcher.groupCount(), 3);
  EXPECT_EQ(matcher.matchText(1), "xyz");
  EXPECT_EQ(matcher.groupText(2, 1), "");
  EXPECT_EQ(matcher.getPattern(), "(x)(y)(z)");
  EXPECT_EQ(matcher.replaceMatches("-"), "XYZ -");
}

TEST_P(RegexMatcherTest, OptionsOfTheRun) {
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run("a", "aAa", false, true, false));  // not global
  EXPECT_EQ(matcher.matchCount(), 1);
  ASSERT_TRUE(matcher.run("a", "aAa"));  // case-insensitive and global by default
  EXPECT_EQ(matcher.matchCount(), 3);
  ASSERT_TRUE(matcher.run("^b", "a\nb", false, false));  // ^ only at the start
  EXPECT_EQ(matcher.matchCount(), 0);
  ASSERT_TRUE(matcher.run("^b", "a\nb"));  // multi-line by default
  EXPECT_EQ(matcher.matchCount(), 1);
  ASSERT_TRUE(matcher.run("a.b", "a\nb"));  // never single-line
  EXPECT_EQ(matcher.matchCount(), 0);
}

TEST_P(RegexMatcherTest, GreedyRepeatsBacktrack) {
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run(R"((\S+)x)", "abxcx d"));
  ASSERT_EQ(matcher.matchCount(), 1);
  EXPECT_EQ(matcher.groupText(1, 1), "abxc");
}

TEST_P(RegexMatcherTest, BytePositionsCountTwoByteCharacters) {
  // 常 is one character for the engine and two bytes for a Text.
  const std::string_view subject = "\xB3\xA3 #define a \xC1\xBF" "A"sv;
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run("#define (\\S+) (\\S+)", subject, true));
  int position = -1;
  EXPECT_EQ(matcher.matchText(1, &position), "#define a \xC1\xBF" "A");
  EXPECT_EQ(position, 3);
  EXPECT_EQ(matcher.groupText(1, 1, &position), "a");
  EXPECT_EQ(position, 11);
  // A group that begins with a two-byte character.
  EXPECT_EQ(matcher.groupText(1, 2, &position), "\xC1\xBF" "A");
  EXPECT_EQ(position, 13);
}

TEST_P(RegexMatcherTest, BytePositionsInAnyOrder) {
  // Each two-byte character moves the later matches one byte further than
  // the engine counts.
  const std::string_view subject = "\xB3\xA3 a1 \xC1\xBF b2 \xB3\xA3\xC1\xBF c3"sv;
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run(R"([a-c]\d)", subject));
  ASSERT_EQ(matcher.matchCount(), 3);
  const int expected[] = {3, 9, 17};
  for (int i : {2, 1, 3, 3, 1}) {
    int position = -1;
    EXPECT_EQ(matcher.matchText(i, &position).size(), 2u);
    EXPECT_EQ(position, expected[i - 1]) << "match " << i;
  }
}

TEST_P(RegexMatcherTest, GroupPositionFollowsTheExpressionsCaseRule) {
  RegexMatcher matcher(engine());
  // Distinguishing case, the X of the value is not the x of the name.
  ASSERT_TRUE(matcher.run("#define (\\S+) (\\S+)", "#define x X", true));
  int position = -1;
  EXPECT_EQ(matcher.groupText(1, 2, &position), "X");
  EXPECT_EQ(position, 10);
}

TEST_P(RegexMatcherTest, ReplacesMatchesOfTheLastSubject) {
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run(R"((\S+)=(\S+))", "a=b c=d"));
  EXPECT_EQ(matcher.replaceMatches("$2=$1"), "b=a d=c");
  ASSERT_TRUE(matcher.run("b", "abc"));
  EXPECT_EQ(matcher.replaceMatches("[$&]"), "a[b]c");
}

TEST_P(RegexMatcherTest, CloneSharesTheResults) {
  std::unique_ptr<RegexMatcher> copy;
  {
    RegexMatcher matcher(engine());
    ASSERT_TRUE(matcher.run(kDefinePattern, kSampleDefines));
    copy = matcher.clone();
  }
  EXPECT_EQ(copy->matchCount(), 6);
  EXPECT_EQ(copy->groupText(3, 1), "MB_ABORTRETRYIGNORE");
  EXPECT_EQ(copy->getPattern(), kDefinePattern);
  EXPECT_EQ(copy->replaceMatches("-").substr(0, 3), "-\r\n");
}

TEST_P(RegexMatcherTest, LongTokenAndLongWhiteSpace) {
  const std::string token(1 << 20, 'A');
  const std::string space(1 << 20, ' ');
  RegexMatcher matcher(engine());
  ASSERT_TRUE(matcher.run(kDefinePattern, "#define " + token + space + "0x1 #define B 2"));
  ASSERT_EQ(matcher.matchCount(), 2);
  EXPECT_EQ(matcher.groupText(1, 1), token);
  EXPECT_EQ(matcher.groupText(1, 2), "0x1");
  EXPECT_EQ(matcher.groupText(2, 1), "B");
}

TEST(PortableRegexEngineTest, OnlyAsciiLettersHaveACase) {
  // Full-width Ａ and ａ (A3 C1, A3 E1) are different characters to a Text.
  RegexMatcher matcher(portableRegexEngine());
  ASSERT_TRUE(matcher.run("\xA3\xC1", "\xA3\xE1 \xA3\xC1"));
  EXPECT_EQ(matcher.matchCount(), 1);
  ASSERT_TRUE(matcher.run("DEFINE", "define"));
  EXPECT_EQ(matcher.matchCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, RegexMatcherTest,
                         ::testing::ValuesIn(test_support::testEngines()),
                         test_support::engineName);

// An engine that counts the expressions it is asked for.
class CountingEngine final : public RegexEngine {
 public:
  std::shared_ptr<RegexExpression> createExpression() const override {
    ++created;
    return portableRegexEngine().createExpression();
  }
  mutable int created = 0;
};

TEST(RegexMatcherFallbackTest, MissingEngineAnswersNothing) {
  RegexMatcher matcher(test_support::missingRegexEngine());
  EXPECT_FALSE(matcher.run(kDefinePattern, kSampleDefines));
  EXPECT_EQ(matcher.matchCount(), 0);
  EXPECT_EQ(matcher.groupText(1, 1), "");
  EXPECT_EQ(matcher.getPattern(), "");
  EXPECT_EQ(matcher.replaceMatches("x"), "");
}

TEST(RegexMatcherFallbackTest, OnlyAFailedCreationSwitchesEngines) {
  const CountingEngine second;
  const FallbackRegexEngine missingFirst(test_support::missingRegexEngine(), second);
  RegexMatcher matcher(missingFirst);
  EXPECT_TRUE(matcher.run(kDefinePattern, kSampleDefines));
  EXPECT_EQ(matcher.matchCount(), 6);
  EXPECT_EQ(second.created, 1);

  const CountingEngine never;
  const FallbackRegexEngine workingFirst(portableRegexEngine(), never);
  RegexMatcher rejecting(workingFirst);
  EXPECT_FALSE(rejecting.run("(", "abc"));  // rejected, not retried elsewhere
  EXPECT_EQ(never.created, 0);
}

}  // namespace
}  // namespace tavrin
