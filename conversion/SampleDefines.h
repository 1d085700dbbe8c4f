// kSampleDefines: the six definitions that the source box of the window holds
// at start, and the text that the sample conversion turns into six lines.
// Each line is "#define", one space, a name, spaces up to column 37, the
// value, CR LF: 47 characters before the CR LF, 294 bytes in all.
#pragma once

#include <string_view>

namespace tavrin {

inline constexpr std::string_view kSampleDefines =
    "#define MB_OK                       0x00000000L\r\n"
    "#define MB_OKCANCEL                 0x00000001L\r\n"
    "#define MB_ABORTRETRYIGNORE         0x00000002L\r\n"
    "#define MB_YESNOCANCEL              0x00000003L\r\n"
    "#define MB_YESNO                    0x00000004L\r\n"
    "#define MB_RETRYCANCEL              0x00000005L\r\n";

}  // namespace tavrin
