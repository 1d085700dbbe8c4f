// tavrin-convert: the "VC->E" conversion for whole headers, from a shell.
//
//   tavrin-convert [--utf8] [--engine=auto|vbscript|portable] [FILE...]
//
// Converts each FILE in turn (standard input when none is given, or for "-")
// and writes the results in that order. Exit status: 0 on success; 1 when an
// input cannot be read or converted, and then nothing at all is written to
// standard output; 2 for a usage error.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tavrin {

// Runs the command. `args` are the arguments after the program name, in UTF-8
// (they name files). `in`, `out` and `err` are binary streams.
int runConvertCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err);

}  // namespace tavrin
