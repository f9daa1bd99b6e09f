// A wait that keeps a dialog's window alive on the toolkit: the toolkit's own event loop runs
// until the awaited handle's descriptor becomes readable, with a filter in front of it that
// lets through what keeps the window alive and drops what the user or the page would act on.
#include "framework/BackEnd.h"

#include "DialogWindow.h"
#include "QtHandles.h"

#include <QApplication>
#include <QEventLoop>
#include <QSocketNotifier>

namespace {

// Drops, for as long as it is installed on the application: keyboard and mouse input
// anywhere, the window system's request to close the dialog, and the messages posted to it.
class CWaitFilter : public QObject
{
public:
    explicit CWaitFilter(QWidget* pDialog) : m_pDialog(pDialog) { QApplication::instance()->installEventFilter(this); }
    ~CWaitFilter() override { QApplication::instance()->removeEventFilter(this); }
    CWaitFilter(const CWaitFilter&) = delete;
    CWaitFilter& operator=(const CWaitFilter&) = delete;

    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        switch (pEvent->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            break;
        }
        if (pObject == m_pDialog &&
            (pEvent->type() == QEvent::Close || pEvent->type() == CPostedMessageEvent::EventType()))
            return true;
        return QObject::eventFilter(pObject, pEvent);
    }

private:
    QWidget* const m_pDialog;
};

} // namespace

void AfxWaitKeepingAlive(HWND hDialog, HANDLE hObject)
{
    const int fdSignalled = GetHandlePollDescriptor(hObject);
    if (fdSignalled == -1 || QApplication::instance() == nullptr) {
        WaitForSingleObject(hObject, INFINITE);
        return;
    }
    CWaitFilter filter(WidgetOf(hDialog));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    // The descriptor stays readable once the handle is signalled, so an end that came before
    // the notifier is seen at its first turn.
    QSocketNotifier signalled(fdSignalled, QSocketNotifier::Read);
    QObject::connect(&signalled, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    if (WaitForSingleObject(hObject, 0) != WAIT_OBJECT_0)
        loop.exec();
    QApplication::restoreOverrideCursor();
}
