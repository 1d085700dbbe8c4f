// Under Wine or on Windows: how long Tavrin.exe takes from a press of "VC->E"
// on a pasted header to the result being in the right box, next to the
// conversion alone and to the edit box taking the result.
//   window_bench FILE
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "CodePage936.h"
#include "ConstantConverter.h"
#include "EditText.h"
#include "GuiTestSupport.h"
#include "RegexEngines.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace tavrin::gui_test;
constexpr int kRounds = 5;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Figures {
  std::vector<double> seconds;
  void add(double value) { seconds.push_back(value); }
  [[nodiscard]] double best() const { return *std::min_element(seconds.begin(), seconds.end()); }
  [[nodiscard]] double median() const {
    std::vector<double> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
  }
};

void print(const char* what, const Figures& figures) {
  std::printf("%-52s best %.3f s, median %.3f s\n", what, figures.best(), figures.median());
}

// The result box's job alone: a box of the same kind and size taking the
// result's text, laid out with the same font.
Figures timeEditBox(const std::string& result) {
  Figures figures;
  const tavrin::ui::UniqueWindow edit{CreateWindowExW(
      WS_EX_CLIENTEDGE, L"Edit", L"",
      WS_POPUP | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0, 266, 344,
      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)};
  SendMessageW(edit.get(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  SendMessageW(edit.get(), EM_SETLIMITTEXT, 0, 0);
  for (int round = 0; round < kRounds; ++round) {
    tavrin::ui::writeEditText(edit.get(), "");
    const auto start = Clock::now();
    tavrin::ui::writeEditText(edit.get(), result);
    UpdateWindow(edit.get());
    figures.add(secondsSince(start));
  }
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_bench FILE\n");
    return 2;
  }
  OleInitialize(nullptr);
  std::ifstream file(argv[1], std::ios::binary);
  const std::string header{std::istreambuf_iterator<char>(file), {}};

  Figures conversion;
  std::string result;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = Clock::now();
    result = tavrin::convertVcToE(header);
    conversion.add(secondsSince(start));
  }
  const Figures editBox = timeEditBox(result);

  TavrinProcess tavrin(buildPath(TAVRIN_EXE));
  if (!tavrin.window()) {
    std::fprintf(stderr, "Tavrin.exe's window did not appear\n");
    return 1;
  }
  const MainWindowControls controls = findControls(tavrin.window());
  bringToFront(tavrin.window());
  clickCentre(controls.source);  // empties the sample
  const std::wstring pasted = tavrin::toWide(header);
  pasteText(pasted);
  if (!waitUntil([&] { return textLength(controls.source) == pasted.size(); }, 120s)) {
    std::fprintf(stderr, "the paste did not arrive whole\n");
    return 1;
  }
  const std::size_t expected = tavrin::toWide(result).size();
  Figures pressToShown;
  for (int round = 0; round < kRounds; ++round) {
    SendMessageW(controls.result, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    const auto start = Clock::now();
    click(centreOf(controls.convert), MouseButton::left, 0ms);
    // The window answers only once the handler has returned, so the length
    // is there exactly when the result box holds the whole text.
    if (!waitUntil([&] { return textLength(controls.result) == expected; }, 120s)) {
      std::fprintf(stderr, "no result\n");
      return 1;
    }
    pressToShown.add(secondsSince(start));
  }
  bringToFront(tavrin.window());
  pressKey(VK_ESCAPE);
  tavrin.waitForExit();
  OleUninitialize();

  std::printf("input %zu bytes, result %zu bytes\n", header.size(), result.size());
  print("conversion alone (convertVcToE, VBScript.RegExp):", conversion);
  print("an edit box taking the result:", editBox);
  print("Tavrin.exe, \"VC->E\" pressed to result shown:", pressToShown);
  return 0;
}
