// Makes a drive refuse the test as a desktop user's drive refuses its user: the linker routes
// the program's own open() through here (--wrap), and an open of the armed path fails with
// EACCES, so that the writer takes the way through udisks2, as it does for such a user.
#pragma once

#include <string>

// While armed with a path, every open of exactly that path fails with EACCES; an empty path
// disarms.
void RefuseOpensOf(const std::string& strPath);
