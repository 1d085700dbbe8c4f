#include "ConvertCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

#include "CodePage936.h"
#include "ConstantConverter.h"
#include "RegexEngines.h"
#include "TavrinVersion.h"

namespace tavrin {
namespace {

constexpr const char* kProgram = "tavrin-convert";

constexpr const char* kUsage =
    "Usage: tavrin-convert [--utf8] [--engine=auto|vbscript|portable] [FILE...]\n"
    "Converts C #define lines into Easy Language constant declarations, exactly\n"
    "as the VC->E button of Tavrin does, and writes them to standard output.\n"
    "Reads each FILE in turn; standard input when no FILE is given, or for -.\n"
    "\n"
    "  --utf8           read and write UTF-8 (default: code page 936, as Easy\n"
    "                   Language source files use)\n"
    "  --engine=NAME    auto (default): VBScript.RegExp where it can be created,\n"
    "                   the portable engine otherwise; vbscript; portable\n"
    "  --help           show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "Exit status: 0 on success, 1 when an input cannot be read or converted (then\n"
    "nothing is written), 2 for a usage error.\n";

struct Options {
  bool utf8 = false;
  std::string engine = "auto";
  std::vector<std::string> files;
};

// A usage error: a one-line reason and a hint.
int usageError(std::ostream& err, const std::string& reason) {
  err << kProgram << ": " << reason << "\nTry 'tavrin-convert --help'.\n";
  return 2;
}

class InputError {
 public:
  InputError(std::string name, std::string reason)
      : message_(std::string(kProgram) + ": " + name + ": " + reason + "\n") {}
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string readFile(const std::string& name) {
  const std::filesystem::path path(std::u8string(name.begin(), name.end()));
#ifdef _WIN32
  std::unique_ptr<std::FILE, FileCloser> file(_wfopen(path.c_str(), L"rb"));
#else
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
#endif
  if (!file) throw InputError(name, std::strerror(errno));
  std::string bytes;
  std::error_code sizeUnknown;
  if (const auto size = std::filesystem::file_size(path, sizeUnknown); !sizeUnknown) {
    bytes.reserve(static_cast<size_t>(size));
  }
  char buffer[1 << 16];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
  if (std::ferror(file.get())) throw InputError(name, std::strerror(errno));
  return bytes;
}

std::string readStream(std::istream& in) {
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw InputError("standard input", "cannot be read");
  return std::move(bytes).str();
}

// An input as a Text. A Text ends at its first zero byte, so an input that
// holds one is refused rather than converted in part.
Text toText(const std::string& name, std::string bytes, bool utf8, std::ostream& err) {
  if (const size_t zero = bytes.find('\0'); zero != std::string::npos) {
    throw InputError(name, "holds a NUL byte at offset " + std::to_string(zero) +
                               "; it is not a text file");
  }
  if (!utf8) return bytes;  // code page 936 already
  Utf8Loss loss;
  Text text = fromUtf8(bytes, &loss);
  if (loss.invalidInput) throw InputError(name, "is not valid UTF-8");
  if (loss.unmappable) {
    err << kProgram << ": " << name
        << ": warning: characters that code page 936 lacks were converted as ?\n";
  }
  return text;
}

std::optional<Options> parse(const std::vector<std::string>& args, std::ostream& out,
                             std::ostream& err, int& status) {
  Options options;
  bool onlyFiles = false;
  for (const std::string& arg : args) {
    if (onlyFiles || arg == "-" || arg.empty() || arg[0] != '-') {
      options.files.push_back(arg);
    } else if (arg == "--") {
      onlyFiles = true;
    } else if (arg == "--help" || arg == "-h") {
      out << kUsage;
      status = 0;
      return std::nullopt;
    } else if (arg == "--version") {
      out << kProgram << " " << kTavrinVersion << "\n";
      status = 0;
      return std::nullopt;
    } else if (arg == "--utf8") {
      options.utf8 = true;
    } else if (arg.rfind("--engine=", 0) == 0) {
      options.engine = arg.substr(9);
      if (options.engine != "auto" && options.engine != "vbscript" &&
          options.engine != "portable") {
        status = usageError(err, "unknown engine '" + options.engine + "'");
        return std::nullopt;
      }
    } else {
      status = usageError(err, "unknown option '" + arg + "'");
      return std::nullopt;
    }
  }
  if (options.files.empty()) options.files.push_back("-");
  return options;
}

}  // namespace

int runConvertCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err) {
  int status = 0;
  const std::optional<Options> options = parse(args, out, err, status);
  if (!options) return status;

  const RegexEngine* engine = &defaultRegexEngine();
  if (options->engine == "portable") {
    engine = &portableRegexEngine();
  } else if (options->engine == "vbscript") {
    engine = vbscriptRegexEngine();
    if (engine == nullptr) return usageError(err, "this build has no VBScript.RegExp engine");
    if (!engine->createExpression()) {
      err << kProgram << ": VBScript.RegExp cannot be created on this system\n";
      return 1;
    }
  }

  try {
    // Everything is converted before anything is written, so that a bad input
    // leaves standard output empty.
    std::vector<std::string> results;
    for (const std::string& name : options->files) {
      const bool standardInput = name == "-";
      std::string bytes = standardInput ? readStream(in) : readFile(name);
      const Text text =
          toText(standardInput ? "standard input" : name, std::move(bytes), options->utf8, err);
      Text converted = convertVcToE(text, *engine);
      results.push_back(options->utf8 ? toUtf8(converted) : std::move(converted));
    }
    for (const std::string& result : results) {
      out.write(result.data(), static_cast<std::streamsize>(result.size()));
    }
    out.flush();
    if (!out) {
      err << kProgram << ": cannot write standard output\n";
      return 1;
    }
  } catch (const InputError& error) {
    err << error.message();
    return 1;
  } catch (const std::bad_alloc&) {
    err << kProgram << ": out of memory\n";
    return 1;
  }
  return 0;
}

}  // namespace tavrin
