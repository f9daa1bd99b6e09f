// The product's site: the program's own path and the platform's drives.
#include "WriteSite.h"

#include "framework/core/ModulePath.h"

std::string CWriteSite::GetProgramPath() const
{
    return GetModuleFilePath();
}

std::unique_ptr<CDiskAccess> CWriteSite::ChooseDiskAccess(int nDrive) const
{
    return ::ChooseDiskAccess(nDrive);
}

const CWriteSite& CWriteSite::Product()
{
    static const CWriteSite s_product;
    return s_product;
}
