// Which devices become drives A: and B:, asked of libudev over device trees that umockdev
// makes up: a floppy controller's drive, USB floppy drives on different ports, and the USB
// stick, Zip drive and fixed disk that must never get a letter. Runs under umockdev-wrapper.
#include "writer/linux/FloppyDrives.h"

#include <gtest/gtest.h>
#include <umockdev.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// One whole disk in umockdev's record format; ID_PATH names the port it hangs on.
std::string Disk(const std::string& strName, const std::string& strDevnum, const std::string& strIdPath,
                 const std::string& strProperties, bool bRemovable = true)
{
    const std::string strMajor = strDevnum.substr(0, strDevnum.find(':'));
    const std::string strMinor = strDevnum.substr(strDevnum.find(':') + 1);
    return "P: /devices/test/" + strIdPath + "/block/" + strName + "\nN: " + strName + "\nE: DEVNAME=/dev/" +
           strName + "\nE: SUBSYSTEM=block\nE: DEVTYPE=disk\nE: MAJOR=" + strMajor + "\nE: MINOR=" + strMinor +
           "\nE: ID_PATH=" + strIdPath + "\n" + strProperties + "A: removable=" + (bRemovable ? "1" : "0") +
           "\nA: dev=" + strDevnum + "\n\n";
}

const std::string s_internal = Disk("fd0", "2:0", "platform-floppy.0", "E: ID_DRIVE_FLOPPY=1\n");
// Two USB floppy drives, the one on the later port found first by the kernel.
const std::string s_usbPort2 = Disk("sdb", "8:16", "pci-0000:00:14.0-usb-0:2:1.0-scsi-0:0:0:0", "E: ID_TYPE=floppy\n");
const std::string s_usbPort1 = Disk("sdc", "8:32", "pci-0000:00:14.0-usb-0:1:1.0-scsi-0:0:0:0",
                                    "E: ID_USB_INTERFACES=:080400:\n");
// What must never be written: a partition of a floppy, a stick, a Zip drive, a fixed disk.
const std::string s_partition = "P: /devices/test/pci-0000:00:14.0-usb-0:2:1.0-scsi-0:0:0:0/block/sdb/sdb1\nN: sdb1\n"
                                "E: DEVNAME=/dev/sdb1\nE: SUBSYSTEM=block\nE: DEVTYPE=partition\nE: ID_TYPE=floppy\n"
                                "A: removable=1\nA: dev=8:17\n\n";
const std::string s_stick = Disk("sdd", "8:48", "pci-0000:00:14.0-usb-0:3:1.0-scsi-0:0:0:0",
                                 "E: ID_TYPE=disk\nE: ID_USB_INTERFACES=:080650:\n");
const std::string s_zip = Disk("sde", "8:64", "pci-0000:00:14.0-usb-0:4:1.0-scsi-0:0:0:0",
                               "E: ID_DRIVE_FLOPPY=1\nE: ID_DRIVE_FLOPPY_ZIP=1\nE: ID_USB_INTERFACES=:080400:\n");
const std::string s_fixed = Disk("sda", "8:0", "pci-0000:00:17.0-ata-1", "E: ID_TYPE=floppy\n", false);

using Letters = std::pair<std::string, std::string>;

class FloppyDrivesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Without the preloaded library the machine's own devices would be asked.
        const char* pszPreload = std::getenv("LD_PRELOAD");
        if (pszPreload == nullptr || std::strstr(pszPreload, "libumockdev-preload") == nullptr)
            GTEST_SKIP() << "run it through umockdev-wrapper";
    }
    void TearDown() override
    {
        if (m_pTestbed != nullptr)
            g_object_unref(m_pTestbed);
        m_pTestbed = nullptr;
    }

    // The letters as the writer would find them with these devices and controller drives (by default none).
    Letters LettersWith(const std::string& strDevices, const ControllerDrivePaths& controller = {})
    {
        m_pTestbed = umockdev_testbed_new();
        GError* pError = nullptr;
        EXPECT_TRUE(umockdev_testbed_add_from_string(m_pTestbed, strDevices.c_str(), &pError))
            << (pError != nullptr ? pError->message : "");
        return {FloppyDevicePath(0, controller), FloppyDevicePath(1, controller)};
    }

    UMockdevTestbed* m_pTestbed = nullptr;
};

// The controller's drive is the testbed's /dev/fd0, which umockdev shows in place of the machine's.
TEST_F(FloppyDrivesTest, ControllerDriveKeepsAAndTheUsbDriveOnTheFirstPortTakesB)
{
    EXPECT_EQ(LettersWith(s_stick + s_usbPort2 + s_partition + s_internal + s_zip + s_usbPort1 + s_fixed,
                          {"/dev/fd0", ""}),
              Letters("/dev/fd0", "/dev/sdc"));
    // udev knows the controller's drive as a floppy too; it is not B: as well.
    TearDown();
    EXPECT_EQ(LettersWith(s_internal + s_stick, {"/dev/fd0", ""}), Letters("/dev/fd0", ""));
}

TEST_F(FloppyDrivesTest, WithoutAControllerTheUsbDrivesTakeAAndBInPortOrder)
{
    EXPECT_EQ(LettersWith(s_stick + s_usbPort2 + s_partition + s_zip + s_usbPort1 + s_fixed),
              Letters("/dev/sdc", "/dev/sdb"));
}

TEST_F(FloppyDrivesTest, ThePortsNotTheOrderLibudevListsTheDrivesInGiveTheLetters)
{
    // Each drive's parent named after the drive, so that libudev lists sda, on the second
    // port, before sdb, on the first.
    const auto Listed = [](const std::string& strName, const std::string& strDevnum, const std::string& strIdPath) {
        std::string strRecord = Disk(strName, strDevnum, strIdPath, "E: ID_TYPE=floppy\n");
        return strRecord.replace(strRecord.find(strIdPath), strIdPath.size(), strName);
    };
    EXPECT_EQ(LettersWith(Listed("sda", "8:0", "pci-0000:00:14.0-usb-0:2:1.0-scsi-0:0:0:0") +
                          Listed("sdb", "8:16", "pci-0000:00:14.0-usb-0:1:1.0-scsi-0:0:0:0")),
              Letters("/dev/sdb", "/dev/sda"));
}

// The product's own controller drives: /dev/fd0 and /dev/fd1, here the testbed's.
TEST_F(FloppyDrivesTest, ByDefaultTheControllersFd0IsAAndFd1IsB)
{
    const std::string strFd1 = Disk("fd1", "2:1", "platform-floppy.1", "E: ID_DRIVE_FLOPPY=1\n");
    // Without the controller's paths, udev's port order would put the USB drive first.
    EXPECT_EQ(LettersWith(s_internal + strFd1 + s_usbPort1), Letters("/dev/sdc", "/dev/fd0"));
    EXPECT_EQ(Letters(FloppyDevicePath(0), FloppyDevicePath(1)), Letters("/dev/fd0", "/dev/fd1"));
}

TEST_F(FloppyDrivesTest, StickZipDriveAndFixedDiskNeverGetALetter)
{
    EXPECT_EQ(LettersWith(s_stick + s_zip + s_fixed + s_partition), Letters("", ""));
    // udisks' own mark is enough for a drive that usb_id does not know as a floppy.
    TearDown();
    EXPECT_EQ(LettersWith(s_stick + s_zip + Disk("sdf", "8:80", "pci-0000:00:14.0-usb-0:5:1.0", "E: ID_DRIVE_FLOPPY=1\n")),
              Letters("/dev/sdf", ""));
}

} // namespace
