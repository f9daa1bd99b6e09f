// The wizard from its first page on, with the real pages, driven from the keyboard.
#include "ModalScript.h"
#include "app/PageSequence.h"
#include "pages/DrivePage.h"
#include "pages/PlaceholderPage.h"
#include "pages/WelcomePage.h"
#include "writer/WizardState.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include <deque>
#include <functional>

namespace {

// Acts as the user: each time a page's window comes up, names it and takes the next step.
// With no steps left it presses Escape, so that a wrong turn cannot keep the test waiting.
class CScriptedUser : public QObject
{
public:
    explicit CScriptedUser(std::deque<std::function<void(QWidget&)>> steps) : m_steps(std::move(steps))
    {
        qApp->installEventFilter(this);
    }
    ~CScriptedUser() override { qApp->removeEventFilter(this); }

    QStringList m_pagesSeen;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        auto* pDialog = qobject_cast<QDialog*>(pObject);
        if (pEvent->type() == QEvent::Show && pDialog != nullptr && pDialog->isWindow()) {
            QPointer<QDialog> pWindow = pDialog;
            QMetaObject::invokeMethod(
                this, [this, pWindow] { TakeStep(pWindow); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void TakeStep(QDialog* pWindow)
    {
        if (pWindow == nullptr || !pWindow->isVisible())
            return;
        EXPECT_TRUE(QTest::qWaitForWindowActive(pWindow));
        m_pagesSeen << PageName(*pWindow);
        if (m_steps.empty()) {
            Type(*pWindow, Qt::Key_Escape);
            return;
        }
        auto step = std::move(m_steps.front());
        m_steps.pop_front();
        step(*pWindow);
    }

    static QString PageName(QWidget& window)
    {
        for (const QString& strTitle : {QStringLiteral("Welcome"), QStringLiteral("Drive selection"),
                                        QStringLiteral("Writing process"), QStringLiteral("End"), QStringLiteral("Error")})
            for (QLabel* pLabel : window.findChildren<QLabel*>())
                if (pLabel->text() == strTitle)
                    return strTitle;
        return QStringLiteral("?");
    }

    std::deque<std::function<void(QWidget&)>> m_steps;
};

QRadioButton* RadioLabelled(QWidget& window, const QString& strText)
{
    for (QRadioButton* pRadio : window.findChildren<QRadioButton*>())
        if (pRadio->text() == strText)
            return pRadio;
    return nullptr;
}

TEST(Wizard, BackAndForthKeepsTheDriveAndCancelOnTheWritingPageEnds)
{
    g_nDrive = 0;
    CScriptedUser user({
        [](QWidget& window) { Type(window, Qt::Key_Return); },
        [](QWidget& window) {
            QRadioButton* pB = RadioLabelled(window, QStringLiteral("&B:"));
            ASSERT_NE(pB, nullptr);
            QSignalSpy toggled(pB, &QAbstractButton::toggled);
            QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
            if (!pB->isChecked()) {
                ASSERT_TRUE(toggled.wait(2000));
            }
            // Back to the welcome page.
            for (QPushButton* pButton : window.findChildren<QPushButton*>())
                if (pButton->text() == QStringLiteral("< Prev"))
                    pButton->click();
        },
        [](QWidget& window) {
            EXPECT_EQ(g_nDrive, 1);
            Type(window, Qt::Key_Return);
        },
        [](QWidget& window) {
            QRadioButton* pB = RadioLabelled(window, QStringLiteral("&B:"));
            ASSERT_NE(pB, nullptr);
            EXPECT_TRUE(pB->isChecked());
            Type(window, Qt::Key_Return);
        },
        [](QWidget& window) { Type(window, Qt::Key_Escape); },
    });
    RunWizard<CWelcomePage, CDrivePage, CWritePage, CFinishPage, CErrorPage>();
    EXPECT_EQ(user.m_pagesSeen, (QStringList{QStringLiteral("Welcome"), QStringLiteral("Drive selection"),
                                             QStringLiteral("Welcome"), QStringLiteral("Drive selection"),
                                             QStringLiteral("Writing process")}));
    EXPECT_EQ(g_nDrive, 1);
    // No page is left behind.
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 0);
    g_nDrive = 0;
}

} // namespace
