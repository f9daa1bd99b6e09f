// Drives a page as a user would: shows it with DoModal and, inside its modal loop once its
// window is up and active, runs a script against the window.
#pragma once

#include "framework/Dialog.h"
#include "framework/qt/WidgetAccess.h"
#include "tests/support/PageDriver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <functional>
#include <ostream>

// Texts as text in test messages.
inline void PrintTo(const QString& strText, std::ostream* pStream)
{
    *pStream << '"' << strText.toStdString() << '"';
}

// What DoModal returns when the script left the page open and the helper had to end it.
inline constexpr int LEFT_OPEN = -77;

// Runs the script once the page's window is active; ends the page with LEFT_OPEN if the
// script left it open. Returns DoModal's result; bRan tells whether the window ever came up.
inline int ShowPage(CDialog& page, const std::function<void(QWidget& window)>& script, bool* pbRan = nullptr)
{
    CPageDriver driver({[&](QWidget& window) {
                           script(window);
                           if (window.isVisible())
                               page.EndDialog(LEFT_OPEN);
                       }},
                       {}, [] { ADD_FAILURE() << "the page's window did not become active"; });
    const int nResult = page.DoModal();
    if (pbRan != nullptr)
        *pbRan = driver.m_nStepsTaken > 0;
    return nResult;
}

// A key as the user types it, at whatever has the keyboard focus.
inline void Type(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* pTarget = QApplication::focusWidget();
    QTest::keyClick(pTarget != nullptr ? pTarget : &window, key, modifiers);
}

template <class TWidget = QWidget>
TWidget* Control(CDialog& page, int nID)
{
    return qobject_cast<TWidget*>(WidgetOf(page.GetDlgItem(nID)));
}

// A control's text as the page shows it.
inline QString TextOf(CDialog& page, int nID)
{
    return GetWidgetText(WidgetOf(page.GetDlgItem(nID)));
}

// Alt and the letter, as the user types it, and the radio button it selects.
inline void SelectByKey(QWidget& window, Qt::Key key, QRadioButton* pRadio)
{
    ASSERT_NE(pRadio, nullptr);
    QSignalSpy toggled(pRadio, &QAbstractButton::toggled);
    QTest::keyClick(&window, key, Qt::AltModifier);
    if (!pRadio->isChecked()) {
        ASSERT_TRUE(toggled.wait(2000));
    }
    EXPECT_TRUE(pRadio->isChecked());
}

// The window as drawn, at one image pixel per window pixel.
inline QImage Snapshot(QWidget& window)
{
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image.scaled(window.size());
}
