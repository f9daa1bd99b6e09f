// Stands in for udisks2 on a test bus, answering as udisksd 2.9.4 does: it resolves only the
// one device node it knows, opens it for whoever asks with the flags given as an int32
// "flags" and with none otherwise, refuses an unknown mode or access bits among the flags,
// and refuses with polkit's error names when told to. It can also hold its answer to the
// open as a password dialog that is still up holds it, and tells whether the caller went
// away meanwhile. It remembers what it was asked.
#pragma once

#include "tests/support/Monitor.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/eventfd.h>
#include <systemd/sd-bus.h>
#include <thread>
#include <unistd.h>

class CUdisksStandIn
{
public:
    static constexpr const char* s_pszBlockObject = "/org/freedesktop/UDisks2/block_devices/fd0";

    enum class EAnswer {
        open,             // the user gave the password
        notAuthorized,    // polkit says no
        canObtain,        // polkit could ask, but no agent is there to ask the user
        hold,             // the password dialog is up until Release()
    };

    CUdisksStandIn(std::string strAddress, std::string strDevice, EAnswer answer)
        : m_strAddress(std::move(strAddress)), m_strDevice(std::move(strDevice)), m_answer(answer)
    {
        std::promise<bool> ready;
        std::future<bool> isReady = ready.get_future();
        m_service = std::thread([this, &ready] { Serve(ready); });
        m_bReady = isReady.get();
    }
    ~CUdisksStandIn()
    {
        Signal(m_quit);
        m_service.join();
        ::close(m_quit);
        ::close(m_release);
    }
    CUdisksStandIn(const CUdisksStandIn&) = delete;
    CUdisksStandIn& operator=(const CUdisksStandIn&) = delete;

    bool IsReady() const { return m_bReady; }
    int Resolves() const { return m_nResolves; }
    int Opens() const { return m_nOpens; }
    // The flags as the caller sent them, if it sent them as udisksd reads them.
    std::optional<int> Flags() const { return m_monitor.Read([this] { return m_flags; }); }
    // Whether the caller let polkit ask the user, as a desktop program must.
    bool InteractionAllowed() const { return m_bInteractive; }
    std::string Mode() const { return m_monitor.Read([this] { return m_strMode; }); }

    // With EAnswer::hold: whether an open is being held, and whether its caller has gone
    // (hung up its connection) since.
    bool IsHolding() const { return m_monitor.Read([this] { return m_pHeld != nullptr; }); }
    void WaitUntilCallerGone() { m_monitor.WaitUntil([this] { return m_bCallerGone; }); }
    // Answers the held open as the real service does once the password is given: with the
    // device, opened. Returns once the answer has been sent (or could not be).
    void Release()
    {
        Signal(m_release);
        m_monitor.WaitUntil([this] { return m_pHeld == nullptr; });
    }

private:
    static void Signal(int fd)
    {
        const std::uint64_t nOne = 1;
        [[maybe_unused]] const ssize_t nWritten = ::write(fd, &nOne, sizeof nOne);
    }

    // The service's own thread: its connection is used by nobody else. Its methods serve
    // callers of any user, as udisks2 does; sd-bus otherwise answers only its own user.
    void Serve(std::promise<bool>& ready)
    {
        sd_bus* pBus = nullptr;
        static const sd_bus_vtable s_manager[] = {
            SD_BUS_VTABLE_START(0),
            SD_BUS_METHOD("ResolveDevice", "a{sv}a{sv}", "ao", &CUdisksStandIn::OnResolveDevice, SD_BUS_VTABLE_UNPRIVILEGED),
            SD_BUS_VTABLE_END};
        static const sd_bus_vtable s_block[] = {
            SD_BUS_VTABLE_START(0),
            SD_BUS_METHOD("OpenDevice", "sa{sv}", "h", &CUdisksStandIn::OnOpenDevice, SD_BUS_VTABLE_UNPRIVILEGED),
            SD_BUS_VTABLE_END};
        const bool bUp = sd_bus_new(&pBus) >= 0 && sd_bus_set_address(pBus, m_strAddress.c_str()) >= 0 &&
                         sd_bus_set_bus_client(pBus, 1) >= 0 && sd_bus_negotiate_fds(pBus, 1) >= 0 &&
                         sd_bus_start(pBus) >= 0 &&
                         sd_bus_add_object_vtable(pBus, nullptr, "/org/freedesktop/UDisks2/Manager",
                                                  "org.freedesktop.UDisks2.Manager", s_manager, this) >= 0 &&
                         sd_bus_add_object_vtable(pBus, nullptr, s_pszBlockObject, "org.freedesktop.UDisks2.Block",
                                                  s_block, this) >= 0 &&
                         sd_bus_request_name(pBus, "org.freedesktop.UDisks2", 0) >= 0;
        ready.set_value(bUp);
        while (bUp) {
            while (sd_bus_process(pBus, nullptr) > 0) {
            }
            pollfd fds[] = {{sd_bus_get_fd(pBus), static_cast<short>(sd_bus_get_events(pBus)), 0},
                            {m_quit, POLLIN, 0},
                            {m_release, POLLIN, 0}};
            if (::poll(fds, 3, -1) < 0 && errno != EINTR)
                break;
            if ((fds[1].revents & POLLIN) != 0)
                break;
            if ((fds[2].revents & POLLIN) != 0) {
                std::uint64_t nCount = 0;
                [[maybe_unused]] const ssize_t nRead = ::read(m_release, &nCount, sizeof nCount);
                AnswerHeld();
            }
        }
        AnswerHeld();
        sd_bus_flush_close_unref(pBus);
    }

    // Reads the options a{sv}: the value named pszKey if its type is pszType, else nothing.
    static bool ReadOption(sd_bus_message* pMessage, const char* pszKey, char cType, void* pValue)
    {
        bool bFound = false;
        if (sd_bus_message_enter_container(pMessage, 'a', "{sv}") < 0)
            return false;
        while (sd_bus_message_enter_container(pMessage, 'e', "sv") > 0) {
            const char* pszName = nullptr;
            const char* pszContents = nullptr;
            if (sd_bus_message_read(pMessage, "s", &pszName) < 0 ||
                sd_bus_message_peek_type(pMessage, nullptr, &pszContents) < 0)
                return false;
            const char szType[] = {cType, '\0'};
            if (std::strcmp(pszName, pszKey) == 0 && std::strcmp(pszContents, szType) == 0) {
                bFound = sd_bus_message_read(pMessage, "v", szType, pValue) >= 0;
            } else if (sd_bus_message_skip(pMessage, "v") < 0) {
                return false;
            }
            sd_bus_message_exit_container(pMessage);
        }
        sd_bus_message_exit_container(pMessage);
        return bFound;
    }

    static int OnResolveDevice(sd_bus_message* pMessage, void* pThis, sd_bus_error*)
    {
        auto& self = *static_cast<CUdisksStandIn*>(pThis);
        ++self.m_nResolves;
        const char* pszPath = "";
        ReadOption(pMessage, "path", 's', &pszPath);
        sd_bus_message* pReply = nullptr;
        sd_bus_message_new_method_return(pMessage, &pReply);
        sd_bus_message_open_container(pReply, 'a', "o");
        // Only the node itself: udisksd knows no link but udev's own.
        if (self.m_strDevice == pszPath)
            sd_bus_message_append(pReply, "o", s_pszBlockObject);
        sd_bus_message_close_container(pReply);
        const int nResult = sd_bus_send(nullptr, pReply, nullptr);
        sd_bus_message_unref(pReply);
        return nResult;
    }

    static int OnOpenDevice(sd_bus_message* pMessage, void* pThis, sd_bus_error* pError)
    {
        auto& self = *static_cast<CUdisksStandIn*>(pThis);
        ++self.m_nOpens;
        const char* pszMode = "";
        int nFlags = 0;
        sd_bus_message_read(pMessage, "s", &pszMode);
        const bool bFlags = ReadOption(pMessage, "flags", 'i', &nFlags);
        self.m_monitor.Change([&] {
            self.m_strMode = pszMode;
            self.m_flags = bFlags ? std::optional<int>(nFlags) : std::nullopt;
        });
        self.m_bInteractive = sd_bus_message_get_allow_interactive_authorization(pMessage) > 0;

        int nAccess = 0;
        if (std::strcmp(pszMode, "r") == 0)
            nAccess = O_RDONLY;
        else if (std::strcmp(pszMode, "w") == 0)
            nAccess = O_WRONLY;
        else if (std::strcmp(pszMode, "rw") == 0)
            nAccess = O_RDWR;
        else
            return sd_bus_error_set(pError, "org.freedesktop.UDisks2.Error.Failed", "Unknown mode");
        if ((nFlags & O_ACCMODE) != 0)
            return sd_bus_error_set(pError, "org.freedesktop.UDisks2.Error.Failed",
                                    "Unsupported flags: the access mode belongs in the mode argument");
        switch (self.m_answer) {
        case EAnswer::notAuthorized:
            return sd_bus_error_set(pError, "org.freedesktop.UDisks2.Error.NotAuthorized", "Not authorized");
        case EAnswer::canObtain:
            return sd_bus_error_set(pError, "org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain",
                                    "Authentication is required");
        case EAnswer::hold:
            self.Hold(pMessage, nAccess | nFlags);
            return 1;
        case EAnswer::open:
            break;
        }
        return self.ReplyOpened(pMessage, nAccess | nFlags);
    }

    int ReplyOpened(sd_bus_message* pMessage, int nFlags) const
    {
        // openat: udisksd is a process of its own, which a test's refusal of the drive to
        // the writer's open() does not reach.
        const int fd = ::openat(AT_FDCWD, m_strDevice.c_str(), O_CLOEXEC | nFlags);
        if (fd == -1)
            return sd_bus_reply_method_errno(pMessage, errno, nullptr);
        const int nResult = sd_bus_reply_method_return(pMessage, "h", fd);
        ::close(fd);
        return nResult;
    }

    // Keeps the call for later, and watches its caller's connection.
    void Hold(sd_bus_message* pMessage, int nFlags)
    {
        sd_bus_track* pTrack = nullptr;
        if (sd_bus_track_new(sd_bus_message_get_bus(pMessage), &pTrack, &CUdisksStandIn::OnCallerGone, this) >= 0)
            sd_bus_track_add_sender(pTrack, pMessage);
        m_monitor.Change([&] {
            m_pHeld = sd_bus_message_ref(pMessage);
            m_nHeldFlags = nFlags;
            m_pTrack = pTrack;
        });
    }

    static int OnCallerGone(sd_bus_track*, void* pThis)
    {
        auto& self = *static_cast<CUdisksStandIn*>(pThis);
        // An empty track stays due for dispatch until it goes: it has done its job.
        self.m_monitor.Change([&] {
            self.m_bCallerGone = true;
            self.m_pTrack = sd_bus_track_unref(self.m_pTrack);
        });
        return 0;
    }

    void AnswerHeld()
    {
        sd_bus_message* pHeld = m_monitor.Read([this] { return m_pHeld; });
        if (pHeld == nullptr)
            return;
        ReplyOpened(pHeld, m_nHeldFlags);
        sd_bus_message_unref(pHeld);
        m_monitor.Change([&] {
            m_pHeld = nullptr;
            m_pTrack = sd_bus_track_unref(m_pTrack);
        });
    }

    const std::string m_strAddress;
    const std::string m_strDevice;
    const EAnswer m_answer;
    const int m_quit = ::eventfd(0, EFD_CLOEXEC);
    const int m_release = ::eventfd(0, EFD_CLOEXEC);
    std::atomic<int> m_nResolves{0};
    std::atomic<int> m_nOpens{0};
    std::atomic<bool> m_bInteractive{false};
    mutable CMonitor m_monitor;
    std::optional<int> m_flags;
    std::string m_strMode;
    sd_bus_message* m_pHeld = nullptr;
    int m_nHeldFlags = 0;
    sd_bus_track* m_pTrack = nullptr;
    bool m_bCallerGone = false;
    bool m_bReady = false;
    std::thread m_service;
};
