#pragma once

#include <functional>

namespace corvane::ui {

// Creates the four windows in this order: main, result, help, resale rights. Each places itself in the
// middle of the screen while still hidden.
void CreateForms();

// Destroys the windows made by CreateForms.
void DestroyForms();

// The program: the application object, the windows, and the event loop until the main window closes.
// `whenShown`, if given, runs once the main window has first been painted (for timing the start-up).
int RunProgram(int argc, char** argv, const std::function<void()>& whenShown = {});

} // namespace corvane::ui
