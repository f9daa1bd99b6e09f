// The choice of Windows family, once per write.
#include "WindowsDiskAccess.h"

#include "NtVolumeAccess.h"
#ifndef _WIN64
#include "Vwin32Access.h"
#endif

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
#ifdef _WIN64
    // A 64-bit program runs on the NT family only, and VWIN32 serves 32-bit programs alone:
    // an id that claims otherwise names no system this build knows how to write on, so the
    // write ends at the open rather than guessing at a device.
    return nullptr;
#else
    return std::make_unique<CVwin32Access>(nDrive);
#endif
}

std::unique_ptr<CDiskAccess> ChooseDiskAccess(int nDrive)
{
    return ChooseDiskAccessFor(GetPlatformId(), nDrive);
}
