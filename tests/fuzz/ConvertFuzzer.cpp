// convertVcToE with the portable engine, checked against invariants that any
// correct conversion keeps: one line per match, each line the prefix, the
// name exactly as the match holds it, the value piece and CR LF, and a value
// that reads back through the hexadecimal reading of its group.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "CodePage936.h"
#include "ConstantConverter.h"
#include "RegexEngines.h"
#include "RegexMatcher.h"
#include "TextOps.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

std::string expectedValue(const tavrin::Text& group) {
  tavrin::Text value = tavrin::replaceBatch(group, 1, 1, false, {{"L", ""}});
  if (value.size() >= 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) value.erase(0, 2);
  return tavrin::intToText(tavrin::hexToInt(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  const tavrin::RegexEngine& engine = tavrin::portableRegexEngine();
  const tavrin::Text output = tavrin::convertVcToE(source, engine);

  const std::string_view text = source.substr(0, source.find('\0'));
  const bool wholeCharacters = tavrin::fromWide(tavrin::toWide(text)) == text;

  tavrin::RegexMatcher matcher(engine);
  matcher.run(tavrin::kDefinePattern, source);
  const int matches = matcher.matchCount();
  check(matches > 0 || output.empty());

  std::string_view rest = output;
  for (int i = 1; i <= matches; ++i) {
    const tavrin::Text name = matcher.groupText(i, 1);
    const tavrin::Text value = matcher.groupText(i, 2);
    check(!name.empty() && !value.empty());

    // The match begins with "#define ", one space, and the name's exact
    // bytes; and it stands in the source where its position says, unless the
    // source holds bytes that are no character of code page 936 (they reach
    // the engine, and come back, as "?").
    int position = -1;
    const tavrin::Text match = matcher.matchText(i, &position);
    check(position >= 0);
    if (wholeCharacters) {
      check(source.substr(static_cast<size_t>(position), match.size()) == match);
    }
    check(tavrin::findText(match, "#define ", 1, true) == 1);
    check(match.compare(8, name.size(), name) == 0);

    const std::string decimal = expectedValue(value);
    const std::string line =
        std::string(tavrin::kDefaultLinePrefix) + name + ", \"" + decimal + "\"\r\n";
    check(rest.substr(0, line.size()) == line);
    rest.remove_prefix(line.size());

    // The decimal value reads back through the hexadecimal reading.
    const long long number = std::strtoll(decimal.c_str(), nullptr, 10);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(static_cast<std::uint32_t>(number)));
    check(tavrin::hexToInt(hex) == number);
  }
  check(rest.empty());
  return 0;
}
