// Tavrin.exe's entry. The command line is not used.
#include <windows.h>

#include "Program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return tavrin::ui::runProgram(); }
