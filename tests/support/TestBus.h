// A D-Bus message bus of the test's own: a real dbus-daemon on a socket in a temporary
// folder, open to every user of the machine, gone when the object goes.
#pragma once

#include "tests/support/TempDir.h"

#include <csignal>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class CTestBus
{
public:
    CTestBus()
    {
        // The writer may run as another user: it must reach the socket.
        ::chmod(m_dir.Path().c_str(), 0755);
        const std::string strConfig = m_dir / "bus.conf";
        std::ofstream(strConfig) << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                                    " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                                    "<busconfig>\n"
                                    "  <listen>unix:path=" + (m_dir / "bus") + "</listen>\n"
                                    "  <auth>EXTERNAL</auth>\n"
                                    "  <policy context=\"default\">\n"
                                    "    <allow user=\"*\"/>\n"
                                    "    <allow own=\"*\"/>\n"
                                    "    <allow send_destination=\"*\"/>\n"
                                    "    <allow receive_sender=\"*\"/>\n"
                                    "  </policy>\n"
                                    "</busconfig>\n";
        int address[2];
        if (::pipe(address) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(address[0]);
            const std::string strPrint = "--print-address=" + std::to_string(address[1]);
            const std::string strConfigArg = "--config-file=" + strConfig;
            ::execlp("dbus-daemon", "dbus-daemon", "--nofork", strConfigArg.c_str(), strPrint.c_str(), nullptr);
            ::_exit(127);
        }
        ::close(address[1]);
        // The daemon prints its address once it listens: the bus is ready when it comes.
        char szAddress[512];
        ssize_t nRead = 0;
        ssize_t n;
        while (nRead < static_cast<ssize_t>(sizeof szAddress) - 1 &&
               (n = ::read(address[0], szAddress + nRead, sizeof szAddress - 1 - static_cast<std::size_t>(nRead))) > 0) {
            nRead += n;
            if (szAddress[nRead - 1] == '\n')
                break;
        }
        ::close(address[0]);
        m_strAddress.assign(szAddress, static_cast<std::size_t>(nRead));
        while (!m_strAddress.empty() && m_strAddress.back() == '\n')
            m_strAddress.pop_back();
    }
    ~CTestBus()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    CTestBus(const CTestBus&) = delete;
    CTestBus& operator=(const CTestBus&) = delete;

    // Empty when the daemon did not come up.
    const std::string& Address() const { return m_strAddress; }

private:
    CTempDir m_dir;
    pid_t m_pid = -1;
    std::string m_strAddress;
};
