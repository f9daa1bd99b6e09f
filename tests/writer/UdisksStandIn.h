// Stands in for udisks2 on a test bus: it resolves the one device it knows and opens it for
// whoever asks, as the real service does once polkit agrees, or refuses as polkit does when
// the user dismisses the password dialog. It remembers what it was asked.
#pragma once

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <mutex>
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

    CUdisksStandIn(std::string strAddress, std::string strDevice, bool bRefuse)
        : m_strAddress(std::move(strAddress)), m_strDevice(std::move(strDevice)), m_bRefuse(bRefuse)
    {
        std::promise<bool> ready;
        std::future<bool> isReady = ready.get_future();
        m_service = std::thread([this, &ready] { Serve(ready); });
        m_bReady = isReady.get();
    }
    ~CUdisksStandIn()
    {
        const std::uint64_t nOne = 1;
        [[maybe_unused]] const ssize_t nWritten = ::write(m_quit, &nOne, sizeof nOne);
        m_service.join();
        ::close(m_quit);
    }
    CUdisksStandIn(const CUdisksStandIn&) = delete;
    CUdisksStandIn& operator=(const CUdisksStandIn&) = delete;

    bool IsReady() const { return m_bReady; }
    int Resolves() const { return m_nResolves; }
    int Opens() const { return m_nOpens; }
    int Flags() const { return m_nFlags; }
    // Whether the caller let polkit ask the user, as a desktop program must.
    bool InteractionAllowed() const { return m_bInteractive; }
    std::string Mode() const
    {
        std::lock_guard lock(m_mutex);
        return m_strMode;
    }

private:
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
            pollfd fds[] = {{sd_bus_get_fd(pBus), static_cast<short>(sd_bus_get_events(pBus)), 0}, {m_quit, POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0 && errno != EINTR)
                break;
            if ((fds[1].revents & POLLIN) != 0)
                break;
        }
        sd_bus_flush_close_unref(pBus);
    }

    // Reads the options a{sv}, taking the integer named strKey; true if the message was read.
    static bool ReadOptions(sd_bus_message* pMessage, const char* pszKey, const char* pszType, void* pValue)
    {
        if (sd_bus_message_enter_container(pMessage, 'a', "{sv}") < 0)
            return false;
        while (sd_bus_message_enter_container(pMessage, 'e', "sv") > 0) {
            const char* pszName = nullptr;
            if (sd_bus_message_read(pMessage, "s", &pszName) < 0)
                return false;
            if (std::strcmp(pszName, pszKey) == 0) {
                if (sd_bus_message_read(pMessage, "v", pszType, pValue) < 0)
                    return false;
            } else if (sd_bus_message_skip(pMessage, "v") < 0) {
                return false;
            }
            sd_bus_message_exit_container(pMessage);
        }
        return sd_bus_message_exit_container(pMessage) >= 0;
    }

    static int OnResolveDevice(sd_bus_message* pMessage, void* pThis, sd_bus_error*)
    {
        auto& self = *static_cast<CUdisksStandIn*>(pThis);
        ++self.m_nResolves;
        const char* pszPath = "";
        ReadOptions(pMessage, "path", "s", &pszPath);
        sd_bus_message* pReply = nullptr;
        sd_bus_message_new_method_return(pMessage, &pReply);
        sd_bus_message_open_container(pReply, 'a', "o");
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
        ReadOptions(pMessage, "flags", "i", &nFlags);
        {
            std::lock_guard lock(self.m_mutex);
            self.m_strMode = pszMode;
        }
        self.m_nFlags = nFlags;
        self.m_bInteractive = sd_bus_message_get_allow_interactive_authorization(pMessage) > 0;
        if (self.m_bRefuse)
            return sd_bus_error_set(pError, "org.freedesktop.UDisks2.Error.NotAuthorizedDismissed",
                                    "The administrator did not agree.");
        const int fd = ::open(self.m_strDevice.c_str(), O_WRONLY | O_CLOEXEC | nFlags);
        if (fd == -1)
            return sd_bus_error_set_errno(pError, errno);
        const int nResult = sd_bus_reply_method_return(pMessage, "h", fd);
        ::close(fd);
        return nResult;
    }

    const std::string m_strAddress;
    const std::string m_strDevice;
    const bool m_bRefuse;
    const int m_quit = ::eventfd(0, EFD_CLOEXEC);
    std::atomic<int> m_nResolves{0};
    std::atomic<int> m_nOpens{0};
    std::atomic<int> m_nFlags{0};
    std::atomic<bool> m_bInteractive{false};
    mutable std::mutex m_mutex;
    std::string m_strMode;
    bool m_bReady = false;
    std::thread m_service;
};
