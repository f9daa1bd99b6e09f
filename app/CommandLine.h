// What the program answers on its command line before it opens any window.
#pragma once

#include <iosfwd>
#include <optional>

// Answers -h/--help and -v/--version on out, and anything else given on the command line
// with a complaint on err; returns the exit status then. Returns nothing when the command
// line is empty: the wizard starts.
std::optional<int> AnswerCommandLine(int argc, const char* const argv[], std::ostream& out, std::ostream& err);
