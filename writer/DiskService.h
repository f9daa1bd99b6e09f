// The disk service of the 95 family: the VWIN32 driver carries out MS-DOS INT 26h (absolute
// disk write) for a 32-bit program. Its request records are the driver's published ones and
// are laid out here without the system headers, so that the request can be built and its
// answer read on any platform, against a stand-in service where there is no VWIN32.
#pragma once

#include "framework/core/Types.h"

#include <cstdint>

// The register block: sent with the request and returned with the registers as the
// interrupt left them.
struct DIOC_REGISTERS
{
    std::uint32_t reg_EBX;
    std::uint32_t reg_EDX;
    std::uint32_t reg_ECX;
    std::uint32_t reg_EAX;
    std::uint32_t reg_EDI;
    std::uint32_t reg_ESI;
    std::uint32_t reg_Flags;
};
static_assert(sizeof(DIOC_REGISTERS) == 28, "the driver reads exactly seven 32-bit registers");

// The INT 25h/26h packet that reg_EBX points at when reg_ECX is 0xFFFF.
#pragma pack(push, 1)
struct DISKIO
{
    std::uint32_t diStartSector;
    std::uint16_t diSectors;
    std::uint32_t diBuffer;
};
#pragma pack(pop)
static_assert(sizeof(DISKIO) == 10, "the packet has no padding");

inline constexpr DWORD VWIN32_DIOC_DOS_INT26 = 3;
// Bit 0 of reg_Flags: set by the interrupt when the write failed.
inline constexpr std::uint32_t DISK_SERVICE_CARRY = 0x0001;

class CDiskService
{
public:
    virtual ~CDiskService() = default;

    // Hands the register block to the service under dwControlCode and lets it fill the block
    // in. The service finds the packet through reg_EBX; it is passed here as well only so
    // that a stand-in can read it where an address does not fit in 32 bits. Returns FALSE
    // when the request never reached the service.
    virtual BOOL Request(DWORD dwControlCode, DIOC_REGISTERS& regs, const DISKIO& packet) = 0;

    // Why the last request did not reach the service: the system's code, 0 if it gave none.
    virtual DWORD LastError() const = 0;
};

// The BIOS disk status text of the low 8 bits of nStatus.
const char* BiosDiskStatusText(int nStatus);
