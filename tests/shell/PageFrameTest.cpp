// The frame every page shares: window, caption, button row and keys, page by page.
#include "ModalScript.h"
#include "ShellTestApp.h"
#include "TestSite.h"
#include "pages/DrivePage.h"
#include "pages/ErrorPage.h"
#include "pages/FinishPage.h"
#include "pages/WelcomePage.h"
#include "res/Resource.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>

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

// The writing page writes at a site of the test's own, held before its first track until the
// page asks the writer to stop, so that the page stays open for as long as a test needs it.
std::unique_ptr<CDialog> MakeWritePage()
{
    static CTestSite s_site;
    s_site.PlaceImage();
    s_site.Gate().HoldBefore(0, true);
    return std::make_unique<CTestWritePage>(s_site);
}

const SFrameCase s_cases[] = {
    {"welcome", [] { return std::make_unique<CWelcomePage>(); }, false, true, "Cancel", IDC_NEXT, IDC_NEXT, IDC_NEXT},
    {"drive", [] { return std::make_unique<CDrivePage>(); }, true, true, "Cancel", IDC_NEXT, IDC_RADIO1, IDC_NEXT},
    {"write", MakeWritePage, false, false, "Cancel", 0, IDCANCEL, IDCANCEL},
    {"finish", [] { return std::make_unique<CFinishPage>(); }, false, false, "Finish", IDCANCEL, IDCANCEL, IDCANCEL},
    {"error", [] { return std::make_unique<CErrorPage>(); }, false, false, "Cancel", IDCANCEL, IDCANCEL, IDCANCEL},
};

void PrintTo(const SFrameCase& c, std::ostream* pStream)
{
    *pStream << c.pszName;
}

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
        EXPECT_EQ(window.size(), QSize(497, 351));
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        const Qt::WindowFlags flags = window.windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinMaxButtonsHint));
        EXPECT_TRUE(window.isModal());
        EXPECT_EQ(window.locale(), QLocale(QLocale::German, QLocale::Germany));
        // Centred in the work area, as DS_CENTER has it; here no window manager puts a frame
        // around the page, so the frame is the page itself.
        const QRect area = window.screen()->availableGeometry();
        EXPECT_LE((window.frameGeometry().center() - area.center()).manhattanLength(), 1)
            << "the page's frame at " << window.frameGeometry().center().x() << "," << window.frameGeometry().center().y()
            << ", the work area's centre at " << area.center().x() << "," << area.center().y();

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

        EXPECT_EQ(QApplication::focusWidget(), WidgetOf(pPage->GetDlgItem(c.nInitialFocus)));
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
    // A page of its own for each way out: the writing page runs its writer only once.
    auto pPage = c.make();
    EXPECT_EQ(ShowPage(*pPage, [](QWidget& window) { Type(window, Qt::Key_Escape); }), IDCANCEL);
    auto pSecondPage = c.make();
    EXPECT_EQ(ShowPage(*pSecondPage, [](QWidget& window) { window.close(); }), IDCANCEL);
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

TEST_P(PageFrameTest, ScreenReadersGetEveryTextButtonChoiceAndTheBar)
{
    const SFrameCase& c = GetParam();
    auto pPage = c.make();
    ShowPage(*pPage, [&](QWidget& window) {
        auto shown = [](QString strText) { return strText.remove(QRegularExpression(QStringLiteral("&(?!&)"))); };
        int nRadios = 0;
        for (QWidget* pWidget : window.findChildren<QWidget*>()) {
            QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(pWidget);
            ASSERT_NE(pAccessible, nullptr);
            const QString strName = pAccessible->text(QAccessible::Name);
            if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
                EXPECT_EQ(pAccessible->role(), QAccessible::StaticText);
                EXPECT_EQ(strName, shown(pLabel->text()));
            } else if (auto* pRadio = qobject_cast<QRadioButton*>(pWidget)) {
                ++nRadios;
                EXPECT_EQ(pAccessible->role(), QAccessible::RadioButton) << strName.toStdString();
                EXPECT_EQ(strName, shown(pRadio->text()));
                EXPECT_EQ(pAccessible->state().checked, pRadio->isChecked());
                // Both drive choices are one group, under the group's label.
                ASSERT_NE(pAccessible->parent(), nullptr);
                EXPECT_EQ(pAccessible->parent()->role(), QAccessible::Grouping);
                EXPECT_EQ(pAccessible->parent()->text(QAccessible::Name), QStringLiteral("Drive:"));
            } else if (auto* pButton = qobject_cast<QPushButton*>(pWidget)) {
                EXPECT_EQ(pAccessible->role(), QAccessible::PushButton);
                EXPECT_EQ(strName, shown(pButton->text()));
                EXPECT_EQ(pAccessible->state().disabled, !pButton->isEnabled()) << strName.toStdString();
            } else if (auto* pBar = qobject_cast<QProgressBar*>(pWidget)) {
                EXPECT_EQ(pAccessible->role(), QAccessible::ProgressBar);
                ASSERT_NE(pAccessible->valueInterface(), nullptr);
                EXPECT_EQ(pAccessible->valueInterface()->currentValue().toInt(), pBar->value());
            }
        }
        EXPECT_EQ(nRadios, std::string(c.pszName) == "drive" ? 2 : 0);
    });
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
        QWidget* pText1 = WidgetOf(page.GetDlgItem(IDC_TEXT1));
        ASSERT_NE(pText1, nullptr);
        EXPECT_EQ(pText1->height(), 13);
        EXPECT_LE(QFontMetrics(window.font()).height(), pText1->height());
    });
}

TEST(PageFrame, EtchedLineRunsUnderTheWelcomePictureAsTheDialogManagerPlacesIt)
{
    // 185 units down is 300.625 pixels: the line starts at 301, right below the picture,
    // which is 301 pixels high; a line placed at 300 would be half covered by it.
    CWelcomePage page;
    ShowPage(page, [&](QWidget& window) {
        const QImage image = Snapshot(window);
        const QRgb dark = window.palette().color(QPalette::Dark).rgb();
        const QRgb light = window.palette().color(QPalette::Light).rgb();
        for (int x = 0; x < image.width() - 1; ++x)
            ASSERT_EQ(image.pixel(x, 301), dark) << "x " << x;
        for (int x = 1; x < image.width() - 1; ++x)
            ASSERT_EQ(image.pixel(x, 302), light) << "x " << x;
    });
}

} // namespace
