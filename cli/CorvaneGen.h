#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace corvane {

// Runs corvane-gen with its arguments (the program name left out) and returns the exit status: 0 on
// success, 1 when a button file cannot be read, 2 for a usage error. Arguments, file contents and output
// are bytes, passed through without any conversion.
int RunCorvaneGen(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace corvane
