// Drives A: and B: on Linux: the controller's drives, then udev's floppy drives by port.
#include "FloppyDrives.h"

#include <algorithm>
#include <cstring>
#include <libudev.h>
#include <memory>
#include <sys/stat.h>
#include <tuple>

namespace {

struct SUdevDeleter
{
    void operator()(udev* p) const { udev_unref(p); }
    void operator()(udev_enumerate* p) const { udev_enumerate_unref(p); }
    void operator()(udev_device* p) const { udev_device_unref(p); }
};
template <class T>
using UdevPtr = std::unique_ptr<T, SUdevDeleter>;

std::string Property(udev_device* pDevice, const char* pszName)
{
    const char* pszValue = udev_device_get_property_value(pDevice, pszName);
    return pszValue != nullptr ? pszValue : "";
}

bool IsFloppyDrive(udev_device* pDevice)
{
    const char* pszType = udev_device_get_devtype(pDevice);
    if (pszType == nullptr || std::strcmp(pszType, "disk") != 0)
        return false;
    // A Zip drive also calls itself a floppy, but its disks hold 100 MB and more.
    if (Property(pDevice, "ID_DRIVE_FLOPPY_ZIP") == "1")
        return false;
    const char* pszRemovable = udev_device_get_sysattr_value(pDevice, "removable");
    if (pszRemovable == nullptr || std::strcmp(pszRemovable, "1") != 0)
        return false;
    return Property(pDevice, "ID_TYPE") == "floppy" || Property(pDevice, "ID_DRIVE_FLOPPY") == "1" ||
           Property(pDevice, "ID_USB_INTERFACES").find(":0804") != std::string::npos;
}

} // namespace

std::vector<SFloppyDrive> FindFloppyDrives()
{
    std::vector<SFloppyDrive> drives;
    UdevPtr<udev> pUdev(udev_new());
    if (!pUdev)
        return drives;
    UdevPtr<udev_enumerate> pEnumerate(udev_enumerate_new(pUdev.get()));
    if (!pEnumerate || udev_enumerate_add_match_subsystem(pEnumerate.get(), "block") < 0 ||
        udev_enumerate_scan_devices(pEnumerate.get()) < 0)
        return drives;

    udev_list_entry* pEntry = nullptr;
    udev_list_entry_foreach(pEntry, udev_enumerate_get_list_entry(pEnumerate.get()))
    {
        UdevPtr<udev_device> pDevice(udev_device_new_from_syspath(pUdev.get(), udev_list_entry_get_name(pEntry)));
        if (!pDevice || !IsFloppyDrive(pDevice.get()))
            continue;
        const char* pszNode = udev_device_get_devnode(pDevice.get());
        if (pszNode == nullptr)
            continue;
        drives.push_back({pszNode, Property(pDevice.get(), "ID_PATH"), udev_device_get_devnum(pDevice.get())});
    }
    // A drive without a port (none is known) comes after those with one.
    std::sort(drives.begin(), drives.end(), [](const SFloppyDrive& a, const SFloppyDrive& b) {
        return std::make_tuple(a.strIdPath.empty(), a.strIdPath, a.strDevNode) <
               std::make_tuple(b.strIdPath.empty(), b.strIdPath, b.strDevNode);
    });
    return drives;
}

std::vector<std::string> AssignDriveLetters(const std::vector<std::pair<std::string, dev_t>>& controller,
                                            const std::vector<SFloppyDrive>& others)
{
    std::vector<std::string> letters(2);
    std::vector<dev_t> taken;
    for (std::size_t i = 0; i < controller.size() && i < letters.size(); ++i) {
        letters[i] = controller[i].first;
        if (!letters[i].empty() && controller[i].second != 0)
            taken.push_back(controller[i].second);
    }
    auto free = letters.begin();
    for (const SFloppyDrive& drive : others) {
        if (std::find(taken.begin(), taken.end(), drive.devnum) != taken.end())
            continue;
        free = std::find(free, letters.end(), std::string());
        if (free == letters.end())
            break;
        *free = drive.strDevNode;
    }
    return letters;
}

std::vector<std::pair<std::string, dev_t>> ControllerDrives(const ControllerDrivePaths& paths)
{
    std::vector<std::pair<std::string, dev_t>> drives;
    for (const std::string& strPath : paths) {
        struct stat st{};
        if (!strPath.empty() && ::stat(strPath.c_str(), &st) == 0)
            drives.emplace_back(strPath, S_ISBLK(st.st_mode) ? st.st_rdev : 0);
        else
            drives.emplace_back(std::string(), 0);
    }
    return drives;
}

std::string FloppyDevicePath(int nDrive, const ControllerDrivePaths& controller)
{
    if (nDrive != 0 && nDrive != 1)
        return {};
    return AssignDriveLetters(ControllerDrives(controller), FindFloppyDrives())[static_cast<std::size_t>(nDrive)];
}
