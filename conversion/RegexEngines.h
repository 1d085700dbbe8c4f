// The engines that a build has, for RegexMatcher and its callers.
#pragma once

#include "RegexEngine.h"

namespace tavrin {

// Boost.Regex with fixed ASCII rules; in every build.
[[nodiscard]] const RegexEngine& portableRegexEngine();

// VBScript.RegExp; null in a build without Windows automation.
[[nodiscard]] const RegexEngine* vbscriptRegexEngine();

// What a RegexMatcher uses unless told otherwise: VBScript.RegExp where it can
// be created, and the portable engine where it cannot (it is an optional
// Windows component, switched off on some systems) or where the build has no
// Windows automation.
[[nodiscard]] const RegexEngine& defaultRegexEngine();

}  // namespace tavrin
