// The program's lifecycle: start-up, the message loop, and the end.
//
//   int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return runProgram(); }
#pragma once

namespace tavrin::ui {

// Initialises OLE for the thread, makes the program's folder the working
// directory, opens the main window and runs the message loop until the
// window has been closed; then releases the program and returns 0. If the
// window cannot be created, the failure is reported and the process ends
// with -1 instead. The command line is not used.
int runProgram();

// The end-of-program release, shared by the normal end and the failure end:
// uninitialises OLE if start-up initialised it. Safe to call more than once.
void releaseProgram();

}  // namespace tavrin::ui
