// The frame every page shares: window, caption, button row and keys, page by page.
#include "ModalScript.h"
#include "ShellTestApp.h"
#include "pages/DrivePage.h"
#include "pages/PlaceholderPage.h"
#include "pages/WelcomePage.h"
#include "res/Resource.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <memory>

namespace {

struct SFrameCase
{
    const char* pszName;
    std::function<std::unique_ptr<CDialog>()> make;
    bool bPrevEnabled;
    bool bNextEnabled;
    const char* pszCancel;
    int nDefaultID;      // 0: no default button
    int nInitialFocus;   // the control that has the focus when the page opens
    int nEnterResult;    // what Enter on the fresh page ends it with
};

const SFrameCase s_cases[] = {
    {"welcome", [] { return std::make_unique<CWelcomePage>(); }, false, true, "Cancel", IDC_NEXT, IDC_NEXT, IDC_NEXT},
    {"drive", [] { return std::make_unique<CDrivePage>(); }, true, true, "Cancel", IDC_NEXT, IDC_RADIO1, IDC_NEXT},
    {"write", [] { return std::make_unique<CWritePage>(); }, false, false, "Cancel", 0, IDCANCEL, IDCANCEL},
    {"finish", [] { return std::make_unique<CFinishPage>(); }, false, false, "Finish", IDCANCEL, IDCANCEL, IDCANCEL},
    {"error", [] { return std::make_unique<CErrorPage>(); }, false, false, "Cancel", IDCANCEL, IDCANCEL, IDCANCEL},
};

class PageFrameTest : public ::testing::TestWithParam<SFrameCase>
{
};

TEST_P(PageFrameTest, WindowCaptionAndButtonRow)
{
    const SFrameCase& c = GetParam();
    auto pPage = c.make();
    ShowPage(*pPage, [&](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("KORVANT 4.3 (Shareware) Setup"));
        // 331 x 216 dialog units, fixed.
        EXPECT_EQ(window.size(), QSize(496, 351));
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        const Qt::WindowFlags flags = window.windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinMaxButtonsHint));
        EXPECT_TRUE(window.isModal());
        EXPECT_EQ(window.locale(), QLocale(QLocale::German, QLocale::Germany));

        auto* pPrev = Control<QPushButton>(*pPage, IDC_PREV);
        auto* pNext = Control<QPushButton>(*pPage, IDC_NEXT);
        auto* pCancel = Control<QPushButton>(*pPage, IDCANCEL);
        ASSERT_TRUE(pPrev && pNext && pCancel);
        EXPECT_EQ(pPrev->text(), QStringLiteral("< Prev"));
        EXPECT_EQ(pNext->text(), QStringLiteral("Next >"));
        EXPECT_EQ(pCancel->text(), QString::fromLatin1(c.pszCancel));
        EXPECT_EQ(pPrev->isEnabled(), c.bPrevEnabled);
        EXPECT_EQ(pNext->isEnabled(), c.bNextEnabled);
        EXPECT_TRUE(pCancel->isEnabled());

        EXPECT_EQ(QApplication::focusWidget(), pPage->GetDlgItem(c.nInitialFocus));
        // The button with the focus is drawn as the default one; otherwise the template's.
        for (const int nID : {IDC_PREV, IDC_NEXT, IDCANCEL}) {
            const bool bDefault = nID == c.nDefaultID || nID == c.nInitialFocus;
            EXPECT_EQ(Control<QPushButton>(*pPage, nID)->isDefault(), bDefault) << nID;
        }

        // Every placeholder of the template has been replaced.
        for (QLabel* pLabel : window.findChildren<QLabel*>())
            EXPECT_FALSE(pLabel->text().startsWith(QStringLiteral("<IDC_"))) << pLabel->text().toStdString();
    });
}

TEST_P(PageFrameTest, DisabledButtonIsNotTheDefaultWhileThePageIsInactive)
{
    const SFrameCase& c = GetParam();
    auto pPage = c.make();
    ShowPage(*pPage, [&](QWidget&) {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        for (const int nID : {IDC_PREV, IDC_NEXT, IDCANCEL}) {
            const auto* pButton = Control<QPushButton>(*pPage, nID);
            EXPECT_FALSE(!pButton->isEnabled() && pButton->isDefault()) << nID;
        }
    });
}

TEST_P(PageFrameTest, EnterPressesTheDefaultOrFocusedButton)
{
    const SFrameCase& c = GetParam();
    auto pPage = c.make();
    EXPECT_EQ(ShowPage(*pPage, [](QWidget& window) { Type(window, Qt::Key_Return); }), c.nEnterResult);
}

TEST_P(PageFrameTest, EscapeAndClosingTheWindowCancel)
{
    const SFrameCase& c = GetParam();
    auto pPage = c.make();
    EXPECT_EQ(ShowPage(*pPage, [](QWidget& window) { Type(window, Qt::Key_Escape); }), IDCANCEL);
    EXPECT_EQ(ShowPage(*pPage, [](QWidget& window) { window.close(); }), IDCANCEL);
}

TEST_P(PageFrameTest, HelpKeyReachesTheApplicationAndLeavesThePageOpen)
{
    const SFrameCase& c = GetParam();
    auto pPage = c.make();
    const int nBefore = g_pTestApp->m_nHelpCommands;
    EXPECT_EQ(ShowPage(*pPage, [](QWidget& window) {
                  Type(window, Qt::Key_F1);
                  EXPECT_TRUE(window.isVisible());
              }),
              LEFT_OPEN);
    EXPECT_EQ(g_pTestApp->m_nHelpCommands, nBefore + 1);
}

INSTANTIATE_TEST_SUITE_P(EveryPage, PageFrameTest, ::testing::ValuesIn(s_cases),
                         [](const ::testing::TestParamInfo<SFrameCase>& param) { return std::string(param.param.pszName); });

TEST(PageFrame, EnterPressesAnotherPushButtonThatHasTheFocus)
{
    CDrivePage page;
    EXPECT_EQ(ShowPage(page, [&](QWidget& window) {
                  Control(page, IDC_PREV)->setFocus(Qt::TabFocusReason);
                  Type(window, Qt::Key_Return);
              }),
              IDC_PREV);
}

TEST(PageFrame, DialogFontIsTheStandInAndOneLineFitsEightUnits)
{
    CDrivePage page;
    ShowPage(page, [&](QWidget& window) {
        EXPECT_EQ(QFontInfo(window.font()).family(), QStringLiteral("Liberation Sans"));
        EXPECT_EQ(QFontInfo(window.font()).pixelSize(), 11);
        QWidget* pText1 = page.GetDlgItem(IDC_TEXT1);
        ASSERT_NE(pText1, nullptr);
        EXPECT_EQ(pText1->height(), 13);
        EXPECT_LE(QFontMetrics(window.font()).height(), pText1->height());
    });
}

} // namespace
