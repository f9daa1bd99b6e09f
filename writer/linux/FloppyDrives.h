// Which Linux devices are drives A: and B:: the floppy controller's own drives keep their
// letters, and the floppy drives that udev knows (USB ones, mostly) take the letters left.
#pragma once

#include <array>
#include <string>
#include <sys/types.h>
#include <vector>

struct SFloppyDrive
{
    std::string strDevNode;  // "/dev/sdb"
    std::string strIdPath;   // udev's ID_PATH: the port, so the same port gives the same letter
    dev_t devnum;
};

// The whole-disk block devices that udev marks as floppy drives (usb_id's ID_TYPE=floppy, a
// USB interface of class 08 subclass 04, or udisks' ID_DRIVE_FLOPPY), removable and not Zip
// drives, in ID_PATH order. Empty when udev cannot be asked.
std::vector<SFloppyDrive> FindFloppyDrives();

// The devices of A: and B: (empty where there is none). controller[i] is /dev/fd<i> with the
// device it leads to, where it exists; the other drives take the free letters in their order,
// leaving out any that a controller letter already leads to.
std::vector<std::string> AssignDriveLetters(const std::vector<std::pair<std::string, dev_t>>& controller,
                                            const std::vector<SFloppyDrive>& others);

// Where a floppy controller's drives A: and B: appear; an empty path stands for no drive.
using ControllerDrivePaths = std::array<std::string, 2>;

// The controller's drives where they exist (followed through links), with their devices.
std::vector<std::pair<std::string, dev_t>> ControllerDrives(const ControllerDrivePaths& paths);

// The device of drive nDrive (0 = A:, 1 = B:) as of now; empty when the letter has none.
// The controller's drives are the machine's own unless a test brings drives of its own.
std::string FloppyDevicePath(int nDrive, const ControllerDrivePaths& controller = {"/dev/fd0", "/dev/fd1"});
