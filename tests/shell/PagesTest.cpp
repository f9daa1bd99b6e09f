// The welcome page and the drive page as the user meets them.
#include "ModalScript.h"
#include "pages/DrivePage.h"
#include "pages/WelcomePage.h"
#include "res/Resource.h"
#include "tests/support/WizardStateReset.h"

#include <QAccessible>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

QRadioButton* Radio(CDialog& page, int nID)
{
    return Control<QRadioButton>(page, nID);
}

class DrivePageTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetWizardState(); }
    void TearDown() override { ResetWizardState(); }
};

TEST(WelcomePage, ShowsItsTextsAndLeavesTheWizardStateAlone)
{
    CWelcomePage page;
    g_nDrive = 1;
    for (int nShowing = 0; nShowing < 2; ++nShowing) {
        EXPECT_EQ(ShowPage(page, [&](QWidget& window) {
                      EXPECT_EQ(TextOf(page, IDC_TITLE1), QStringLiteral("Welcome"));
                      EXPECT_TRUE(TextOf(page, IDC_TEXT1).startsWith(QStringLiteral("Thank you for choosing")));
                      EXPECT_TRUE(TextOf(page, IDC_TEXT1).endsWith(QStringLiteral("on your computer")));
                      EXPECT_TRUE(TextOf(page, IDC_TEXT2).startsWith(QStringLiteral("This program will create")));
                      EXPECT_TRUE(TextOf(page, IDC_TEXT3).startsWith(QStringLiteral("Click \"Next\" to continue")));
                      Type(window, Qt::Key_Return);
                  }),
                  IDC_NEXT);
    }
    EXPECT_EQ(page.m_strTitle1, "Welcome");
    EXPECT_EQ(g_nDrive, 1);
    ResetWizardState();
}

TEST_F(DrivePageTest, FirstShowingSelectsAAndNextStoresIt)
{
    CDrivePage page;
    g_nDrive = 1;
    EXPECT_EQ(ShowPage(page, [&](QWidget& window) {
                  EXPECT_TRUE(Radio(page, IDC_RADIO1)->isChecked());
                  EXPECT_FALSE(Radio(page, IDC_RADIO2)->isChecked());
                  EXPECT_EQ(TextOf(page, IDC_TEXT2), QStringLiteral("&Drive:"));
                  EXPECT_EQ(TextOf(page, IDC_RADIO1), QStringLiteral("&A:"));
                  EXPECT_EQ(TextOf(page, IDC_RADIO2), QStringLiteral("&B:"));
                  EXPECT_EQ(TextOf(page, IDC_TITLE1), QStringLiteral("Boot disk creation"));
                  EXPECT_EQ(TextOf(page, IDC_TITLE2), QStringLiteral("Drive selection"));
                  EXPECT_EQ(TextOf(page, IDC_TEXT4), QStringLiteral("NOTE:\nAll files on this diskette will be deleted!"));
                  Type(window, Qt::Key_Return);
              }),
              IDC_NEXT);
    EXPECT_EQ(g_nDrive, 0);
    EXPECT_EQ(page.m_nDrive, 0);
}

TEST_F(DrivePageTest, ChoiceIsStoredOnPrevAndKeptForTheNextShowing)
{
    CDrivePage page;
    EXPECT_EQ(ShowPage(page, [&](QWidget& window) {
                  SelectByKey(window, Qt::Key_B, Radio(page, IDC_RADIO2));
                  EXPECT_FALSE(Radio(page, IDC_RADIO1)->isChecked());
                  Control<QPushButton>(page, IDC_PREV)->click();
              }),
              IDC_PREV);
    EXPECT_EQ(g_nDrive, 1);

    EXPECT_EQ(ShowPage(page, [&](QWidget& window) {
                  EXPECT_TRUE(Radio(page, IDC_RADIO2)->isChecked());
                  EXPECT_FALSE(Radio(page, IDC_RADIO1)->isChecked());
                  // Tabbing into a radio group lands on its selected button; so does the start.
                  EXPECT_EQ(QApplication::focusWidget(), Radio(page, IDC_RADIO2));
                  Type(window, Qt::Key_Return);
              }),
              IDC_NEXT);
    EXPECT_EQ(g_nDrive, 1);

    // And back to A: with the keyboard.
    EXPECT_EQ(ShowPage(page, [&](QWidget& window) {
                  SelectByKey(window, Qt::Key_A, Radio(page, IDC_RADIO1));
                  Type(window, Qt::Key_Return);
              }),
              IDC_NEXT);
    EXPECT_EQ(g_nDrive, 0);
}

TEST_F(DrivePageTest, CancelLeavesTheStoredDriveAlone)
{
    CDrivePage page;
    page.m_nDrive = 1;
    g_nDrive = 1;
    EXPECT_EQ(ShowPage(page, [&](QWidget& window) {
                  SelectByKey(window, Qt::Key_A, Radio(page, IDC_RADIO1));
                  Type(window, Qt::Key_Escape);
              }),
              IDCANCEL);
    EXPECT_EQ(g_nDrive, 1);
    EXPECT_EQ(page.m_nDrive, 1);

    EXPECT_EQ(ShowPage(page, [&](QWidget&) { Control<QPushButton>(page, IDCANCEL)->click(); }), IDCANCEL);
    EXPECT_EQ(g_nDrive, 1);
}

// A drive page whose reading back fails, as when memory runs out.
class CFailingDrivePage : public CDrivePage
{
protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDrivePage::DoDataExchange(pDX);
        if (pDX->m_bSaveAndValidate)
            pDX->Fail();
    }
};

TEST_F(DrivePageTest, FailedReadBackKeepsThePageOpenAndStoresNothing)
{
    CFailingDrivePage page;
    g_nDrive = 0;
    EXPECT_EQ(ShowPage(page, [&](QWidget& window) {
                  SelectByKey(window, Qt::Key_B, Radio(page, IDC_RADIO2));
                  Control<QPushButton>(page, IDC_NEXT)->click();
                  EXPECT_TRUE(window.isVisible());
                  Control<QPushButton>(page, IDC_PREV)->click();
                  EXPECT_TRUE(window.isVisible());
              }),
              LEFT_OPEN);
    EXPECT_EQ(g_nDrive, 0);
}

TEST_F(DrivePageTest, ButtonsAndRadiosTellScreenReadersTheirLabels)
{
    CDrivePage page;
    ShowPage(page, [&](QWidget&) {
        const std::pair<int, QString> expected[] = {{IDC_RADIO1, QStringLiteral("A:")},
                                                    {IDC_RADIO2, QStringLiteral("B:")},
                                                    {IDC_NEXT, QStringLiteral("Next >")},
                                                    {IDC_PREV, QStringLiteral("< Prev")},
                                                    {IDC_TEXT4, QStringLiteral("NOTE:\nAll files on this diskette will be deleted!")}};
        for (const auto& [nID, strName] : expected) {
            QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(WidgetOf(page.GetDlgItem(nID)));
            ASSERT_NE(pAccessible, nullptr);
            EXPECT_EQ(pAccessible->text(QAccessible::Name), strName) << nID;
        }
    });
}

} // namespace
