// A dialog's place on the toolkit, as DS_CENTER gives it on Windows: its frame centred in the
// work area of the screen that the pointer is on.
#include "Placement.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// The borders that the window manager put around the last page it framed. They are known only
// once a window has been framed, and every page gets the same ones, so the first page is
// placed without them and moved once they are known, and every later page is placed with them.
QMargins s_frameBorders;

QRect WorkArea()
{
    QScreen* pScreen = QGuiApplication::screenAt(QCursor::pos());
    if (pScreen == nullptr)
        pScreen = QGuiApplication::primaryScreen();
    return pScreen != nullptr ? pScreen->availableGeometry() : QRect();
}

void Place(QWidget& window)
{
    const QRect area = WorkArea();
    if (area.isEmpty())
        return;
    // The client area where the frame around it has its centre at the work area's.
    const QMargins& borders = s_frameBorders;
    const QSize client = window.size();
    const QPoint topLeft(area.x() + (area.width() - client.width() + borders.left() - borders.right()) / 2,
                         area.y() + (area.height() - client.height() + borders.top() - borders.bottom()) / 2);
    window.setGeometry(QRect(topLeft, client));
}

// Moves the page once more when its frame's borders turn out other than those it was placed
// with. They are known once the window manager has framed the window, which is before the
// window is first shown on the screen (exposed).
class CFrameWatch : public QObject
{
public:
    CFrameWatch(QWidget& window, QWindow& handle) : QObject(&window), m_window(window), m_handle(handle)
    {
        handle.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Expose && m_handle.isExposed()) {
            const QMargins borders = m_handle.frameMargins();
            if (borders != s_frameBorders) {
                s_frameBorders = borders;
                Place(m_window);
            }
            m_handle.removeEventFilter(this);
        }
        return false;
    }

private:
    QWidget& m_window;
    QWindow& m_handle;
};

} // namespace

void PlaceInTheCentre(QWidget& window)
{
    // Where the window system places every window itself, as Wayland does, a position asked
    // for is not honoured: nothing is forced there.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    Place(window);
    window.winId();
    if (QWindow* pHandle = window.windowHandle())
        new CFrameWatch(window, *pHandle);
}
