// Preloaded into an installed program by the install tests: goes through the wizard from the
// keyboard as a user does, with every drive kept absent, and prints each page it sees and
// the texts of the last one, so that a test sees which image the program found.
#include "tests/support/PageDriver.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

void Say(const char* pszWhat, const QString& strText)
{
    std::printf("%s: %s\n", pszWhat, strText.toLocal8Bit().constData());
    std::fflush(stdout);
}

// Once a page is up and active: Enter takes the default button (Next with drive A: chosen,
// then the last page's button, which ends the wizard). The writing page ends by itself.
void ActOn(QWidget& window)
{
    const QString strTitle = PageTitle(window);
    Say("page", strTitle);
    if (strTitle == QLatin1String("Writing process"))
        return;
    if (strTitle == QLatin1String("End") || strTitle == QLatin1String("Error"))
        for (const QLabel* pLabel : window.findChildren<QLabel*>())
            Say("text", pLabel->text());
    QWidget* pFocus = QApplication::focusWidget();
    QTest::keyClick(pFocus != nullptr ? pFocus : &window, Qt::Key_Return);
}

void StartDriving()
{
    // It drives for as long as the program runs.
    new CPageDriver({}, &ActOn, [] { Say("page", QStringLiteral("never became active")); });
}

// Whatever drives this machine has, at /dev/fd0 and /dev/fd1 or elsewhere (a USB floppy
// drive is a disk like any other), the test writes nothing to them: no block device opens.
bool IsDrive(const char* pszPath)
{
    if (pszPath == nullptr)
        return false;
    if (std::strcmp(pszPath, "/dev/fd0") == 0 || std::strcmp(pszPath, "/dev/fd1") == 0)
        return true;
    struct stat st{};
    return ::stat(pszPath, &st) == 0 && S_ISBLK(st.st_mode);
}

template <class TOpen>
int OpenUnlessDrive(const char* pszName, const char* pszPath, int nFlags, va_list args)
{
    mode_t mode = 0;
    if ((nFlags & (O_CREAT | O_TMPFILE)) != 0)
        mode = va_arg(args, mode_t);
    if (IsDrive(pszPath)) {
        Say("drive kept absent", QString::fromLocal8Bit(pszPath));
        errno = ENOENT;
        return -1;
    }
    static const auto s_pNext = reinterpret_cast<TOpen>(::dlsym(RTLD_NEXT, pszName));
    return s_pNext(pszPath, nFlags, mode);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriving)

using OpenFunction = int (*)(const char*, int, ...);

extern "C" int open(const char* pszPath, int nFlags, ...)
{
    va_list args;
    va_start(args, nFlags);
    const int fd = OpenUnlessDrive<OpenFunction>("open", pszPath, nFlags, args);
    va_end(args);
    return fd;
}

extern "C" int open64(const char* pszPath, int nFlags, ...)
{
    va_list args;
    va_start(args, nFlags);
    const int fd = OpenUnlessDrive<OpenFunction>("open64", pszPath, nFlags, args);
    va_end(args);
    return fd;
}
