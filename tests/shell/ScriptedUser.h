// The user of a whole wizard run: a step for each page as it comes up, and a watchdog that
// ends a run which does not end by itself.
#pragma once

#include "ModalScript.h"
#include "TestSite.h"
#include "tests/support/PageWindow.h"

#include <QDialog>
#include <QPointer>

#include <deque>
#include <functional>
#include <thread>

// Acts as the user: each time a page's window comes up, names it and takes the next step on
// it once it is active. A page that closes by itself before then (the writing page after a
// write that fails at once) uses up its step unseen. With no steps left the user presses
// Escape, so that a wrong turn cannot keep the test waiting.
class CScriptedUser : public QObject
{
public:
    using Step = std::function<void(QWidget&)>;

    explicit CScriptedUser(std::deque<Step> steps) : m_steps(std::move(steps)) { qApp->installEventFilter(this); }
    ~CScriptedUser() override { qApp->removeEventFilter(this); }

    QStringList m_pagesSeen;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        auto* pDialog = qobject_cast<QDialog*>(pObject);
        if (pEvent->type() == QEvent::Show && pDialog != nullptr && pDialog->isWindow()) {
            m_pagesSeen << PageTitle(*pDialog);
            Step step = [](QWidget& window) { Type(window, Qt::Key_Escape); };
            if (!m_steps.empty()) {
                step = std::move(m_steps.front());
                m_steps.pop_front();
            }
            QPointer<QDialog> pWindow = pDialog;
            QMetaObject::invokeMethod(
                this,
                [pWindow, step = std::move(step)] {
                    bool bTimedOut = false;
                    QDialog* pActive = WaitUntilActive(pWindow, &bTimedOut);
                    EXPECT_FALSE(bTimedOut);
                    if (pActive != nullptr)
                        step(*pActive);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::deque<Step> m_steps;
};

// The page object behind a page's window.
inline CDialog& PageOf(QWidget& window)
{
    return *static_cast<CDialog*>(CWnd::FromHandlePermanent(HandleOf(&window)));
}

// Watches a wizard run from a thread of its own (the page may be blocked, waiting for the
// writer). Should the run not end in time, it records a failure, lets go of a writer held at
// the site's gate and presses Escape on whatever page is up.
class CWizardWatchdog
{
public:
    CWizardWatchdog(CTestSite& site, std::chrono::milliseconds limit)
        : m_watcher([this, &site, limit] {
              std::unique_lock lock(m_mutex);
              if (m_ended.wait_for(lock, limit, [this] { return m_bEnded; }))
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
        {
            std::lock_guard lock(m_mutex);
            m_bEnded = true;
        }
        m_ended.notify_all();
        m_watcher.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_bEnded = false;
    std::thread m_watcher;
};
