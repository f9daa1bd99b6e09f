#include "WindowsDiskAccess.h"

#include "NtVolumeAccess.h"
#include "Vwin32Access.h"

static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record of the 95 family's era");

DWORD GetPlatformId()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    // The result is not needed: a call that fails leaves the id 0, which is not the NT family.
    ::GetVersionExA(&info);
    return info.dwPlatformId;
}

std::unique_ptr<CDiskAccess> ChooseDiskAccessFor(DWORD dwPlatformId, int nDrive)
{
    // Only the two diskette drives the wizard offers: any other index names a hard disk
    // ("\\.\C:", or drive number 2 for the disk service), which must never be written.
    if (nDrive != 0 && nDrive != 1)
        return nullptr;
    if (dwPlatformId == VER_PLATFORM_WIN32_NT)
        return std::make_unique<CNtVolumeAccess>(NtVolumeName(nDrive));
    return std::make_unique<CVwin32Access>(nDrive);
}

std::unique_ptr<CDiskAccess> ChooseDiskAccess(int nDrive)
{
    return ChooseDiskAccessFor(GetPlatformId(), nDrive);
}
