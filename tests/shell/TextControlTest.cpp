// The title and text controls, judged by what they draw: bold against plain, wrapping,
// mnemonics, and letters alone on whatever lies beneath.
#include "ModalScript.h"
#include "framework/qt/WidgetAccess.h"
#include "pages/ErrorPage.h"
#include "pages/TextStatic.h"
#include "pages/TitleStatic.h"
#include "res/Resource.h"
#include "tests/support/WizardStateReset.h"

#include <QAccessible>
#include <QColor>
#include <QImage>
#include <QLabel>

#include <string>

namespace {

// The drive page's template with a bold title over the banner, a plain subtitle over the
// banner and a plain text on the dialog's face, holding whatever texts a test gives them.
class CTextTestPage : public CDialog
{
public:
    CTextTestPage() : CDialog(IDD_DRIVE) {}

    CTitleStatic m_ctlTitle1;
    CTextStatic m_ctlTitle2;
    CTextStatic m_ctlText3;
    CTitleStatic m_ctlText4;
    std::string m_strTitle1;
    std::string m_strTitle2;
    std::string m_strText3;
    std::string m_strText4;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TITLE1, m_ctlTitle1);
        DDX_Control(pDX, IDC_TITLE2, m_ctlTitle2);
        DDX_Control(pDX, IDC_TEXT3, m_ctlText3);
        DDX_Control(pDX, IDC_TEXT4, m_ctlText4);
        DDX_Text(pDX, IDC_TITLE1, m_strTitle1);
        DDX_Text(pDX, IDC_TITLE2, m_strTitle2);
        DDX_Text(pDX, IDC_TEXT3, m_strText3);
        DDX_Text(pDX, IDC_TEXT4, m_strText4);
    }
};

// The part of the window's picture that a control covers.
QImage Area(CDialog& page, QWidget& window, int nID)
{
    return Snapshot(window).copy(WidgetOf(page.GetDlgItem(nID))->geometry());
}

// Pixels that differ from the background picture beneath, in the same place.
int Ink(const QImage& image, const QImage& background)
{
    int nInk = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background.pixel(x, y))
                ++nInk;
    return nInk;
}

// Rows that hold ink, as runs of consecutive rows: one run per line of text.
int InkLines(const QImage& image, const QImage& background)
{
    int nLines = 0;
    bool bInLine = false;
    for (int y = 0; y < image.height(); ++y) {
        bool bInk = false;
        for (int x = 0; x < image.width() && !bInk; ++x)
            bInk = image.pixel(x, y) != background.pixel(x, y);
        if (bInk && !bInLine)
            ++nLines;
        bInLine = bInk;
    }
    return nLines;
}

// How much darker the image is than the background beneath, added over all pixels.
long Darkening(const QImage& image, const QImage& background)
{
    long nDarkening = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            nDarkening += std::max(0, qGray(background.pixel(x, y)) - qGray(image.pixel(x, y)));
    return nDarkening;
}

int RightmostInk(const QImage& image, const QImage& background)
{
    int nRight = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background.pixel(x, y))
                nRight = std::max(nRight, x);
    return nRight;
}

struct SDrawn
{
    QImage title1, title2, text3, text4;
};

// Shows the page with these texts and returns what each control area looks like.
SDrawn Draw(const std::string& strTitle1, const std::string& strTitle2, const std::string& strText3 = {},
            const std::string& strText4 = {})
{
    CTextTestPage page;
    page.m_strTitle1 = strTitle1;
    page.m_strTitle2 = strTitle2;
    page.m_strText3 = strText3;
    page.m_strText4 = strText4;
    SDrawn drawn;
    ShowPage(page, [&](QWidget& window) {
        drawn.title1 = Area(page, window, IDC_TITLE1);
        drawn.title2 = Area(page, window, IDC_TITLE2);
        drawn.text3 = Area(page, window, IDC_TEXT3);
        drawn.text4 = Area(page, window, IDC_TEXT4);
    });
    return drawn;
}

// What the controls cover when they draw nothing.
const SDrawn& Empty()
{
    static const SDrawn s_empty = Draw({}, {});
    return s_empty;
}

TEST(TextControls, EmptyTextsLeaveTheBannerAsItIs)
{
    // Titles lie over the banner, at the places their rectangles give.
    const QImage banner = AfxLoadBitmap(IDB_BANNER).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(banner.size(), QSize(497, 56));
    const QImage title1 = Empty().title1;
    ASSERT_EQ(title1.size(), QSize(452, 20));
    EXPECT_EQ(title1, banner.copy(23, 13, 452, 20));
    EXPECT_EQ(Empty().title2, banner.copy(42, 33, 432, 20));
}

TEST(TextControls, LettersAloneAreDrawnAndTheBannerShowsBetweenThem)
{
    // Long enough to run from the white part of the banner onto its dark panel.
    const SDrawn drawn = Draw("Boot disk creation for the boot manager with room for twelve systems",
                              "Drive selection for the boot manager and its diskette, drive A: or drive B:");
    for (const QImage* pImage : {&drawn.title1, &drawn.title2}) {
        const QImage& background = pImage == &drawn.title1 ? Empty().title1 : Empty().title2;
        const int nInk = Ink(*pImage, background);
        EXPECT_GT(nInk, 100);
        // Letters cover only a part of the control: most of the banner still shows.
        EXPECT_LT(nInk, pImage->width() * pImage->height() / 4);
        // The letters are black, and no box is filled behind them.
        int nBlack = 0;
        int nWhiteOnBlue = 0;
        for (int y = 0; y < pImage->height(); ++y)
            for (int x = 0; x < pImage->width(); ++x) {
                const QColor colour = pImage->pixelColor(x, y);
                if (colour == Qt::black)
                    ++nBlack;
                if (colour == Qt::white && background.pixelColor(x, y) != Qt::white)
                    ++nWhiteOnBlue;
            }
        EXPECT_GT(nBlack, 20);
        EXPECT_EQ(nWhiteOnBlue, 0);
    }
}

TEST(TextControls, TitleIsBoldAndTextPlainInTheSameFace)
{
    const SDrawn drawn = Draw("Boot disk creation", "Boot disk creation");
    const long nBold = Darkening(drawn.title1, Empty().title1);
    const long nPlain = Darkening(drawn.title2, Empty().title2);
    EXPECT_GT(nBold, nPlain * 4 / 3) << "bold " << nBold << ", plain " << nPlain;
    EXPECT_GT(RightmostInk(drawn.title1, Empty().title1), RightmostInk(drawn.title2, Empty().title2));
}

TEST(TextControls, LongTextWrapsBetweenWordsAndIsCutAtTheLowerEdge)
{
    const std::string strLong = "Now insert a formatted 3.5\" HD diskette into the drive and click \"Next\" to "
                                "start the writing process, and wait until it is done.";
    const SDrawn drawn = Draw({}, {}, strLong, strLong + " " + strLong + " " + strLong);
    EXPECT_EQ(InkLines(drawn.text3, Empty().text3), 2);
    // Three lines of 13 pixels fill the 39-pixel control; the rest is cut off.
    EXPECT_EQ(InkLines(drawn.text4, Empty().text4), 3);
    const QImage& text4 = drawn.text4;
    int nLastRowInk = 0;
    for (int x = 0; x < text4.width(); ++x)
        nLastRowInk += text4.pixel(x, text4.height() - 2) != Empty().text4.pixel(x, text4.height() - 2);
    EXPECT_GT(nLastRowInk, 0) << "the third line should reach the control's lower edge";
}

TEST(TextControls, LineBreakStartsANewLine)
{
    const SDrawn drawn = Draw({}, {}, {}, "NOTE:\nAll files on this diskette will be deleted!");
    EXPECT_EQ(InkLines(drawn.text4, Empty().text4), 2);
}

TEST(TextControls, AmpersandUnderlinesTheNextLetterAndTwoShowOne)
{
    const SDrawn plain = Draw({}, "Drive", {}, {});
    const SDrawn marked = Draw({}, "&Drive", {}, {});
    const SDrawn doubled = Draw({}, "R&&D", {}, {});
    const SDrawn single = Draw({}, "R&D", {}, {});
    const SDrawn bare = Draw({}, "RD", {}, {});
    const QImage& background = Empty().title2;

    // "&Drive" draws "Drive" plus an underline below the D, and no ampersand.
    EXPECT_EQ(RightmostInk(marked.title2, background), RightmostInk(plain.title2, background));
    int nExtra = 0;
    int nExtraRight = -1;
    for (int y = 0; y < background.height(); ++y)
        for (int x = 0; x < background.width(); ++x)
            if (marked.title2.pixel(x, y) != plain.title2.pixel(x, y)) {
                ++nExtra;
                nExtraRight = std::max(nExtraRight, x);
            }
    EXPECT_GT(nExtra, 3);
    EXPECT_LT(nExtraRight, 10) << "the underline belongs under the first letter only";

    // "R&&D" shows an ampersand between the letters; "R&D" shows none.
    EXPECT_GT(RightmostInk(doubled.title2, background), RightmostInk(bare.title2, background) + 3);
    EXPECT_EQ(RightmostInk(single.title2, background), RightmostInk(bare.title2, background));
}

// The error page's error (bold, three lines high) and image path (one line), as drawn for
// the outcome of a write.
std::pair<QImage, QImage> DrawErrorPage(const std::string& strError, const std::string& strInputFile)
{
    g_strError = strError;
    g_strInputFile = strInputFile;
    CErrorPage page;
    std::pair<QImage, QImage> drawn;
    ShowPage(page, [&](QWidget& window) { drawn = {Area(page, window, IDC_TEXT2), Area(page, window, IDC_TEXT4)}; });
    ResetWizardState();
    return drawn;
}

TEST(TextControls, ErrorPageShowsTheLinesOfALongErrorThatFitAndOneLineOfALongPath)
{
    const auto [emptyError, emptyPath] = DrawErrorPage({}, {});
    std::string strPath = "/media/user/KORVANT";
    for (int i = 0; i < 12; ++i)
        strPath += "/distribution-medium";
    const auto [error, path] = DrawErrorPage("The request could not be performed because of an I/O device error.\r\n"
                                             "The drive was not ready when the track was written to it.\r\n"
                                             "Check that the diskette is inserted and try again.\r\n",
                                             strPath + "/korvant-setup.000");
    EXPECT_EQ(InkLines(error, emptyError), 3);
    int nLastRowInk = 0;
    for (int x = 0; x < error.width(); ++x)
        nLastRowInk += error.pixel(x, error.height() - 2) != emptyError.pixel(x, error.height() - 2);
    EXPECT_GT(nLastRowInk, 0) << "the third line should reach the control's lower edge";

    EXPECT_EQ(InkLines(path, emptyPath), 1);
    // Cut where a folder name ends, so the line is nearly full but not to the last pixel.
    EXPECT_GT(RightmostInk(path, emptyPath), path.width() * 3 / 4) << "the path should fill its line";
}

TEST(TextControls, ScreenReadersGetTheTexts)
{
    CTextTestPage page;
    page.m_strTitle1 = "Boot disk creation";
    page.m_strTitle2 = "&Drive selection";
    ShowPage(page, [&](QWidget&) {
        for (const auto& [nID, strExpected] : {std::pair{IDC_TITLE1, QStringLiteral("Boot disk creation")},
                                               std::pair{IDC_TITLE2, QStringLiteral("Drive selection")}}) {
            QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(WidgetOf(page.GetDlgItem(nID)));
            ASSERT_NE(pAccessible, nullptr);
            EXPECT_EQ(pAccessible->text(QAccessible::Name), strExpected);
            EXPECT_EQ(pAccessible->role(), QAccessible::StaticText);
        }
    });
}

TEST(TextControls, ControlComesLooseWhenTheWindowGoes)
{
    CTextTestPage page;
    HWND hShown = nullptr;
    ShowPage(page, [&](QWidget&) {
        hShown = page.m_ctlTitle1.m_hWnd;
        EXPECT_NE(hShown, nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(hShown), &page.m_ctlTitle1);
    });
    EXPECT_EQ(page.m_ctlTitle1.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hShown), nullptr) << "the destroyed window is still in the map";
    // Attached afresh on the next showing.
    ShowPage(page, [&](QWidget&) {
        EXPECT_EQ(page.GetDlgItem(IDC_TITLE1), &page.m_ctlTitle1);
        EXPECT_EQ(WidgetOf(&page.m_ctlTitle1), WidgetOf(page.GetDlgItem(IDC_TITLE1)));
    });
}

} // namespace
