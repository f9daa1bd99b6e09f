// The write site of the tests, the tools and the bench: the program and the drives they choose.
#pragma once

#include "writer/WriteSite.h"
#ifndef _WIN32
#include "writer/linux/BlockDeviceAccess.h"
#endif

#include <functional>
#include <memory>
#include <string>
#include <utility>

// The program at a path of the caller's, and drives A: and B: at devices or files of the
// caller's; a drive without a path has nothing behind it, so its open fails. Under Wine the
// prefix maps A: and B: to the files named, and the product's own way to each drive reaches
// them. A caller that must count or hold what the writer asks of a drive wraps each way
// handed out.
class CTestWriteSite : public CWriteSite
{
public:
    using Wrap = std::function<std::unique_ptr<CDiskAccess>(std::unique_ptr<CDiskAccess> pReal)>;

    CTestWriteSite(std::string strProgram, std::string strDriveA, std::string strDriveB = {}, Wrap wrap = {})
        : m_strProgram(std::move(strProgram)), m_strDriveA(std::move(strDriveA)), m_strDriveB(std::move(strDriveB)),
          m_wrap(std::move(wrap))
    {
    }

    std::string GetProgramPath() const override { return m_strProgram; }

    std::unique_ptr<CDiskAccess> ChooseDiskAccess(int nDrive) const override
    {
#ifdef _WIN32
        std::unique_ptr<CDiskAccess> pAccess = ::ChooseDiskAccess(nDrive);
#else
        // Any other index is a letter with no drive behind it, as A: and B: may be.
        std::unique_ptr<CDiskAccess> pAccess = std::make_unique<CBlockDeviceAccess>(
            nDrive == 0 ? m_strDriveA : nDrive == 1 ? m_strDriveB : std::string());
#endif
        if (pAccess && m_wrap)
            return m_wrap(std::move(pAccess));
        return pAccess;
    }

private:
    std::string m_strProgram, m_strDriveA, m_strDriveB;
    Wrap m_wrap;
};
