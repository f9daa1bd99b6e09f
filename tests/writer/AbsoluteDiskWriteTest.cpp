// The 95 family's track write: how the INT 26h request is built and how its answer is read,
// against a stand-in disk service that records the request and answers as told.
#include "tests/support/WizardStateReset.h"
#include "writer/DiskService.h"
#include "writer/WriteThread.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::uint32_t Low32(const void* p)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

class CFakeDiskService : public CDiskService
{
public:
    // The answer: whether the request reaches the service, the system's reason if not, and
    // the registers the interrupt leaves when it does.
    BOOL bReached = TRUE;
    DWORD dwError = 0;
    std::uint32_t nReturnedEax = 0;
    std::uint32_t nReturnedFlags = 0;

    // What came in.
    int nRequests = 0;
    DWORD dwControlCode = 0;
    DIOC_REGISTERS sent{};
    unsigned char packetBytes[sizeof(DISKIO)]{};
    bool bEbxAddressesThePacket = false;

    BOOL Request(DWORD dwCode, DIOC_REGISTERS& regs, const DISKIO& packet) override
    {
        ++nRequests;
        dwControlCode = dwCode;
        sent = regs;
        std::memcpy(packetBytes, &packet, sizeof packet);
        bEbxAddressesThePacket = regs.reg_EBX == Low32(&packet);
        if (sizeof(void*) == 4 && bEbxAddressesThePacket) {
            // Where addresses are 32 bits, read the packet the way the driver does.
            const auto* pAddressed = reinterpret_cast<const unsigned char*>(static_cast<std::uintptr_t>(regs.reg_EBX));
            bEbxAddressesThePacket = std::memcmp(pAddressed, packetBytes, sizeof packetBytes) == 0;
        }
        if (!bReached)
            return FALSE;
        regs.reg_EAX = nReturnedEax;
        regs.reg_Flags = nReturnedFlags;
        return TRUE;
    }

    DWORD LastError() const override { return dwError; }

    std::uint32_t PacketField(std::size_t nOffset, std::size_t nWidth) const
    {
        std::uint32_t nValue = 0;
        for (std::size_t i = 0; i < nWidth; ++i)
            nValue |= static_cast<std::uint32_t>(packetBytes[nOffset + i]) << (8 * i);
        return nValue;
    }
};

class AbsoluteDiskWriteTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetWizardState(); }

    BOOL Write(int nDrive, DWORD dwStartSector, UINT nSectors = 18)
    {
        return CWriteThread::AbsoluteDiskWrite(m_service, nDrive, dwStartSector, nSectors, m_track.data());
    }

    CFakeDiskService m_service;
    std::vector<char> m_track = std::vector<char>(9216);
};

} // namespace

TEST_F(AbsoluteDiskWriteTest, OneRequestCarriesTheRegistersAndThePacketAsTheDriverReadsThem)
{
    ASSERT_TRUE(Write(0, 2862));

    EXPECT_EQ(m_service.nRequests, 1);
    EXPECT_EQ(m_service.dwControlCode, 3u);
    EXPECT_TRUE(m_service.bEbxAddressesThePacket);
    EXPECT_EQ(m_service.sent.reg_EDX, 0u);
    EXPECT_EQ(m_service.sent.reg_ECX, 0xFFFFu);
    EXPECT_EQ(m_service.sent.reg_EAX, 0u);
    EXPECT_EQ(m_service.sent.reg_EDI, 0u);
    EXPECT_EQ(m_service.sent.reg_ESI, 0u);
    EXPECT_EQ(m_service.sent.reg_Flags, 0u);

    // Little-endian, no padding: start sector at 0, count at 4, buffer at 6.
    EXPECT_EQ(m_service.PacketField(0, 4), 2862u);
    EXPECT_EQ(m_service.PacketField(4, 2), 18u);
    EXPECT_EQ(m_service.PacketField(6, 4), Low32(m_track.data()));
}

TEST_F(AbsoluteDiskWriteTest, DriveTakesItsLowByteAndTheCountItsLowSixteenBits)
{
    const std::pair<int, std::uint32_t> drives[] = {{1, 1}, {0x1234, 0x34}, {-1, 0xFF}, {0x100, 0}};
    for (const auto& [nDrive, nSent] : drives) {
        Write(nDrive, 0);
        EXPECT_EQ(m_service.sent.reg_EAX, nSent) << "drive " << nDrive;
    }
    Write(1, 0x12345678, 0x10012);
    EXPECT_EQ(m_service.PacketField(0, 4), 0x12345678u);
    EXPECT_EQ(m_service.PacketField(4, 2), 0x12u);
    EXPECT_EQ(m_service.sent.reg_ECX, 0xFFFFu) << "the count travels in the packet only";
}

TEST_F(AbsoluteDiskWriteTest, CarryClearIsSuccessWhateverElseComesBack)
{
    m_service.nReturnedEax = 0x0301;
    m_service.nReturnedFlags = 0xFFFFFFFE;

    EXPECT_TRUE(Write(0, 18));
    EXPECT_EQ(g_nStatus, 0);
    EXPECT_EQ(g_strError, "");
}

TEST_F(AbsoluteDiskWriteTest, CarrySetRecordsTheWholeEaxAndTheTextOfItsSecondByte)
{
    struct SCase
    {
        std::uint32_t nEax;
        const char* pszText;
    };
    const SCase cases[] = {
        {0x00000301, "diskette write protect error"},
        {0xABCD8002, "time out, drive not ready"},
        {0x00000201, "address mark not found or bad sector"},
        {0x00001202, "unknown error"},
        {0x00000002, "unknown error"},
        {0x00008102, "unknown error"},
        {0x0003FF00, "sense operation failed"},
    };
    for (const SCase& c : cases) {
        SetUp();
        m_service.nReturnedEax = c.nEax;
        m_service.nReturnedFlags = 0x0001;

        EXPECT_FALSE(Write(0, 36));
        EXPECT_EQ(g_nStatus, static_cast<int>(c.nEax)) << std::hex << c.nEax;
        EXPECT_EQ(g_strError, c.pszText) << std::hex << c.nEax;
    }
}

TEST_F(AbsoluteDiskWriteTest, RequestThatNeverReachesTheServiceFailsWithANonzeroStatus)
{
    // The registers come back as sent, carry clear: only the call's own result tells.
    m_service.bReached = FALSE;
    m_service.dwError = 50;
    EXPECT_FALSE(Write(0, 0));
    EXPECT_EQ(g_nStatus, 50);
    EXPECT_EQ(g_strError, "Unable to reach the disk service (system error 50).");

    SetUp();
    m_service.dwError = 0;
    EXPECT_FALSE(Write(1, 18));
    EXPECT_EQ(g_nStatus, -1);
    EXPECT_EQ(g_strError, "Unable to reach the disk service.");
}
