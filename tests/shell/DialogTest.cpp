// The dialog layer beneath the pages: posting from other threads, the data exchange, a page
// that cannot open, and commands through the message maps.
#include "ModalScript.h"
#include "framework/Controls.h"
#include "res/Resource.h"

#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

// The writing page's template with handlers for the writer's messages.
class CPostedPage : public CDialog
{
public:
    CPostedPage() : CDialog(IDD_WRITE) {}

    std::vector<WPARAM> m_progress;
    int m_nHandledWithoutWindow = 0;

protected:
    LRESULT OnProgress(WPARAM wParam, LPARAM)
    {
        if (m_hWnd == nullptr)
            ++m_nHandledWithoutWindow;
        m_progress.push_back(wParam);
        return 0;
    }
    void OnNext() { EndDialog(IDC_NEXT); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPostedPage, CDialog)
    ON_MESSAGE(WM_APP, &CPostedPage::OnProgress)
    ON_COMMAND(IDC_NEXT, &CPostedPage::OnNext)
END_MESSAGE_MAP()

TEST(Posting, MessagesFromAnotherThreadArriveInOrderAndItsCommandEndsThePage)
{
    CPostedPage page;
    std::thread writer;
    const int nResult = ShowPage(page, [&](QWidget& window) {
        CPostTarget* pTarget = &page;
        writer = std::thread([pTarget] {
            for (WPARAM n = 0; n < 100; ++n)
                pTarget->Post(WM_APP, n, 0);
            pTarget->Post(WM_COMMAND, MAKEWPARAM(IDC_NEXT, 0), 0);
        });
        // The page closes when the command comes; wait for the window to be hidden.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 10000));
    });
    writer.join();
    EXPECT_EQ(nResult, IDC_NEXT);
    ASSERT_EQ(page.m_progress.size(), 100u);
    for (WPARAM n = 0; n < 100; ++n)
        EXPECT_EQ(page.m_progress[n], n);
}

TEST(Posting, MessagesStillQueuedWhenTheWindowGoesAreDropped)
{
    CPostedPage page;
    // No window yet: dropped at once.
    page.Post(WM_APP, 1, 0);
    EXPECT_EQ(ShowPage(page, [&](QWidget&) {
                  page.Post(WM_APP, 2, 0);
                  page.Post(WM_COMMAND, IDC_NEXT, 0);
                  // Ended before the queue is looked at: both messages die with the window.
                  page.EndDialog(IDCANCEL);
              }),
              IDCANCEL);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(page.m_progress.empty());

    // Nor does the next showing see any of them.
    EXPECT_EQ(ShowPage(page, [&](QWidget&) {
                  QCoreApplication::sendPostedEvents();
                  QCoreApplication::processEvents();
                  EXPECT_TRUE(page.m_progress.empty());
                  page.Post(WM_APP, 3, 0);
                  EXPECT_TRUE(QTest::qWaitFor([&] { return !page.m_progress.empty(); }, 5000));
              }),
              LEFT_OPEN);
    EXPECT_EQ(page.m_progress, std::vector<WPARAM>{3});
}

TEST(Posting, NothingQueuedBehindTheEndingCommandReachesThePage)
{
    CPostedPage page;
    std::vector<WPARAM> expected;
    EXPECT_EQ(ShowPage(page, [&](QWidget& window) {
                  // Delivered together in one pass of the loop: the cancel ends the page, and
                  // neither the progress nor the go-on command behind it may be handled.
                  page.Post(WM_COMMAND, IDCANCEL, 0);
                  page.Post(WM_APP, 5, 0);
                  page.Post(WM_COMMAND, IDC_NEXT, 0);
                  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
              }),
              IDCANCEL);
    EXPECT_EQ(page.m_progress, expected);
}

TEST(Posting, PostingWhileWindowsComeAndGoIsSafe)
{
    CPostedPage page;
    std::atomic<bool> bStop{false};
    std::atomic<long> nPosted{0};
    std::thread poster([&] {
        while (!bStop.load()) {
            page.Post(WM_APP, 7, 0);
            ++nPosted;
        }
    });
    for (int nShowing = 0; nShowing < 20; ++nShowing) {
        ShowPage(page, [&](QWidget&) {
            const std::size_t nBefore = page.m_progress.size();
            EXPECT_TRUE(QTest::qWaitFor([&] { return page.m_progress.size() > nBefore; }, 5000));
        });
    }
    bStop = true;
    poster.join();
    QCoreApplication::sendPostedEvents();
    EXPECT_GE(page.m_progress.size(), 20u);
    EXPECT_EQ(page.m_nHandledWithoutWindow, 0);
    EXPECT_GT(nPosted.load(), static_cast<long>(page.m_progress.size()));
}

// The drive page's template with the radio group bound to a field, and optionally a text
// bound to a control that the template does not have.
class CExchangePage : public CDialog
{
public:
    CExchangePage() : CDialog(IDD_DRIVE) {}

    int m_nChoice = 0;
    bool m_bMissingControl = false;
    std::string m_strMissing;
    CButton m_ctlRadio2;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_RADIO2, m_ctlRadio2);
        DDX_Radio(pDX, IDC_RADIO1, m_nChoice);
        if (m_bMissingControl)
            DDX_Text(pDX, 4242, m_strMissing);
    }
};

TEST(DataExchange, RadioGroupIndexBothWaysAndMinusOneForNone)
{
    CExchangePage page;
    for (const int nChoice : {1, 0, -1}) {
        page.m_nChoice = nChoice;
        ShowPage(page, [&](QWidget&) {
            EXPECT_EQ(Control<QRadioButton>(page, IDC_RADIO1)->isChecked(), nChoice == 0);
            EXPECT_EQ(Control<QRadioButton>(page, IDC_RADIO2)->isChecked(), nChoice == 1);
            page.m_nChoice = 99;
            EXPECT_TRUE(page.UpdateData(TRUE));
            EXPECT_EQ(page.m_nChoice, nChoice);
        });
    }
    // The group stays exclusive after being cleared.
    page.m_nChoice = -1;
    ShowPage(page, [&](QWidget&) {
        page.m_ctlRadio2.SetCheck(1);
        Control<QRadioButton>(page, IDC_RADIO1)->click();
        EXPECT_EQ(page.m_ctlRadio2.GetCheck(), 0);
        EXPECT_TRUE(page.UpdateData(TRUE));
        EXPECT_EQ(page.m_nChoice, 0);
    });
}

TEST(DataExchange, PageWhoseExchangeFailsOnOpeningEndsWithMinusOneUnseen)
{
    CExchangePage page;
    page.m_bMissingControl = true;
    bool bShown = true;
    EXPECT_EQ(ShowPage(page, [](QWidget&) {}, &bShown), -1);
    EXPECT_FALSE(bShown);
    // The page object stays usable for the next showing.
    page.m_bMissingControl = false;
    EXPECT_EQ(ShowPage(page, [&](QWidget&) { page.EndDialog(IDOK); }, &bShown), IDOK);
    EXPECT_TRUE(bShown);
}

TEST(DataExchange, ReadingBackAControlThatIsNotThereFails)
{
    CExchangePage page;
    ShowPage(page, [&](QWidget&) {
        page.m_bMissingControl = true;
        EXPECT_FALSE(page.UpdateData(TRUE));
        page.m_bMissingControl = false;
        EXPECT_TRUE(page.UpdateData(TRUE));
    });
    EXPECT_FALSE(page.UpdateData(TRUE)) << "there is no window to read from";
}

TEST(DataExchange, PageWithoutTemplateCannotOpen)
{
    CDialog page(999);
    bool bShown = true;
    EXPECT_EQ(ShowPage(page, [](QWidget&) {}, &bShown), -1);
    EXPECT_FALSE(bShown);
}

// A page that handles IDOK itself, beside the framework's IDCANCEL.
class COwnOkPage : public CDialog
{
public:
    COwnOkPage() : CDialog(IDD_FINISH) {}
    int m_nOwnOk = 0;

protected:
    void OnOwnOk()
    {
        ++m_nOwnOk;
        EndDialog(4711);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnOkPage, CDialog)
    ON_COMMAND(IDOK, &COwnOkPage::OnOwnOk)
END_MESSAGE_MAP()

TEST(MessageMaps, ThePageHandlerComesBeforeTheFrameworksAndTheRestFallsThrough)
{
    COwnOkPage page;
    // A command as the writer sends one, handled before the script goes on.
    const auto command = [&page](UINT nID) {
        page.Post(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
        QCoreApplication::sendPostedEvents();
    };
    EXPECT_EQ(ShowPage(page, [&](QWidget&) { command(IDOK); }), 4711);
    EXPECT_EQ(page.m_nOwnOk, 1);
    EXPECT_EQ(ShowPage(page, [&](QWidget&) { command(IDCANCEL); }), IDCANCEL);
    // A command nobody handles changes nothing.
    EXPECT_EQ(ShowPage(page, [&](QWidget& window) {
                  command(IDC_RADIO1);
                  EXPECT_TRUE(window.isVisible());
              }),
              LEFT_OPEN);
}

// The writing page's template with its progress bar bound.
class CProgressPage : public CDialog
{
public:
    CProgressPage() : CDialog(IDD_WRITE) {}
    CProgressCtrl m_ctlProgress;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_PROGRESS, m_ctlProgress); }
};

TEST(Controls, ProgressBarTakesRangeAndPositionAndIsDrawnInBlocks)
{
    CProgressPage page;
    ShowPage(page, [&](QWidget& window) {
        page.m_ctlProgress.SetRange(0, 100);
        EXPECT_EQ(page.m_ctlProgress.SetPos(40), 0);
        EXPECT_EQ(page.m_ctlProgress.GetPos(), 40);
        int nLower = -1;
        int nUpper = -1;
        page.m_ctlProgress.GetRange(nLower, nUpper);
        EXPECT_EQ(nLower, 0);
        EXPECT_EQ(nUpper, 100);

        // Along the middle of the bar: blocks of the highlight colour with gaps between them
        // up to 40 %, and nothing of it beyond.
        QWidget* pBar = WidgetOf(page.GetDlgItem(IDC_PROGRESS));
        ASSERT_NE(pBar, nullptr);
        const QImage image = Snapshot(window).copy(pBar->geometry());
        const QRgb highlight = window.palette().color(QPalette::Highlight).rgb();
        int nBlocks = 0;
        int nRightmost = -1;
        bool bInBlock = false;
        for (int x = 0; x < image.width(); ++x) {
            const bool bFilled = image.pixel(x, image.height() / 2) == highlight;
            if (bFilled && !bInBlock)
                ++nBlocks;
            if (bFilled)
                nRightmost = x;
            bInBlock = bFilled;
        }
        EXPECT_GT(nBlocks, 5);
        EXPECT_LT(nRightmost, image.width() / 2);
        EXPECT_GT(nRightmost, image.width() / 4);
    });
}

TEST(Controls, ControlWithoutAnObjectIsATemporaryThatLastsOneShowing)
{
    CProgressPage page;
    ShowPage(page, [&](QWidget&) {
        EXPECT_EQ(page.GetDlgItem(IDC_PROGRESS), &page.m_ctlProgress);
        CWnd* pText = page.GetDlgItem(IDC_TEXT1);
        ASSERT_NE(pText, nullptr);
        EXPECT_EQ(page.GetDlgItem(IDC_TEXT1), pText) << "one temporary per control and showing";
        EXPECT_EQ(CWnd::FromHandlePermanent(pText->m_hWnd), nullptr) << "a temporary is not attached";
        std::string strText;
        pText->GetWindowText(strText);
        EXPECT_EQ(strText, "<IDC_TEXT1>");
        EXPECT_EQ(pText->GetParent(), &page);
        EXPECT_EQ(page.GetDlgItem(4242), nullptr);
    });
    EXPECT_EQ(page.GetDlgItem(IDC_TEXT1), nullptr);
    EXPECT_EQ(page.m_ctlProgress.m_hWnd, nullptr);
}

TEST(Controls, PageOpensCentredOnTheScreen)
{
    CProgressPage page;
    ShowPage(page, [&](QWidget& window) {
        const QPoint offset = window.frameGeometry().center() - window.screen()->availableGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << ", " << offset.y();
    });
}

} // namespace
