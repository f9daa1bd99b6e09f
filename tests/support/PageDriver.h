// The one way the tests and tools act on the wizard's pages as a user does: whenever a page's
// window comes up, the next step is taken on it once it is active. The shell tests' user, the
// installed program's driver and the screenshots tool each give it their steps.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <deque>
#include <functional>
#include <utility>

// A page is known by the title in its banner; "?" for a window that shows none of them.
inline QString PageTitle(const QWidget& window)
{
    for (const char* pszTitle : {"Welcome", "Drive selection", "Writing process", "End", "Error"})
        for (const QLabel* pLabel : window.findChildren<QLabel*>())
            if (pLabel->text() == QLatin1String(pszTitle))
                return QString::fromLatin1(pszTitle);
    return QStringLiteral("?");
}

class CPageDriver : public QObject
{
public:
    using Step = std::function<void(QWidget& window)>;

    // One step a page, in the order the pages come; a page that comes when none is left gets
    // afterTheLast (nothing, if it is empty). A page that closes by itself before it is active
    // (the writing page after a write that fails at once) uses up its step unseen. notActive
    // is told of a page that did not become active in time; its step is taken all the same,
    // so that a page left open cannot keep the caller waiting.
    explicit CPageDriver(std::deque<Step> steps, Step afterTheLast = {}, std::function<void()> notActive = {})
        : m_steps(std::move(steps)), m_afterTheLast(std::move(afterTheLast)), m_notActive(std::move(notActive))
    {
        qApp->installEventFilter(this);
    }
    ~CPageDriver() override { qApp->removeEventFilter(this); }
    CPageDriver(const CPageDriver&) = delete;
    CPageDriver& operator=(const CPageDriver&) = delete;

    // The title of each page that came up, in order.
    QStringList m_pagesSeen;
    // How many steps were taken on a page that was still there.
    int m_nStepsTaken = 0;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        auto* pDialog = qobject_cast<QDialog*>(pObject);
        if (pEvent->type() == QEvent::Show && pDialog != nullptr && pDialog->isWindow()) {
            m_pagesSeen << PageTitle(*pDialog);
            Step step = m_afterTheLast;
            if (!m_steps.empty()) {
                step = std::move(m_steps.front());
                m_steps.pop_front();
            }
            const QPointer<QDialog> pWindow = pDialog;
            QMetaObject::invokeMethod(this, [this, pWindow, step = std::move(step)] { Take(pWindow, step); },
                                      Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Take(const QPointer<QDialog>& pWindow, const Step& step)
    {
        // The window may go while we wait: look at it afresh each time.
        const auto there = [&pWindow]() -> QDialog* {
            QDialog* p = pWindow.data();
            return p != nullptr && p->isVisible() ? p : nullptr;
        };
        const auto active = [&] {
            const QDialog* p = there();
            return p == nullptr || p->isActiveWindow();
        };
        if (!QTest::qWaitFor(active) && m_notActive)
            m_notActive();
        QDialog* pThere = there();
        if (pThere == nullptr || !step)
            return;
        ++m_nStepsTaken;
        step(*pThere);
    }

    std::deque<Step> m_steps;
    Step m_afterTheLast;
    std::function<void()> m_notActive;
};
