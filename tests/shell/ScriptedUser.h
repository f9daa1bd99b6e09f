// The user of a whole wizard run: its steps are taken by the page driver
// (tests/support/PageDriver.h); here are the page behind a window, and a watchdog that ends a
// run which does not end by itself.
#pragma once

#include "ModalScript.h"
#include "TestSite.h"
#include "tests/support/Monitor.h"
#include "tests/support/PageDriver.h"

#include <QApplication>

#include <chrono>
#include <thread>

// The page object behind a page's window.
inline CDialog& PageOf(QWidget& window)
{
    return *static_cast<CDialog*>(CWnd::FromHandlePermanent(HandleOf(&window)));
}

// Watches a wizard run from a thread of its own (the writer may never end, and the page waits
// for it). Should the run not end in time, it records a failure, lets go of a writer held at
// the site's gate and presses Escape on whatever page is up.
class CWizardWatchdog
{
public:
    CWizardWatchdog(CTestSite& site, std::chrono::milliseconds limit)
        : m_watcher([this, &site, limit] {
              if (m_monitor.WaitUntil([this] { return m_bEnded; }, limit))
                  return;
              ADD_FAILURE() << "the wizard did not end within " << limit.count() << " ms: the writer never finished";
              site.Gate().Release();
              QMetaObject::invokeMethod(
                  qApp,
                  [] {
                      if (QWidget* pWindow = QApplication::activeModalWidget())
                          Type(*pWindow, Qt::Key_Escape);
                  },
                  Qt::QueuedConnection);
          })
    {
    }
    ~CWizardWatchdog()
    {
        m_monitor.Change([this] { m_bEnded = true; });
        m_watcher.join();
    }

private:
    CMonitor m_monitor;
    bool m_bEnded = false;
    std::thread m_watcher;
};
