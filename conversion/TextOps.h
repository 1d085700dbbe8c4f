// TextOps: the operations on Text (see Text.h) that the converter is built of.
//
// Every operation is pure: it reads its arguments and returns a number or a
// new Text. Positions and lengths count bytes and are numbered from 1; an
// operation that finds nothing returns -1. Arguments are read up to their first
// zero byte, which ends a Text. Where an operation folds case, only the ASCII
// letters A-Z and a-z have a case, whatever the locale.
//
// Some operations know two-byte characters (a byte of 0x80 or above and the
// byte after it) and step over them as one unit; each says whether it does.
//
//   findText("abcabc", "c", 4)             == 6
//   replaceText("aLbL", "L", "", 1, 1)     == "abL"
//   intToText(-2147483648)                 == "-2147483648"
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "Text.h"

namespace tavrin {

// Byte order of two texts: -1, 0 or 1. Bytes compare as unsigned values and a
// text that ends first is the smaller. No locale, no collation.
//   compareText("ab", "a") == 1
[[nodiscard]] int compareText(std::string_view first, std::string_view second);

// Number of bytes; a two-byte character counts 2.
[[nodiscard]] int textLength(std::string_view text);

// The parts joined in order, in one allocation.
//   concatText({".", "常量"}) == ".常量"
[[nodiscard]] Text concatText(std::initializer_list<std::string_view> parts);

// The bytes from position `start` for `count` bytes, cut at the end of the
// text; empty when `start` is outside 1..length or `count` <= 0. Knows no
// two-byte characters: it may cut one in half.
//   midText("abc", 2, 5) == "bc"
[[nodiscard]] Text midText(std::string_view text, int start, int count);

// Position of the first `sought` at or after byte `start` (1 or less: the first
// byte), or -1. Matches begin only on a character boundary counted from
// `start`. An empty `sought` gives 1 when the region holds a byte, else -1.
//   findText("abc", "C", 1, true) == 3
[[nodiscard]] int findText(std::string_view text, std::string_view sought, int start = 1,
                           bool ignoreCase = false);

// The text with a-z made A-Z; two-byte characters are copied unchanged.
//   upperText("aBc-z") == "ABC-Z"
[[nodiscard]] Text upperText(std::string_view text);

// The text with occurrences of `find` at or after byte `start` replaced, left
// to right, never overlapping, the replacement never scanned again. `count`:
// omitted or negative replaces all, 0 none, n > 0 the first n. Matches begin
// only on a character boundary; a final lone byte of 0x80 or above is copied
// unchanged.
//   replaceText("abab", "a", "x", 2) == "abxb"
[[nodiscard]] Text replaceText(std::string_view text, std::string_view find,
                               std::string_view replacement = {}, int start = 1,
                               std::optional<int> count = std::nullopt,
                               bool caseSensitive = true);

// The value in decimal: a minus sign when negative, no leading zeros.
[[nodiscard]] Text intToText(std::int32_t value);

}  // namespace tavrin
