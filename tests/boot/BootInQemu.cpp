// Boots a diskette image in QEMU and reads what it shows on the screen and the serial port.
#include "BootInQemu.h"

#include "tests/support/TempDir.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

const char s_szQemu[] = "qemu-system-i386";

// The colour text screen the BIOS sets up: 80 x 25 cells of character and attribute.
constexpr unsigned s_nScreenAddress = 0xb8000;
constexpr unsigned s_nColumns = 80;
constexpr unsigned s_nRows = 25;

// After the message, saving the screen and quitting take QEMU a few milliseconds; this only
// bounds a QEMU that no longer answers.
constexpr std::chrono::seconds s_quitTimeout{15};

class CFd
{
public:
    explicit CFd(int fd = -1) : m_fd(fd) {}
    ~CFd() { Close(); }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;

    int Get() const { return m_fd; }
    void Close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

std::string ErrnoText(const std::string& strWhat)
{
    return strWhat + ": " + std::strerror(errno);
}

// A value inside a comma-separated QEMU option, where a comma of its own is written twice.
std::string OptionValue(const std::string& str)
{
    std::string strValue;
    for (const char c : str) {
        strValue += c;
        if (c == ',')
            strValue += ',';
    }
    return strValue;
}

// Milliseconds left until deadline, for poll(); never negative.
int MillisecondsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Appends what a non-blocking descriptor holds now. Returns false at end of file.
bool ReadAvailable(int fd, std::string& strTo)
{
    char buffer[4096];
    for (;;) {
        const ssize_t nRead = ::read(fd, buffer, sizeof buffer);
        if (nRead > 0) {
            strTo.append(buffer, static_cast<std::size_t>(nRead));
            continue;
        }
        if (nRead == 0)
            return false;
        if (errno == EINTR)
            continue;
        return true;  // EAGAIN: nothing more for now
    }
}

// The screen's characters, one line per row without trailing blanks; cells holds the whole screen.
std::string ScreenText(const std::vector<char>& cells)
{
    std::string strText;
    for (unsigned nRow = 0; nRow < s_nRows; ++nRow) {
        std::string strRow;
        for (unsigned nColumn = 0; nColumn < s_nColumns; ++nColumn) {
            const std::size_t nCell = 2 * (nRow * s_nColumns + nColumn);
            const char c = cells[nCell];
            strRow += c == '\0' ? ' ' : c;
        }
        strRow.erase(strRow.find_last_not_of(' ') + 1);
        strText += strRow + '\n';
    }
    return strText;
}

// QEMU as a child process; killed, if it still runs, when this goes out of scope.
class CQemu
{
public:
    ~CQemu()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            Reap();
        }
    }

    // Starts QEMU with stdin, stdout and stderr on the given descriptors. Returns 0 or the
    // error of the start, as posix_spawnp gives it.
    int Start(const std::vector<std::string>& args, int fdIn, int fdOut, int fdErr)
    {
        std::vector<char*> argv;
        for (const std::string& strArg : args)
            argv.push_back(const_cast<char*>(strArg.c_str()));
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fdIn, STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, fdOut, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, fdErr, STDERR_FILENO);
        const int nError = ::posix_spawnp(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (nError != 0)
            m_pid = -1;
        return nError;
    }

    // Waits for the end of a QEMU that has closed its output.
    void Reap()
    {
        int nStatus = 0;
        while (::waitpid(m_pid, &nStatus, 0) < 0 && errno == EINTR) {
        }
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
};

} // namespace

SBootOutcome BootDiskette(const std::string& strImage, const std::string& strExpected, std::chrono::milliseconds timeout)
{
    SBootOutcome outcome;
    // A QEMU that has gone away must fail the test, not end it by SIGPIPE.
    ::signal(SIGPIPE, SIG_IGN);

    const Clock::time_point start = Clock::now();
    CTempDir dir;
    const std::string strSerialPipe = dir / "serial";
    const std::string strScreenFile = dir / "screen.bin";
    const std::string strErrorFile = dir / "qemu.err";

    // The serial port goes to a pair of named pipes that QEMU opens read-write; we keep the
    // read end of its output, so that each byte is seen when it is sent.
    if (::mkfifo((strSerialPipe + ".in").c_str(), 0600) != 0 || ::mkfifo((strSerialPipe + ".out").c_str(), 0600) != 0) {
        outcome.strProblem = ErrnoText("cannot make the serial port's pipes");
        return outcome;
    }
    // Read-write, so that the pipe has a writer of ours and never reports a hang-up.
    CFd serial(::open((strSerialPipe + ".out").c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (serial.Get() < 0) {
        outcome.strProblem = ErrnoText("cannot open the serial port's pipe");
        return outcome;
    }
    int toQemu[2], fromQemu[2];
    if (::pipe2(toQemu, O_CLOEXEC) != 0) {
        outcome.strProblem = ErrnoText("cannot make a pipe");
        return outcome;
    }
    CFd monitorIn(toQemu[1]), qemuStdin(toQemu[0]);
    if (::pipe2(fromQemu, O_CLOEXEC | O_NONBLOCK) != 0) {
        outcome.strProblem = ErrnoText("cannot make a pipe");
        return outcome;
    }
    CFd monitorOut(fromQemu[0]), qemuStdout(fromQemu[1]);
    CFd qemuStderr(::open(strErrorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (qemuStderr.Get() < 0) {
        outcome.strProblem = ErrnoText("cannot make " + strErrorFile);
        return outcome;
    }

    // The machine monitor (QMP) on QEMU's stdin and stdout: it saves the screen and quits
    // when told, and its stdout closing tells us that QEMU has ended.
    const std::vector<std::string> args = {
        s_szQemu,
        "-nodefaults", "-machine", "pc", "-accel", "tcg", "-vga", "std", "-display", "none",
        "-drive", "file=" + OptionValue(strImage) + ",if=floppy,index=0,format=raw,readonly=on",
        "-boot", "a", "-no-reboot",
        "-serial", "pipe:" + strSerialPipe,
        "-qmp", "stdio",
    };
    CQemu qemu;
    if (const int nError = qemu.Start(args, qemuStdin.Get(), qemuStdout.Get(), qemuStderr.Get()); nError != 0) {
        outcome.strProblem = std::string("cannot start ") + s_szQemu + ": " + std::strerror(nError) +
                             " (Debian's package qemu-system-x86 has it; scripts/install-deps installs it)";
        return outcome;
    }
    qemuStdin.Close();
    qemuStdout.Close();
    qemuStderr.Close();

    std::string strMonitor;
    bool bQemuRuns = true;
    const Clock::time_point deadline = start + timeout;
    while (!outcome.bMessageSeen && bQemuRuns) {
        pollfd fds[2] = {{serial.Get(), POLLIN, 0}, {monitorOut.Get(), POLLIN, 0}};
        const int nReady = ::poll(fds, 2, MillisecondsLeft(deadline));
        if (nReady < 0 && errno == EINTR)
            continue;
        if (nReady <= 0)
            break;
        ReadAvailable(serial.Get(), outcome.strSerial);
        bQemuRuns = ReadAvailable(monitorOut.Get(), strMonitor);
        outcome.bMessageSeen = outcome.strSerial.find(strExpected) != std::string::npos;
    }
    if (!outcome.bMessageSeen)
        outcome.strProblem = bQemuRuns ? "the message did not come within " + std::to_string(timeout.count()) + " ms\n"
                                       : "QEMU ended before the message came\n";

    // The screen is saved whether or not the message came: where it did not, the screen
    // shows what the BIOS made of the diskette.
    if (bQemuRuns) {
        const std::string strCommands =
            "{\"execute\":\"qmp_capabilities\"}\n"
            "{\"execute\":\"pmemsave\",\"arguments\":{\"val\":" + std::to_string(s_nScreenAddress) +
            ",\"size\":" + std::to_string(2 * s_nColumns * s_nRows) + ",\"filename\":\"" + strScreenFile + "\"}}\n"
            "{\"execute\":\"quit\"}\n";
        if (::write(monitorIn.Get(), strCommands.data(), strCommands.size()) != static_cast<ssize_t>(strCommands.size()))
            outcome.strProblem += ErrnoText("cannot talk to QEMU's monitor") + "\n";
        const Clock::time_point quitDeadline = Clock::now() + s_quitTimeout;
        while (bQemuRuns) {
            pollfd fd = {monitorOut.Get(), POLLIN, 0};
            const int nReady = ::poll(&fd, 1, MillisecondsLeft(quitDeadline));
            if (nReady < 0 && errno == EINTR)
                continue;
            if (nReady <= 0)
                break;
            bQemuRuns = ReadAvailable(monitorOut.Get(), strMonitor);
        }
        if (bQemuRuns) {
            outcome.strProblem += "QEMU did not quit when told\n";
        } else {
            qemu.Reap();
            const std::vector<char> cells = ReadWholeFile(strScreenFile);
            if (cells.size() == 2 * s_nColumns * s_nRows)
                outcome.strScreen = ScreenText(cells);
            else
                outcome.strProblem += "QEMU saved no screen\n";
        }
    }

    if (!outcome.strProblem.empty()) {
        const std::vector<char> errors = ReadWholeFile(strErrorFile);
        outcome.strProblem += "QEMU said:\n" + std::string(errors.begin(), errors.end()) + strMonitor;
    }
    return outcome;
}
