// The program's start-up on the toolkit, and the classic look of its controls there.
#include "framework/BackEnd.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// What the toolkit would start its windows on: an explicitly chosen platform (tests choose
// the offscreen one), else a Wayland or X display; empty when there is none.
struct SDisplay
{
    const char* pszKind;
    std::string strName;
};

SDisplay ChosenDisplay()
{
    for (const char* pszVariable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* pszValue = std::getenv(pszVariable);
        if (pszValue != nullptr && *pszValue != '\0')
            return {pszVariable[0] == 'Q' ? "platform" : "display", pszValue};
    }
    return {nullptr, {}};
}

// Only while the toolkit starts: its fatal message there means the display or platform
// could not be opened, and it would end the process with advice to reinstall, which does
// not help. Everything else it says passes on unchanged.
const char* s_pszStartingApp = nullptr;
QtMessageHandler s_pPreviousHandler = nullptr;

// The toolkit's application object, from the start to the end of the window system. It
// keeps a reference to the count of arguments it was shown.
int s_nArgs = 0;
std::unique_ptr<QApplication> s_pApplication;

void OnMessageWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& strMessage)
{
    if (type != QtFatalMsg) {
        s_pPreviousHandler(type, context, strMessage);
        return;
    }
    const SDisplay display = ChosenDisplay();
    std::fprintf(stderr, "%s needs a graphical desktop, and the %s \"%s\" could not be opened.\n", s_pszStartingApp,
                 display.pszKind != nullptr ? display.pszKind : "display", display.strName.c_str());
    // The toolkit is half made: leave without running anyone's clean-up.
    std::_Exit(1);
}

QPalette ClassicPalette()
{
    const QColor face(0xD4, 0xD0, 0xC8);
    const QColor shadow(0x80, 0x80, 0x80);
    QPalette palette(face);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::Light, Qt::white);
        palette.setColor(group, QPalette::Midlight, face);
        palette.setColor(group, QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
        palette.setColor(group, QPalette::Dark, shadow);
        palette.setColor(group, QPalette::Shadow, QColor(0x40, 0x40, 0x40));
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Highlight, QColor(0x0A, 0x24, 0x6A));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        const QColor text = group == QPalette::Disabled ? shadow : QColor(Qt::black);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Text, text);
    }
    return palette;
}

} // namespace

bool AfxEnable3dControls()
{
    QStyle* pStyle = QStyleFactory::create(QStringLiteral("Windows"));
    if (pStyle == nullptr)
        return false;
    QApplication::setStyle(pStyle);
    QApplication::setPalette(ClassicPalette());
    return true;
}

bool AfxStartWindowSystem(int argc, char* argv[], const char* pszAppName)
{
    // Started over a remote shell or from a text console there is nowhere to show a page.
    // The toolkit would find that out only by failing; one plain line serves the user better.
    if (ChosenDisplay().pszKind == nullptr) {
        std::fprintf(stderr, "%s needs a graphical desktop, and no display was found.\n", pszAppName);
        return false;
    }

    // The program takes no command line: the toolkit is shown only the program's name.
    s_nArgs = argc > 0 ? 1 : 0;
    s_pszStartingApp = pszAppName;
    s_pPreviousHandler = qInstallMessageHandler(OnMessageWhileStarting);
    s_pApplication = std::make_unique<QApplication>(s_nArgs, argv);
    qInstallMessageHandler(s_pPreviousHandler);
    // The pages come and go one after the other; no window closing ends anything.
    QApplication::setQuitOnLastWindowClosed(false);
    return true;
}

void AfxRunMessageLoop()
{
    QApplication::exec();
}

void AfxEndWindowSystem()
{
    s_pApplication.reset();
}
