// Opening a drive through udisks2 over sd-bus, which may ask the user for the password.
#include "UdisksOpen.h"

#include "framework/core/Event.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <systemd/sd-bus.h>
#include <time.h>

namespace {

const char s_szService[] = "org.freedesktop.UDisks2";

struct SBusDeleter
{
    void operator()(sd_bus* p) const { sd_bus_flush_close_unref(p); }
    void operator()(sd_bus_message* p) const { sd_bus_message_unref(p); }
    void operator()(sd_bus_slot* p) const { sd_bus_slot_unref(p); }
};
template <class T>
using BusPtr = std::unique_ptr<T, SBusDeleter>;

int KeepReply(sd_bus_message* pReply, void* pKept, sd_bus_error*)
{
    static_cast<BusPtr<sd_bus_message>*>(pKept)->reset(sd_bus_message_ref(pReply));
    return 0;
}

// How long poll may sleep before sd-bus has a time limit of its own to act on.
int PollTimeout(sd_bus* pBus)
{
    std::uint64_t nUntil = 0;
    if (sd_bus_get_timeout(pBus, &nUntil) <= 0 || nUntil == UINT64_MAX)
        return -1;
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const std::uint64_t nNow = static_cast<std::uint64_t>(now.tv_sec) * 1000000 + static_cast<std::uint64_t>(now.tv_nsec) / 1000;
    const std::uint64_t nMs = nUntil > nNow ? (nUntil - nNow + 999) / 1000 : 0;
    return nMs < 60000 ? static_cast<int>(nMs) : 60000;
}

// Sends the call and waits for its reply or for the stop request, whichever comes first;
// the reply, or nullptr when the call failed, was refused or was given up for the stop.
// nTimeout is sd-bus's: 0 for the bus's default limit, UINT64_MAX for none.
BusPtr<sd_bus_message> Call(sd_bus* pBus, sd_bus_message* pCall, std::uint64_t nTimeout, const CEvent& stopRequested)
{
    BusPtr<sd_bus_message> pReply;
    sd_bus_slot* pRawSlot = nullptr;
    if (sd_bus_call_async(pBus, &pRawSlot, pCall, KeepReply, &pReply, nTimeout) < 0)
        return nullptr;
    // Dropping the slot gives up the call: a reply that comes after is thrown away.
    BusPtr<sd_bus_slot> pSlot(pRawSlot);
    // Without an event descriptor the stop is still seen, a moment late.
    const int fdStop = stopRequested.GetPollDescriptor();
    const int nStopLookMs = fdStop == -1 ? 100 : -1;
    while (!pReply) {
        if (stopRequested.IsSet())
            return nullptr;
        const int nProcessed = sd_bus_process(pBus, nullptr);
        if (nProcessed < 0)
            return nullptr;
        if (nProcessed > 0)
            continue;
        const int nEvents = sd_bus_get_events(pBus);
        if (nEvents < 0)
            return nullptr;
        pollfd fds[] = {{sd_bus_get_fd(pBus), static_cast<short>(nEvents), 0}, {fdStop, POLLIN, 0}};
        const int nBusMs = PollTimeout(pBus);
        const int nWaitMs = nStopLookMs == -1 ? nBusMs : nBusMs == -1 ? nStopLookMs : std::min(nBusMs, nStopLookMs);
        if (::poll(fds, 2, nWaitMs) < 0 && errno != EINTR)
            return nullptr;
    }
    if (sd_bus_message_is_method_error(pReply.get(), nullptr))
        return nullptr;
    return pReply;
}

// udisks2's object for the block device at strPath; empty when it knows none.
std::string ResolveDevice(sd_bus* pBus, const std::string& strPath, const CEvent& stopRequested)
{
    sd_bus_message* pRaw = nullptr;
    if (sd_bus_message_new_method_call(pBus, &pRaw, s_szService, "/org/freedesktop/UDisks2/Manager",
                                       "org.freedesktop.UDisks2.Manager", "ResolveDevice") < 0)
        return {};
    BusPtr<sd_bus_message> pCall(pRaw);
    if (sd_bus_message_append(pCall.get(), "a{sv}", 1, "path", "s", strPath.c_str()) < 0 ||
        sd_bus_message_append(pCall.get(), "a{sv}", 0) < 0)
        return {};
    BusPtr<sd_bus_message> pReply = Call(pBus, pCall.get(), 0, stopRequested);
    const char* pszObject = nullptr;
    if (!pReply || sd_bus_message_enter_container(pReply.get(), 'a', "o") < 0 ||
        sd_bus_message_read(pReply.get(), "o", &pszObject) <= 0)
        return {};
    return pszObject;
}

} // namespace

int OpenThroughUdisks(const std::string& strPath, int nFlags, const CEvent& stopRequested)
{
    // The writer's own connection, closed on every way out: after a stop nothing that
    // udisks2 sends later can reach us.
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
    const std::string strObject = ResolveDevice(pBus.get(), strDevice, stopRequested);
    if (strObject.empty())
        return -1;

    sd_bus_message* pRaw = nullptr;
    if (sd_bus_message_new_method_call(pBus.get(), &pRaw, s_szService, strObject.c_str(),
                                       "org.freedesktop.UDisks2.Block", "OpenDevice") < 0)
        return -1;
    BusPtr<sd_bus_message> pCall(pRaw);
    // udisksd reads the flags only as an int32 named "flags", and ignores them otherwise.
    if (sd_bus_message_append(pCall.get(), "s", "w") < 0 ||
        sd_bus_message_append(pCall.get(), "a{sv}", 1, "flags", "i", nFlags) < 0)
        return -1;
    // No time limit: the user may take a while over the password.
    BusPtr<sd_bus_message> pReply = Call(pBus.get(), pCall.get(), UINT64_MAX, stopRequested);
    int fd = -1;
    if (!pReply || sd_bus_message_read(pReply.get(), "h", &fd) <= 0)
        return -1;
    // The reply owns the descriptor it carries; ours outlives it.
    return ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
}
