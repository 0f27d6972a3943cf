#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace corvane {

// What corvane-gen says when memory runs out, wherever that happens.
inline constexpr const char* OutOfMemoryMessage = "Out of memory.";

// Runs corvane-gen with its arguments (the program name left out) and returns the exit status: 0 on
// success, 1 when a button file cannot be read, the output cannot be written in full ("Stream write
// error.") or memory runs out, 2 for a usage error. Arguments and output are bytes in the system's
// encoding; a button file from the Windows program in Windows-1252 is read as such.
int RunCorvaneGen(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace corvane
