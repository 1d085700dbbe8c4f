// ConstantConverter: C constant definitions to Easy Language declarations.
//
//   convertVcToE("#define MB_OK 0x00000000L\r\n") == ".常量 MB_OK, \"0\"\r\n"
//
// One line is written for every match of the pattern, in source order: the
// line prefix, then each group in turn (the value group as a decimal value
// piece, `, "16"`, every other group exactly as matched), then the line end.
// Every value is read as hexadecimal, even one written in decimal: 1024 gives
// 4132, 10L gives 16. A source without a match gives the empty Text.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "RegexEngines.h"
#include "Text.h"

namespace tavrin {

// Exactly one space after "define"; between name and value any white space,
// line ends included.
inline constexpr std::string_view kDefinePattern = R"(#define (\S+)\s+(\S+))";
inline constexpr std::string_view kDefaultLinePrefix = ".\xB3\xA3\xC1\xBF ";  // ".常量 "
inline constexpr std::string_view kDefaultLineEnd = "\r\n";
inline constexpr int kDefaultValueGroup = 2;
inline constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// `convertDefinitions` with kDefinePattern and every default: what the
// "VC->E" button does.
[[nodiscard]] Text convertVcToE(std::string_view source,
                                const RegexEngine& engine = defaultRegexEngine());

// The general converter: any pattern, any value group, any line prefix and end.
// A `valueGroup` of 0 and an empty `linePrefix` or `lineEnd` mean the default;
// a value group that the pattern does not have converts no group. Matching is
// case-insensitive, multi-line and global.
[[nodiscard]] Text convertDefinitions(std::string_view source, std::string_view pattern,
                                      int valueGroup = 0, std::string_view linePrefix = {},
                                      std::string_view lineEnd = {},
                                      const RegexEngine& engine = defaultRegexEngine());

// One find/replace pair of replaceBatch; an empty find text changes nothing.
struct Replacement {
  std::string_view find;
  std::string_view replacement;
};

// Applies the pairs in turn (the converter uses one, other callers up to five),
// each to the result of the one before, with replaceText. `count` limits each pair anew; omitted, every occurrence is
// replaced, and a given 0 replaces none. A `start` of 0 means 1.
//   replaceBatch("0x1fl", 1, 1, false, {{"L", ""}}) == "0x1f"
[[nodiscard]] Text replaceBatch(std::string_view text, std::optional<int> count, int start,
                                bool caseSensitive, std::initializer_list<Replacement> pairs);

// The hexadecimal number at the start of `text`, case-insensitive, read up to
// the first byte that is not a hexadecimal digit; the rest is ignored. Only the
// last eight digits count, as a 32-bit two's complement number.
//   hexToInt("ff") == 255, hexToInt("10U") == 16, hexToInt("FFFFFFFF") == -1,
//   hexToInt("x1") == 0
[[nodiscard]] std::int32_t hexToInt(std::string_view text);

}  // namespace tavrin
