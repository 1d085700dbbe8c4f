// Entry of tavrin-convert: binary standard streams, UTF-8 arguments, and COM
// initialised on the thread for the matchers' automation objects.
#include <iostream>
#include <string>
#include <vector>

#include "ComInitialization.h"
#include "ConvertCommand.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

std::string toUtf8(const wchar_t* arg) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, arg, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size > 0 ? static_cast<size_t>(size) : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, arg, -1, utf8.data(), size, nullptr, nullptr);
  utf8.resize(utf8.size() - 1);
  return utf8;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Declarations end in CR LF already; text mode would double the CR.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(toUtf8(argv[i]));
  const tavrin::ComInitialization com;
  return tavrin::runConvertCommand(args, std::cin, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const tavrin::ComInitialization com;
  return tavrin::runConvertCommand(args, std::cin, std::cout, std::cerr);
}
#endif
