// Renders every page as the wizard shows it, without a screen, into <folder>/<page>.png:
// the page's window inside a drawn classic frame with its caption, so that the pages can be
// looked at and compared without running the wizard.
#include "framework/WinApp.h"
#include "pages/DrivePage.h"
#include "pages/PlaceholderPage.h"
#include "pages/WelcomePage.h"
#include "res/Resource.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

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

// Shows the page, takes its picture once it is up, and closes it again.
bool Render(CDialog& page, const QString& strFile)
{
    bool bSaved = false;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            QWidget* pWindow = QApplication::activeModalWidget();
            if (pWindow != nullptr) {
                const QImage client = pWindow->grab().toImage();
                bSaved = Framed(client, pWindow->windowTitle()).save(strFile);
            }
            page.EndDialog(IDCANCEL);
        },
        Qt::QueuedConnection);
    page.DoModal();
    return bSaved;
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

    CWelcomePage welcomePage;
    CDrivePage drivePage;
    CWritePage writePage;
    CFinishPage finishPage;
    CErrorPage errorPage;
    const struct {
        CDialog* pPage;
        const char* pszName;
    } pages[] = {
        {&welcomePage, "welcome"}, {&drivePage, "drive"}, {&writePage, "write"},
        {&finishPage, "finish"},   {&errorPage, "error"},
    };

    int nFailed = 0;
    for (const auto& page : pages) {
        const QString strFile = QDir(strFolder).filePath(QString::fromLatin1(page.pszName) + QStringLiteral(".png"));
        if (Render(*page.pPage, strFile)) {
            std::printf("%s\n", qPrintable(strFile));
        } else {
            std::fprintf(stderr, "could not render %s\n", page.pszName);
            ++nFailed;
        }
    }
    return nFailed == 0 ? 0 : 1;
}
