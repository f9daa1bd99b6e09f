// The Windows test program's start: it first says which family of the writer this run
// exercises, so that a log shows whether the drives were written through the raw volume or
// through the disk service, and then runs every test.
#include "writer/windows/NtVolumeAccess.h"
#include "writer/windows/WindowsDiskAccess.h"

#include <gmock/gmock.h>

#include <cstdio>

int main(int argc, char** argv)
{
    const DWORD dwPlatformId = GetPlatformId();
    const unsigned nBits = sizeof(void*) * 8;
    if (dwPlatformId == VER_PLATFORM_WIN32_NT)
        std::printf("platform family: NT (dwPlatformId %lu), %u-bit program, drives written through %s and %s\n",
                    dwPlatformId, nBits, NtVolumeName(0).c_str(), NtVolumeName(1).c_str());
    else if (nBits == 32)
        std::printf("platform family: 95 (dwPlatformId %lu), 32-bit program, drives written through VWIN32 INT 26h\n",
                    dwPlatformId);
    else
        std::printf("platform family: 95 (dwPlatformId %lu), %u-bit program, which has no way to the drives\n",
                    dwPlatformId, nBits);
    std::fflush(stdout);

    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
