// Where a write takes its image from and puts it: beside the program, onto the chosen drive.
// The product writes at its own site; tests, tools and the bench give the writer one of theirs.
#pragma once

#include "DiskAccess.h"

#include <memory>
#include <string>

class CWriteSite
{
public:
    virtual ~CWriteSite() = default;

    // The program's own path; the image is looked for beside it.
    virtual std::string GetProgramPath() const;
    // The way to drive nDrive (0 = A:, 1 = B:) for one write; nullptr when there is none.
    virtual std::unique_ptr<CDiskAccess> ChooseDiskAccess(int nDrive) const;

    // The running program's own location and the platform's drives.
    static const CWriteSite& Product();
};
