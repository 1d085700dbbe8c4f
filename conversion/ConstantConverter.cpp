#include "ConstantConverter.h"

#include "RegexMatcher.h"
#include "TextOps.h"

namespace tavrin {
namespace {

// `, "<decimal value>"` for a group text such as 0x0000001FL. The first L is
// removed wherever it stands (a second one stays), then a 0x prefix.
void appendValuePiece(Text& out, std::string_view groupText) {
  Text value = replaceBatch(groupText, 1, 1, false, {{"L", ""}});
  if (value.size() >= 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
    value.erase(0, 2);
  }
  out.append(", \"");
  out.append(intToText(hexToInt(value)));
  out.push_back('"');
}

}  // namespace

Text convertVcToE(std::string_view source, const RegexEngine& engine) {
  return convertDefinitions(source, kDefinePattern, 0, {}, {}, engine);
}

Text convertDefinitions(std::string_view source, std::string_view pattern, int valueGroup,
                        std::string_view linePrefix, std::string_view lineEnd,
                        const RegexEngine& engine) {
  RegexMatcher matcher(engine);
  if (textLength(linePrefix) == 0) linePrefix = kDefaultLinePrefix;
  if (textLength(lineEnd) == 0) lineEnd = kDefaultLineEnd;
  if (valueGroup == 0) valueGroup = kDefaultValueGroup;

  matcher.run(pattern, source);
  const int matches = matcher.matchCount();
  if (matches <= 0) return {};
  const int groups = matcher.groupCount();

  // One buffer, linear in the number of lines. The matches do not overlap, so
  // their groups hold at most the source's bytes, and a value piece takes at
  // most 14: the buffer never has to move.
  Text result;
  result.reserve(source.size() +
                 static_cast<size_t>(matches) * (linePrefix.size() + lineEnd.size() + 14));
  for (int i = 1; i <= matches; ++i) {
    result.append(linePrefix);
    for (int j = 1; j <= groups; ++j) {
      const Text group = matcher.groupText(i, j);
      if (j == valueGroup) {
        appendValuePiece(result, group);
      } else {
        result.append(group);
      }
    }
    result.append(lineEnd);
  }
  return result;
}

Text replaceBatch(std::string_view text, std::optional<int> count, int start, bool caseSensitive,
                  std::initializer_list<Replacement> pairs) {
  if (start == 0) start = 1;
  Text result(text.substr(0, text.find('\0')));
  for (const Replacement& pair : pairs) {
    result = replaceText(result, pair.find, pair.replacement, start, count, caseSensitive);
  }
  return result;
}

std::int32_t hexToInt(std::string_view text) {
  std::uint32_t value = 0;
  for (char byte : text) {
    // a-f read like A-F; a byte of a two-byte character is never a digit.
    if (byte >= 'a' && byte <= 'f') byte = static_cast<char>(byte - 32);
    const size_t digit = kHexDigits.find(byte);
    if (digit == std::string_view::npos) break;  // a zero byte too: the Text ends
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace tavrin
