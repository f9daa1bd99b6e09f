// Where the running program lives, and how its paths are divided.
#pragma once

#include <string>

// The full path of the program file of this process, links resolved; empty if unknown.
std::string GetModuleFilePath();
// Whether c ends a folder or drive part of a path on this platform.
bool IsPathSeparator(char c);
