// What a test that drives the wizard needs to know of a page's window: which page it is, and
// when it is ready for keys. Shared by the shell tests' user and the installed program's driver.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTest>

// A page is known by the title in its banner; "?" for a window that shows none of them.
inline QString PageTitle(const QWidget& window)
{
    for (const char* pszTitle : {"Welcome", "Drive selection", "Writing process", "End", "Error"})
        for (const QLabel* pLabel : window.findChildren<QLabel*>())
            if (pLabel->text() == QLatin1String(pszTitle))
                return QString::fromLatin1(pszTitle);
    return QStringLiteral("?");
}

// Waits until the page's window is active or gone, whichever comes first (a writing page may
// close by itself before it is ever active). The window if it is there and active, else null.
inline QDialog* WaitUntilActive(const QPointer<QDialog>& pWindow, bool* pbTimedOut = nullptr)
{
    // The window may go while we wait: look at it afresh each time.
    const auto gone = [&pWindow] {
        const QDialog* p = pWindow.data();
        return p == nullptr || !p->isVisible();
    };
    const bool bSettled = QTest::qWaitFor([&] { return gone() || pWindow.data()->isActiveWindow(); });
    if (pbTimedOut != nullptr)
        *pbTimedOut = !bSettled;
    return bSettled && !gone() ? pWindow.data() : nullptr;
}
