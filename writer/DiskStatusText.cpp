// The BIOS disk status codes of INT 13h and their texts, which the disk service answers with.
#include "DiskService.h"

namespace {

// The BIOS disk status codes of INT 13h and their texts.
struct SDiskStatusText
{
    unsigned char nCode;
    const char* pszText;
};

const SDiskStatusText s_diskStatusTexts[] = {
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

} // namespace

const char* BiosDiskStatusText(int nStatus)
{
    const auto nCode = static_cast<unsigned char>(nStatus & 0xFF);
    for (const SDiskStatusText& row : s_diskStatusTexts)
        if (row.nCode == nCode)
            return row.pszText;
    return "unknown error";
}
