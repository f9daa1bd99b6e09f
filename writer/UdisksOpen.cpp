// Opening a drive through udisks2 over sd-bus, which may ask the user for the password.
#include "UdisksOpen.h"

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <systemd/sd-bus.h>

namespace {

const char s_szService[] = "org.freedesktop.UDisks2";

struct SBusDeleter
{
    void operator()(sd_bus* p) const { sd_bus_flush_close_unref(p); }
    void operator()(sd_bus_message* p) const { sd_bus_message_unref(p); }
};
template <class T>
using BusPtr = std::unique_ptr<T, SBusDeleter>;

// Sends the call and returns its reply; nullptr when it failed or was refused.
BusPtr<sd_bus_message> Call(sd_bus* pBus, sd_bus_message* pCall, std::uint64_t nTimeout)
{
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_bus_message* pReply = nullptr;
    const int nResult = sd_bus_call(pBus, pCall, nTimeout, &error, &pReply);
    sd_bus_error_free(&error);
    return BusPtr<sd_bus_message>(nResult >= 0 ? pReply : nullptr);
}

// udisks2's object for the block device at strPath; empty when it knows none.
std::string ResolveDevice(sd_bus* pBus, const std::string& strPath)
{
    sd_bus_message* pRaw = nullptr;
    if (sd_bus_message_new_method_call(pBus, &pRaw, s_szService, "/org/freedesktop/UDisks2/Manager",
                                       "org.freedesktop.UDisks2.Manager", "ResolveDevice") < 0)
        return {};
    BusPtr<sd_bus_message> pCall(pRaw);
    if (sd_bus_message_append(pCall.get(), "a{sv}", 1, "path", "s", strPath.c_str()) < 0 ||
        sd_bus_message_append(pCall.get(), "a{sv}", 0) < 0)
        return {};
    BusPtr<sd_bus_message> pReply = Call(pBus, pCall.get(), 0);
    const char* pszObject = nullptr;
    if (!pReply || sd_bus_message_enter_container(pReply.get(), 'a', "o") < 0 ||
        sd_bus_message_read(pReply.get(), "o", &pszObject) <= 0)
        return {};
    return pszObject;
}

} // namespace

int OpenThroughUdisks(const std::string& strPath, int nFlags)
{
    sd_bus* pRawBus = nullptr;
    if (sd_bus_open_system(&pRawBus) < 0)
        return -1;
    BusPtr<sd_bus> pBus(pRawBus);
    // Lets polkit ask the user (for the administrator's password) instead of refusing.
    sd_bus_set_allow_interactive_authorization(pBus.get(), 1);

    // udisks2 knows a device by its node and udev's links to it, not by a link of our own
    // such as a hand-made /dev/fd0: ask for what the path leads to.
    char* pszReal = ::realpath(strPath.c_str(), nullptr);
    const std::string strDevice = pszReal != nullptr ? pszReal : strPath;
    std::free(pszReal);
    const std::string strObject = ResolveDevice(pBus.get(), strDevice);
    if (strObject.empty())
        return -1;

    sd_bus_message* pRaw = nullptr;
    if (sd_bus_message_new_method_call(pBus.get(), &pRaw, s_szService, strObject.c_str(),
                                       "org.freedesktop.UDisks2.Block", "OpenDevice") < 0)
        return -1;
    BusPtr<sd_bus_message> pCall(pRaw);
    if (sd_bus_message_append(pCall.get(), "s", "w") < 0 ||
        sd_bus_message_append(pCall.get(), "a{sv}", 1, "flags", "i", nFlags) < 0)
        return -1;
    // No time limit: the user may take a while over the password.
    BusPtr<sd_bus_message> pReply = Call(pBus.get(), pCall.get(), UINT64_MAX);
    int fd = -1;
    if (!pReply || sd_bus_message_read(pReply.get(), "h", &fd) <= 0)
        return -1;
    // The reply owns the descriptor it carries; ours outlives it.
    return ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
}
