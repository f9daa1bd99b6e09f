// A write site for tests, tools and the bench: the program at a path of the caller's, and
// drive A: at a device or file of the caller's; B: has no drive.
#pragma once

#include "writer/linux/BlockDeviceAccess.h"
#include "writer/WriteSite.h"

#include <string>
#include <utility>

class CDriveASite : public CWriteSite
{
public:
    CDriveASite(std::string strProgram, std::string strDriveA)
        : m_strProgram(std::move(strProgram)), m_strDriveA(std::move(strDriveA))
    {
    }

    std::string GetProgramPath() const override { return m_strProgram; }
    std::unique_ptr<CDiskAccess> ChooseDiskAccess(int nDrive) const override
    {
        return std::make_unique<CBlockDeviceAccess>(nDrive == 0 ? m_strDriveA : std::string());
    }

private:
    std::string m_strProgram, m_strDriveA;
};
