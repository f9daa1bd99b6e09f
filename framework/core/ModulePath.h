// Where the running program lives.
#pragma once

#include <string>

// The full path of the program file of this process, links resolved; empty if unknown.
std::string GetModuleFilePath();
