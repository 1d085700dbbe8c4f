// hexToInt and replaceBatch against plain references.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "ConstantConverter.h"
#include "TextOps.h"

namespace {

std::int32_t refHex(const std::string& text) {
  std::uint32_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      break;
    }
    value = value * 16u + static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(value);
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const bool hasCount = input.ConsumeBool();
  const int count = input.ConsumeIntegralInRange<int>(-2, 5);
  const int start = input.ConsumeIntegralInRange<int>(0, 20);
  const bool caseSensitive = input.ConsumeBool();
  std::string pairs[4];
  for (std::string& part : pairs) part = input.ConsumeRandomLengthString(4);
  const std::string text = input.ConsumeRemainingBytesAsString();

  check(tavrin::hexToInt(text) == refHex(text));

  // Two pairs, applied one after the other with replaceText.
  const std::optional<int> given = hasCount ? std::optional<int>(count) : std::nullopt;
  const tavrin::Text batch = tavrin::replaceBatch(
      text, given, start, caseSensitive, {{pairs[0], pairs[1]}, {pairs[2], pairs[3]}});
  const int from = start == 0 ? 1 : start;
  const tavrin::Text once = tavrin::replaceText(text, pairs[0], pairs[1], from, given, caseSensitive);
  check(batch == tavrin::replaceText(once, pairs[2], pairs[3], from, given, caseSensitive));
  return 0;
}
