// tavik: starts in the start-up window, which loads the reference lists
// from beside the program and the session of the working directory; its
// "Enter" opens the map window on them.

#include "app/program.h"

int main(int argc, char **argv) { return tavik::RunProgram(argc, argv); }
