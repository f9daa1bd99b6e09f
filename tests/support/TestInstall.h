// A program "installed" in a temporary folder of its own, where the writer looks for its image.
#pragma once

#include "tests/support/TempDir.h"
#include "writer/DiskGeometry.h"

#include <string>
#include <vector>

// The layout the writer expects around any program: the image beside it, under the program's
// name with ".000". The program file itself need not be there; only its path counts.
class CTestInstall
{
public:
    // Puts an image of nBytes beside the program and returns its content.
    std::vector<char> PlaceImage(std::size_t nBytes = DISK_SIZE) const
    {
        std::vector<char> image = PatternImage(nBytes);
        WriteWholeFile(m_strImagePath, image);
        return image;
    }

    CTempDir m_dir;
    const std::string m_strProgramPath = m_dir / "korvant-setup";
    const std::string m_strImagePath = m_dir / "korvant-setup.000";
};
