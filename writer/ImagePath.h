// Where the image lies: beside the program, with the program's base name.
#pragma once

#include <string>

// ".%03i" of the image number: a dot and at least three digits, with leading zeros.
std::string ImageExtension(int nImage);

// The program's path with the extension of its own file name (if any) replaced by
// strExtension: "/opt/k.v1/korvant-setup" gives "/opt/k.v1/korvant-setup.000". A dot in a
// directory name or a file name that starts with its only dot does not begin an extension.
std::string ImagePathBeside(const std::string& strProgramPath, const std::string& strExtension);

// "A:" for drive 0, "B:" for drive 1: the letter 'A' plus the index, and a colon.
std::string OutputDeviceText(int nDrive);
