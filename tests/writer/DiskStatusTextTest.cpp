// The BIOS disk status texts that the 95 family reports a failed track with.
#include "writer/DiskService.h"

#include <gtest/gtest.h>

namespace {

std::string TextOf(int nStatus)
{
    return BiosDiskStatusText(nStatus);
}

} // namespace

TEST(DiskStatusText, EveryCodeOfTheTableHasItsText)
{
    const std::pair<int, const char*> table[] = {
        {0x01, "bad command passed to driver"},
        {0x02, "address mark not found or bad sector"},
        {0x03, "diskette write protect error"},
        {0x04, "sector not found"},
        {0x05, "fixed disk reset failed"},
        {0x06, "diskette changed or removed"},
        {0x07, "bad fixed disk parameter table"},
        {0x08, "DMA overrun"},
        {0x09, "DMA access across 64k boundary"},
        {0x0A, "bad fixed disk sector flag"},
        {0x0B, "bad fixed disk cylinder"},
        {0x0C, "unsupported track/invalid media"},
        {0x0D, "invalid number of sectors on fixed disk format"},
        {0x0E, "fixed disk controlled data address mark detected"},
        {0x0F, "fixed disk DMA arbitration level out of range"},
        {0x10, "ECC/CRC error on disk read"},
        {0x11, "recoverable fixed disk data error, data fixed by ECC"},
        {0x20, "controller error (NEC for floppies)"},
        {0x40, "seek failure"},
        {0x80, "time out, drive not ready"},
        {0xAA, "fixed disk drive not ready"},
        {0xBB, "fixed disk undefined error"},
        {0xCC, "fixed disk write fault on selected drive"},
        {0xE0, "fixed disk status error/Error reg = 0"},
        {0xFF, "sense operation failed"},
    };
    int nKnown = 0;
    for (int nCode = 0; nCode < 256; ++nCode) {
        const std::string strText = TextOf(nCode);
        const char* pszExpected = "unknown error";
        for (const auto& [nRow, pszText] : table)
            if (nRow == nCode)
                pszExpected = pszText;
        EXPECT_EQ(strText, pszExpected) << "code " << nCode;
        nKnown += strText != "unknown error";
    }
    EXPECT_EQ(nKnown, 25);
}

TEST(DiskStatusText, OnlyTheLowEightBitsSelectTheRow)
{
    EXPECT_EQ(TextOf(0x103), "diskette write protect error");
    EXPECT_EQ(TextOf(0x7FFFFF80), "time out, drive not ready");
    EXPECT_EQ(TextOf(-1), "sense operation failed");
    EXPECT_EQ(TextOf(0x300), "unknown error");
    EXPECT_EQ(TextOf(0x12), "unknown error");
    EXPECT_EQ(TextOf(0x81), "unknown error");
}
