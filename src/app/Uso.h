#pragma once

#include <optional>

// An operator who starts the program by hand, without the suite's menu:
// "--help" or "-h" prints the usage and ends well; no argument at all prints
// it on standard error and ends badly, without connecting. Anything else is
// a command line to run: no value.
std::optional<int> FinPorUso(int argc, char** argv);
