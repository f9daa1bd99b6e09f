// What the Windows build adds beneath the writer: the choice of family, the system's error
// texts, the track buffer's memory and the program's own path.
#include "framework/core/ModulePath.h"
#include "framework/core/PageMemory.h"
#include "tests/support/WizardStateReset.h"
#include "tests/windows/MappedDrives.h"
#include "writer/windows/NtVolumeAccess.h"
#include "writer/windows/WindowsDiskAccess.h"
#ifndef _WIN64
#include "writer/windows/Vwin32Access.h"
#endif

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

using ::testing::EndsWith;
using ::testing::HasSubstr;

TEST(PlatformFamily, ThisRunWritesThroughTheFamilyItWasStartedFor)
{
    const std::string strExpected = ExpectedFamily();
    const std::unique_ptr<CDiskAccess> pAccess = ChooseDiskAccess(1);
    if (strExpected == "NT") {
        EXPECT_EQ(GetPlatformId(), static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
        const auto* pVolume = dynamic_cast<const CNtVolumeAccess*>(pAccess.get());
        ASSERT_NE(pVolume, nullptr);
        EXPECT_EQ(pVolume->DeviceName(), "\\\\.\\B:");
    } else {
#ifdef _WIN64
        FAIL() << "a 64-bit program was started for the " << strExpected << " family, which it never sees";
#else
        ASSERT_EQ(strExpected, "95");
        EXPECT_EQ(GetPlatformId(), static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS));
        const auto* pService = dynamic_cast<const CVwin32Access*>(pAccess.get());
        ASSERT_NE(pService, nullptr);
        EXPECT_EQ(pService->Drive(), 1);
#endif
    }
}

#ifdef _WIN64
TEST(PlatformFamily, EveryPlatformIdButNtHasNoWayToTheDriveInA64BitProgram)
{
    for (const DWORD dwId : {0ul, 1ul, 3ul, 0xFFFFFFFFul})
        EXPECT_EQ(ChooseDiskAccessFor(dwId, 0), nullptr) << "platform id " << dwId;
    const std::unique_ptr<CDiskAccess> pAccess = ChooseDiskAccessFor(VER_PLATFORM_WIN32_NT, 0);
    const auto* pVolume = dynamic_cast<const CNtVolumeAccess*>(pAccess.get());
    ASSERT_NE(pVolume, nullptr);
    EXPECT_EQ(pVolume->DeviceName(), "\\\\.\\A:");
}
#else
TEST(PlatformFamily, EveryPlatformIdButNtTakesTheDiskService)
{
    for (const DWORD dwId : {0ul, 1ul, 3ul, 0xFFFFFFFFul}) {
        const std::unique_ptr<CDiskAccess> pAccess = ChooseDiskAccessFor(dwId, 0);
        EXPECT_NE(dynamic_cast<const CVwin32Access*>(pAccess.get()), nullptr) << "platform id " << dwId;
    }
    const std::unique_ptr<CDiskAccess> pAccess = ChooseDiskAccessFor(VER_PLATFORM_WIN32_NT, 0);
    const auto* pVolume = dynamic_cast<const CNtVolumeAccess*>(pAccess.get());
    ASSERT_NE(pVolume, nullptr);
    EXPECT_EQ(pVolume->DeviceName(), "\\\\.\\A:");
}
#endif

TEST(SystemErrorText, IsTheSystemsOwnTextWithItsLineEnd)
{
    ResetWizardState();
    RecordSystemError(ERROR_WRITE_PROTECT);

    EXPECT_EQ(g_nStatus, 19);
    EXPECT_THAT(g_strError, HasSubstr("rotected."));
    EXPECT_THAT(g_strError, EndsWith("\r\n"));
}

TEST(SystemErrorText, CodeWithoutATextIsNamedInOurs)
{
    // A code with the customer bit set: no system text exists for it.
    RecordSystemError(0x2000BEEF);

    EXPECT_EQ(g_nStatus, 0x2000BEEF);
    EXPECT_EQ(g_strError, "Unknown system error 536919791.");
}

TEST(PageMemory, RegionIsFreshPageAlignedWritableAndReleasedWhole)
{
    void* pRegion = AllocatePageRegion(9216);
    ASSERT_NE(pRegion, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pRegion) % 4096, 0u);
    const auto* pBytes = static_cast<const unsigned char*>(pRegion);
    EXPECT_TRUE(std::all_of(pBytes, pBytes + 9216, [](unsigned char c) { return c == 0; }));
    std::memset(pRegion, 0xA5, 9216);

    MEMORY_BASIC_INFORMATION info{};
    ASSERT_NE(::VirtualQuery(pRegion, &info, sizeof info), 0u);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_COMMIT));
    EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_READWRITE));
    EXPECT_GE(info.RegionSize, 9216u);

    ReleasePageRegion(pRegion, 9216);
    ASSERT_NE(::VirtualQuery(pRegion, &info, sizeof info), 0u);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
}

TEST(PageMemory, RegionLargerThanTheProcessCanHoldIsNull)
{
    // Three quarters of the address space: 3 GB for a 32-bit program, far beyond any
    // machine's memory for a 64-bit one.
    EXPECT_EQ(AllocatePageRegion(std::size_t{3} << (sizeof(void*) * 8 - 2)), nullptr);
}

TEST(ModulePath, IsTheFullPathOfThisProgram)
{
    const std::filesystem::path path = GetModuleFilePath();
    EXPECT_TRUE(path.is_absolute()) << path;
    EXPECT_EQ(path.filename(), "writer-tests.exe");
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
}
