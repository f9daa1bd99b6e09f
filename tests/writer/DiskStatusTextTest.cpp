// The BIOS disk status texts that the 95 family reports a failed track with.
#include "writer/DiskService.h"

#include <gtest/gtest.h>

namespace {

std::string TextOf(int nStatus)
{
    return BiosDiskStatusText(nStatus);
}

} // namespace

// The codes that a failed diskette write reports and its messages name, and the table's
// first and last rows; a code of no row reads as unknown.
TEST(DiskStatusText, TheCodesTheSystemQuotesHaveTheirTextsAndOthersReadAsUnknown)
{
    EXPECT_EQ(TextOf(0x01), "bad command passed to driver");
    EXPECT_EQ(TextOf(0x03), "diskette write protect error");
    EXPECT_EQ(TextOf(0x06), "diskette changed or removed");
    EXPECT_EQ(TextOf(0x0C), "unsupported track/invalid media");
    EXPECT_EQ(TextOf(0x80), "time out, drive not ready");
    EXPECT_EQ(TextOf(0xFF), "sense operation failed");

    for (const int nCode : {0x00, 0x12, 0x41, 0x7F, 0xFE})
        EXPECT_EQ(TextOf(nCode), "unknown error") << "code " << nCode;
}

TEST(DiskStatusText, OnlyTheLowEightBitsSelectTheRow)
{
    EXPECT_EQ(TextOf(0x103), "diskette write protect error");
    EXPECT_EQ(TextOf(0x1203), "diskette write protect error");
    EXPECT_EQ(TextOf(0x7FFFFF80), "time out, drive not ready");
    EXPECT_EQ(TextOf(-1), "sense operation failed");
    EXPECT_EQ(TextOf(-0xFD), "diskette write protect error");  // 0x...FF03
    EXPECT_EQ(TextOf(0x300), "unknown error");
    EXPECT_EQ(TextOf(0x12), "unknown error");
    EXPECT_EQ(TextOf(0x81), "unknown error");
}
