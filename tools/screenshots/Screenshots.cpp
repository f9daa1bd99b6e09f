// Renders every page as the wizard shows it, without a screen, into <folder>/<page>.png:
// the page's window inside a drawn classic frame with its caption, so that the pages can be
// looked at and compared without running the wizard. The writing page is caught in the middle
// of a real write to a file, and the error page shows an error as the system words it.
#include "framework/WinApp.h"
#include "pages/DrivePage.h"
#include "pages/ErrorPage.h"
#include "pages/FinishPage.h"
#include "pages/WelcomePage.h"
#include "pages/WritePage.h"
#include "framework/core/ModulePath.h"
#include "res/Resource.h"
#include "tests/shell/TestSite.h"
#include "tests/support/PageDriver.h"
#include "writer/WizardState.h"

#include <QApplication>
#include <QWidget>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

class CScreenshotApp : public CWinApp
{
};

// A window frame of the classic kind around the page's client area: raised border and a
// shaded title bar with the caption; the page has no close box, so the bar has none.
QImage Framed(const QImage& client, const QString& strCaption)
{
    const int nBorder = 4;
    const int nCaption = 18;
    QImage image(client.width() + 2 * nBorder, client.height() + 2 * nBorder + nCaption + 1, QImage::Format_RGB32);
    image.fill(QColor(0xD4, 0xD0, 0xC8));
    QPainter painter(&image);
    const QRect r = image.rect();
    painter.setPen(QColor(0xD4, 0xD0, 0xC8));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawLine(1, 1, r.width() - 3, 1);
    painter.drawLine(1, 1, 1, r.height() - 3);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(1, r.height() - 2, r.width() - 2, r.height() - 2);
    painter.drawLine(r.width() - 2, 1, r.width() - 2, r.height() - 2);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(0, r.height() - 1, r.width() - 1, r.height() - 1);
    painter.drawLine(r.width() - 1, 0, r.width() - 1, r.height() - 1);

    const QRect bar(nBorder - 1, nBorder - 1, r.width() - 2 * nBorder + 2, nCaption);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, QColor(0x0A, 0x24, 0x6A));
    gradient.setColorAt(1, QColor(0xA6, 0xCA, 0xF0));
    painter.fillRect(bar, gradient);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(bar.adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, strCaption);

    painter.drawImage(nBorder, nBorder + nCaption + 1, client);
    return image;
}

// Shows the page, takes its picture once it is up and ready, and leaves it through its own
// Cancel.
bool Render(CDialog& page, const QString& strFile, const std::function<bool()>& ready)
{
    bool bSaved = false;
    CPageDriver driver({[&](QWidget& window) {
        if (ready()) {
            // What the page has been sent so far is shown before the picture is taken.
            QCoreApplication::sendPostedEvents();
            bSaved = Framed(window.grab().toImage(), window.windowTitle()).save(strFile);
        }
        page.Post(WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    }});
    page.DoModal();
    return bSaved;
}

// The folder of this program, where the build also puts the wizard and its image.
std::string ProgramFolder()
{
    const std::string strPath = GetModuleFilePath();
    return strPath.substr(0, strPath.find_last_of('/') + 1);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    CScreenshotApp screenshotApp;
    screenshotApp.Enable3dControlsStatic();

    const QString strFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(strFolder);

    // A write to a file, held before track 72 (the bar then stands at 44 %) until the page's
    // Cancel asks the writer to stop.
    CTestSite site;
    site.PlaceImage();
    site.Gate().HoldBefore(72, true);

    // After the write above, a failed one as the NT family reports a worn diskette: the
    // system's own text, which takes two lines.
    const auto failedWrite = [] {
        g_nStatus = 1117;
        g_strError = "The request could not be performed because of an I/O device error.\r\n";
        g_strInputFile = ProgramFolder() + "korvant-setup.000";
        g_strOutputDevice = "A:";
    };

    CWelcomePage welcomePage;
    CDrivePage drivePage;
    CTestWritePage writePage(site);
    CFinishPage finishPage;
    CErrorPage errorPage;
    const auto always = [] { return true; };
    const struct {
        CDialog* pPage;
        const char* pszName;
        std::function<void()> before;  // sets up what the page shows when it opens
        std::function<bool()> ready;   // waits, once the page is up, for the moment to take
    } pages[] = {
        {&welcomePage, "welcome", [] {}, always},
        {&drivePage, "drive", [] {}, always},
        {&writePage, "write", [] {}, [&] { return site.Gate().WaitUntilHeld(); }},
        {&finishPage, "finish", [] {}, always},
        {&errorPage, "error", failedWrite, always},
    };

    int nFailed = 0;
    for (const auto& page : pages) {
        const QString strFile = QDir(strFolder).filePath(QString::fromLatin1(page.pszName) + QStringLiteral(".png"));
        page.before();
        if (Render(*page.pPage, strFile, page.ready)) {
            std::printf("%s\n", qPrintable(strFile));
        } else {
            std::fprintf(stderr, "could not render %s\n", page.pszName);
            ++nFailed;
        }
    }
    return nFailed == 0 ? 0 : 1;
}
