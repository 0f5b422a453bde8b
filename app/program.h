#pragma once
// The program as a whole: the application, the start-up window on the
// reference lists beside the program and the session of the working
// directory, and the map window its "Enter" opens.

#include <functional>

class QApplication;

namespace tavik {

// Runs the program until its last window closes and returns its exit code.
// `started`, when given, is called once the start-up window is shown and
// before events run (the start-up benchmark stops the program from there).
int RunProgram(int argc, char **argv,
               const std::function<void(QApplication &)> &started = {});

} // namespace tavik
