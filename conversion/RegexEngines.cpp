#include "RegexEngines.h"

#include "FallbackRegexEngine.h"
#include "PortableRegexEngine.h"
#ifdef _WIN32
#include "VbscriptRegexEngine.h"
#endif

namespace tavrin {

const RegexEngine& portableRegexEngine() {
  static const PortableRegexEngine engine;
  return engine;
}

#ifdef _WIN32
const RegexEngine* vbscriptRegexEngine() {
  static const VbscriptRegexEngine engine;
  return &engine;
}

const RegexEngine& defaultRegexEngine() {
  static const FallbackRegexEngine engine(*vbscriptRegexEngine(), portableRegexEngine());
  return engine;
}
#else
const RegexEngine* vbscriptRegexEngine() { return nullptr; }

const RegexEngine& defaultRegexEngine() { return portableRegexEngine(); }
#endif

}  // namespace tavrin
