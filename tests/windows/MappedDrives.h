// The diskettes of a run under Wine. tests/windows/wine-run maps drive A: and B: of the Wine
// prefix to files on the Linux side before it starts the test program, and names them in
// the environment as Windows paths (Wine's Z: is the Linux root), so the tests can read back
// what reached each drive. Each drive also has a root folder, which is what tells Wine that
// the drive exists at all.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

inline std::string MappedDriveSetting(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    if (pszValue == nullptr || *pszValue == '\0')
        throw std::runtime_error(std::string(pszName) + " is not set: run the tests through tests/windows/wine-run");
    return pszValue;
}

// The file that stands in for the diskette in drive nDrive (0 = A:, 1 = B:).
inline std::string MappedDriveFile(int nDrive)
{
    return MappedDriveSetting(nDrive == 0 ? "KORVANT_DRIVE_A_FILE" : "KORVANT_DRIVE_B_FILE");
}

// The drive's root folder; without it the drive is gone for the disk service.
inline std::string MappedDriveRoot(int nDrive)
{
    return MappedDriveSetting(nDrive == 0 ? "KORVANT_DRIVE_A_ROOT" : "KORVANT_DRIVE_B_ROOT");
}

// Puts back what a test may have taken away: both root folders.
inline void RestoreMappedDrives()
{
    std::filesystem::create_directories(MappedDriveRoot(0));
    std::filesystem::create_directories(MappedDriveRoot(1));
}

// The family this run was started for: "NT" or "95".
inline std::string ExpectedFamily()
{
    return MappedDriveSetting("KORVANT_WINE_FAMILY");
}
