// The whole wizard with the real pages, driven from the keyboard, writing at a test site:
// what reaches the drives, and which page the user ends on, for every way a write can go.
#include "DriveRefusal.h"
#include "ScriptedUser.h"
#include "ThreadStartFault.h"
#include "app/PageSequence.h"
#include "pages/DrivePage.h"
#include "pages/ErrorPage.h"
#include "pages/FinishPage.h"
#include "pages/TitleStatic.h"
#include "pages/WelcomePage.h"
#include "res/Resource.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestBus.h"
#include "tests/support/UdisksStandIn.h"
#include "tests/support/WizardStateReset.h"

#include <gtest/gtest-spi.h>

#include <QKeyEvent>
#include <QTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <optional>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

using Step = std::function<void(QWidget&)>;

const Step s_next = [](QWidget& window) { Type(window, Qt::Key_Return); };
// The writing page closes by itself.
const Step s_wait = [](QWidget&) {};

QString TextOf(QWidget& window, int nID)
{
    return TextOf(PageOf(window), nID);
}

// Alt+B on the drive page, as the user types it.
void ChooseDriveB(QWidget& window)
{
    SelectByKey(window, Qt::Key_B, Control<QRadioButton>(PageOf(window), IDC_RADIO2));
}

const Step s_driveBThenNext = [](QWidget& window) {
    ChooseDriveB(window);
    Type(window, Qt::Key_Return);
};

class WizardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetWizardState();
        CTestSite::Current() = &m_site;
    }
    void TearDown() override
    {
        CTestSite::Current() = nullptr;
        ResetWizardState();
    }

    // The pages the user saw, one step taken on each, with the wizard built and torn down.
    QStringList Run(std::deque<Step> steps, std::chrono::milliseconds limit = std::chrono::seconds(60))
    {
        CWizardWatchdog watchdog(m_site, limit);
        // With no steps left the user presses Escape, so that a wrong turn cannot keep the
        // test waiting.
        CPageDriver user(std::move(steps), [](QWidget& window) { Type(window, Qt::Key_Escape); },
                         [] { ADD_FAILURE() << "a page's window did not become active"; });
        RunWizard<CWelcomePage, CDrivePage, CTestWritePage, CFinishPage, CErrorPage>();
        EXPECT_EQ(QApplication::topLevelWidgets().size(), 0) << "a page was left behind";
        return user.m_pagesSeen;
    }

    // The error page's step: what it shows, then Enter, which ends the wizard.
    static Step ExpectErrorPage(const std::string& strError, const std::string& strImage, const char* pszDevice)
    {
        return [=](QWidget& window) {
            EXPECT_EQ(TextOf(window, IDC_TEXT2).toStdString(), strError);
            EXPECT_EQ(TextOf(window, IDC_TEXT4).toStdString(), strImage);
            EXPECT_EQ(TextOf(window, IDC_TEXT6), QString::fromLatin1(pszDevice));
            // The error is drawn by the page's bold text control.
            EXPECT_NE(dynamic_cast<CTitleStatic*>(PageOf(window).GetDlgItem(IDC_TEXT2)), nullptr);
            Type(window, Qt::Key_Return);
        };
    }

    const QStringList m_toWriting{QStringLiteral("Welcome"), QStringLiteral("Drive selection"),
                                  QStringLiteral("Writing process")};
    const QStringList m_toFinish = m_toWriting + QStringList{QStringLiteral("End")};
    const QStringList m_toError = m_toWriting + QStringList{QStringLiteral("Error")};

    CTestSite m_site;
};

TEST_F(WizardTest, WriteOnAEndsOnTheFinishPageWithTheBarAt99AndEnterEndsTheWizard)
{
    const std::vector<char> image = m_site.PlaceImage();
    // Held before the first track until the bar is watched, so that no value escapes.
    m_site.Gate().HoldBefore(0, false);
    std::vector<int> barValues;
    const Step watchTheBar = [&](QWidget& window) {
        auto* pBar = qobject_cast<QProgressBar*>(WidgetOf(PageOf(window).GetDlgItem(IDC_PROGRESS)));
        ASSERT_NE(pBar, nullptr);
        EXPECT_EQ(pBar->value(), 0);
        EXPECT_EQ(pBar->maximum(), 100);
        QObject::connect(pBar, &QProgressBar::valueChanged, [&](int nValue) { barValues.push_back(nValue); });
        m_site.Gate().Release();
    };
    const Step finish = [](QWidget& window) {
        EXPECT_EQ(TextOf(window, IDC_TITLE2), QStringLiteral("End"));
        EXPECT_EQ(TextOf(window, IDC_TEXT1), QStringLiteral("The boot disk has been created successfully."));
        EXPECT_TRUE(TextOf(window, IDC_TEXT2).startsWith(QStringLiteral("In order to install the boot manager")));
        EXPECT_EQ(TextOf(window, IDCANCEL), QStringLiteral("Finish"));
        Type(window, Qt::Key_Return);
    };

    EXPECT_EQ(Run({s_next, s_next, watchTheBar, finish, [](QWidget&) { ADD_FAILURE() << "Enter did not end the wizard"; }}),
              m_toFinish);
    EXPECT_TRUE(ReadWholeFile(m_site.m_strDriveA) == image) << "drive A: does not hold the image";
    ASSERT_FALSE(barValues.empty());
    EXPECT_EQ(barValues.back(), 99);
    EXPECT_TRUE(std::is_sorted(barValues.begin(), barValues.end()));
    EXPECT_EQ(g_nStatus, 0);
}

TEST_F(WizardTest, WriteOnBWritesTheSecondDriveOnly)
{
    const std::vector<char> image = m_site.PlaceImage();
    const std::vector<char> driveABefore = PatternImage(DISK_SIZE, 7);
    WriteWholeFile(m_site.m_strDriveA, driveABefore);

    EXPECT_EQ(Run({s_next, s_driveBThenNext, s_wait, s_next}), m_toFinish);
    EXPECT_TRUE(ReadWholeFile(m_site.m_strDriveB) == image) << "drive B: does not hold the image";
    EXPECT_TRUE(ReadWholeFile(m_site.m_strDriveA) == driveABefore) << "drive A: was touched";
}

TEST_F(WizardTest, EveryFailureEndsOnTheErrorPageWithItsTextTheImageAndTheDrive)
{
    const std::string strImage = m_site.m_strImagePath;

    // No image beside the program.
    EXPECT_EQ(Run({s_next, s_next, s_wait, ExpectErrorPage("Unable to open input file.", strImage, "A:")}), m_toError);

    // An image three tracks and a bit long: the three tracks are written, then it fails.
    ResetWizardState();
    const std::vector<char> image = m_site.PlaceImage(3 * TRACK_SIZE + 100);
    EXPECT_EQ(Run({s_next, s_next, s_wait, ExpectErrorPage("Unexpected end of file.", strImage, "A:")}), m_toError);
    const std::vector<char> driveA = ReadWholeFile(m_site.m_strDriveA);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 3 * TRACK_SIZE, driveA.begin()));
    EXPECT_EQ(driveA[3 * TRACK_SIZE], 0) << "the short track must not be written";

    // No drive B: there at all.
    ResetWizardState();
    m_site.PlaceImage();
    std::filesystem::remove(m_site.m_strDriveB);
    EXPECT_EQ(Run({s_next, s_driveBThenNext, s_wait, ExpectErrorPage("Unable to open output device.", strImage, "B:")}),
              m_toError);
    EXPECT_FALSE(std::filesystem::exists(m_site.m_strDriveB));

    // Drive A: refuses track 5 for real (the file may not grow past five tracks).
    ResetWizardState();
    {
        const CFileSizeLimit limit(5 * TRACK_SIZE);
        EXPECT_EQ(Run({s_next, s_next, s_wait, ExpectErrorPage(std::strerror(EFBIG), strImage, "A:")}), m_toError);
    }
    EXPECT_EQ(g_nStatus, EFBIG);
}

TEST_F(WizardTest, WriterThatCannotStartEndsOnTheErrorPageInsteadOfAPageThatNeverMoves)
{
    m_site.PlaceImage();
    const Step nextWithNoRoomForAThread = [](QWidget& window) {
        FailThreadStarts(true);
        Type(window, Qt::Key_Return);
    };
    const Step errorPage = ExpectErrorPage("Unable to start the writing process.", m_site.m_strImagePath, "A:");

    EXPECT_EQ(Run({s_next, nextWithNoRoomForAThread, [&](QWidget& window) {
                       FailThreadStarts(false);
                       errorPage(window);
                   }}),
              (QStringList{QStringLiteral("Welcome"), QStringLiteral("Drive selection"), QStringLiteral("Error")}));
    FailThreadStarts(false);
    EXPECT_EQ(g_nStatus, -1);
    EXPECT_TRUE(ReadWholeFile(m_site.m_strDriveA) == std::vector<char>(DISK_SIZE));
}

TEST_F(WizardTest, CancelDuringAWriteFinishesTheTrackAndEndsWithoutAResultPage)
{
    const std::vector<char> image = m_site.PlaceImage();
    // Track 80 is under way when Cancel comes: the gate lets it go on only once the page
    // has asked the writer to stop, so exactly that track is finished after the request.
    m_site.Gate().HoldBefore(80, true);
    const Step cancelAtTrack80 = [&](QWidget& window) {
        ASSERT_TRUE(m_site.Gate().WaitUntilHeld());
        Type(window, Qt::Key_Escape);
    };

    EXPECT_EQ(Run({s_next, s_next, cancelAtTrack80}), m_toWriting);
    std::vector<char> expected = Prefix(image, 81 * TRACK_SIZE);
    expected.resize(DISK_SIZE);
    EXPECT_TRUE(ReadWholeFile(m_site.m_strDriveA) == expected) << "not tracks 0 to 80 of the image and nothing after";
    EXPECT_EQ(g_nStatus, 0);
    EXPECT_EQ(g_strError, "");
}

// What reaches the page's window while it waits for its writer, as its own event filter sees
// it, and the toolkit's loop turning meanwhile, as a timer of the test's own ticks in it.
class CWaitWatch : public QObject
{
public:
    explicit CWaitWatch(QWidget& window) : m_window(window) { window.installEventFilter(this); }
    ~CWaitWatch() override { m_window.removeEventFilter(this); }

    // Ticks every 10 ms from the moment Start is called; at the fifth tick the window is
    // asked to paint and made active again, keys are typed and the writer's messages posted;
    // at the thirtieth the held writer is let go.
    void Start(CDialog& page, CTrackGate& gate)
    {
        m_last = std::chrono::steady_clock::now();
        m_ticker.setInterval(10);
        QObject::connect(&m_ticker, &QTimer::timeout, [this, &page, &gate] {
            const auto now = std::chrono::steady_clock::now();
            m_seen.longestGap = std::max(m_seen.longestGap, now - m_last);
            m_last = now;
            if (++m_seen.nTicks == 5) {
                m_bWatching = true;
                m_seen.bWaitCursor = QApplication::overrideCursor() != nullptr &&
                                     QApplication::overrideCursor()->shape() == Qt::WaitCursor;
                m_window.update();
                m_other.show();
                m_other.activateWindow();
                m_window.activateWindow();
                for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space})
                    QTest::keyClick(&m_window, key);
                page.Post(WM_APP, 77, 0);
                page.Post(WM_COMMAND, IDC_NEXT, 0);
            } else if (m_seen.nTicks == 30) {
                m_bWatching = false;
                m_other.hide();
                gate.Release();
            }
        });
        m_ticker.start();
    }

    struct SSeen;
    // What was seen, the time from the last tick to the wait's end counted as a gap too.
    SSeen Finish()
    {
        m_ticker.stop();
        m_seen.longestGap = std::max(m_seen.longestGap, std::chrono::steady_clock::now() - m_last);
        return m_seen;
    }

    struct SSeen
    {
        int nTicks = 0;
        int nPaints = 0;
        int nKeys = 0;
        int nActivations = 0;
        bool bWaitCursor = false;
        std::chrono::steady_clock::duration longestGap{};
    };
    SSeen m_seen;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (m_bWatching && pObject == &m_window) {
            m_seen.nPaints += pEvent->type() == QEvent::Paint;
            m_seen.nKeys += pEvent->type() == QEvent::KeyPress;
            m_seen.nActivations += pEvent->type() == QEvent::WindowActivate;
        }
        return false;
    }

private:
    QWidget& m_window;
    QWidget m_other;
    QTimer m_ticker;
    bool m_bWatching = false;
    std::chrono::steady_clock::time_point m_last;
};

TEST_F(WizardTest, PageWaitingForAWriterHeldInATrackStaysAliveAndHandlesNothingOfItsOwn)
{
    const std::vector<char> image = m_site.PlaceImage();
    // The writer stays in track 80 until the test lets it go, as a slow medium keeps it.
    m_site.Gate().HoldBefore(80, false);
    std::optional<CWaitWatch::SSeen> seen;
    int nBarAtCancel = -1;
    int nBarAtEnd = -1;
    const Step cancelWhileHeld = [&](QWidget& window) {
        ASSERT_TRUE(m_site.Gate().WaitUntilHeld());
        CDialog& page = PageOf(window);
        auto* pBar = Control<QProgressBar>(page, IDC_PROGRESS);
        nBarAtCancel = pBar->value();
        CWaitWatch watch(window);
        watch.Start(page, m_site.Gate());
        Type(window, Qt::Key_Escape);
        nBarAtEnd = pBar->value();
        seen = watch.Finish();
    };

    // A wait that stops the toolkit's loop lets the writer go only at the watchdog's limit.
    EXPECT_EQ(Run({s_next, s_next, cancelWhileHeld}, std::chrono::seconds(10)), m_toWriting);
    ASSERT_TRUE(seen.has_value());
    EXPECT_GE(seen->nTicks, 30) << "the toolkit's loop stood still while the page waited";
    EXPECT_GT(seen->nPaints, 0) << "the page did not paint while it waited";
    EXPECT_GT(seen->nActivations, 0) << "the window system's activation did not reach the page";
    EXPECT_EQ(seen->nKeys, 0) << "keys typed during the wait reached the page";
    EXPECT_TRUE(seen->bWaitCursor) << "no wait cursor while the page waited";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor outlived the wait";
    EXPECT_EQ(nBarAtEnd, nBarAtCancel) << "a progress message was handled after Cancel";
    std::cout << "longest time the page's loop did not turn while it waited: "
              << std::chrono::duration_cast<std::chrono::milliseconds>(seen->longestGap).count() << " ms"
              << std::endl;
    std::vector<char> expected = Prefix(image, 81 * TRACK_SIZE);
    expected.resize(DISK_SIZE);
    EXPECT_TRUE(ReadWholeFile(m_site.m_strDriveA) == expected) << "not tracks 0 to 80 of the image and nothing after";
    EXPECT_EQ(g_nStatus, 0);
}

TEST_F(WizardTest, CancelAfterTheWriterEndedButBeforeItsCompletionWasHandledShowsNoResultPage)
{
    const std::vector<char> image = m_site.PlaceImage();
    const Step cancelLate = [](QWidget& window) {
        // The page is busy here, so the writer's completion stays queued behind the cancel.
        auto& page = dynamic_cast<CWritePage&>(PageOf(window));
        ASSERT_EQ(WaitForSingleObject(page.m_thread.m_hThread, INFINITE), WAIT_OBJECT_0);
        Type(window, Qt::Key_Escape);
    };

    EXPECT_EQ(Run({s_next, s_next, cancelLate}), m_toWriting);
    EXPECT_TRUE(ReadWholeFile(m_site.m_strDriveA) == image);
}

// Drive A: refuses the user, so the writer asks udisks2 on a bus of the test's own, and the
// stand-in holds its answer as a password dialog that is still open holds it.
class WizardThroughUdisksTest : public WizardTest
{
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        ASSERT_FALSE(m_bus.Address().empty()) << "dbus-daemon did not come up";
        ::setenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.Address().c_str(), 1);
        RefuseOpensOf(m_site.m_strDriveA);
    }
    void TearDown() override
    {
        RefuseOpensOf({});
        ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
        WizardTest::TearDown();
    }

    // Cancel while udisks2 waits for the password; bAnswerAtCancel: the user gives it at the
    // moment the page asks the writer to stop. How long the page took to end after Cancel.
    std::chrono::steady_clock::duration CancelWhileThePasswordIsAsked(CUdisksStandIn& udisks, bool bAnswerAtCancel)
    {
        std::chrono::steady_clock::time_point cancelled;
        std::thread answerer;
        const Step cancelWhileAsked = [&](QWidget& window) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return udisks.IsHolding(); })) << "udisks2 was never asked";
            if (bAnswerAtCancel)
                answerer = std::thread([&, pWriter = m_site.m_pWriter] {
                    pWriter->WaitForStopRequest();
                    udisks.Release();
                });
            cancelled = std::chrono::steady_clock::now();
            Type(window, Qt::Key_Escape);
            // The answerer waits on the writer's own stop request: it must be done with it
            // while the page, and with it the writer, still exists.
            if (answerer.joinable())
                answerer.join();
        };
        EXPECT_EQ(Run({s_next, s_next, cancelWhileAsked}), m_toWriting);
        return std::chrono::steady_clock::now() - cancelled;
    }

    void ExpectNothingWritten() const
    {
        EXPECT_TRUE(ReadWholeFile(m_site.m_strDriveA) == std::vector<char>(DISK_SIZE)) << "the drive was written";
        EXPECT_EQ(g_nStatus, 0);
        EXPECT_EQ(g_strError, "");
    }

    CTestBus m_bus;
};

TEST_F(WizardThroughUdisksTest, CancelWhileThePasswordIsAskedEndsThePageAtOnceAndTheAnswerLaterOpensNothing)
{
    m_site.PlaceImage();
    CUdisksStandIn udisks(m_bus.Address(), m_site.m_strDriveA, CUdisksStandIn::EAnswer::hold);
    ASSERT_TRUE(udisks.IsReady());

    EXPECT_LT(CancelWhileThePasswordIsAsked(udisks, false), std::chrono::seconds(1));
    // The writer hung up: nothing udisks2 sends from now on can reach it.
    udisks.WaitUntilCallerGone();
    udisks.Release();
    ExpectNothingWritten();
}

TEST_F(WizardThroughUdisksTest, PasswordGivenAtTheMomentOfCancelWritesNothing)
{
    m_site.PlaceImage();
    CUdisksStandIn udisks(m_bus.Address(), m_site.m_strDriveA, CUdisksStandIn::EAnswer::hold);
    ASSERT_TRUE(udisks.IsReady());

    EXPECT_LT(CancelWhileThePasswordIsAsked(udisks, true), std::chrono::seconds(1));
    ExpectNothingWritten();
}

TEST_F(WizardTest, EscapeOnTheDrivePageWithReturnTypedRightBehindItWritesNothing)
{
    m_site.PlaceImage();
    // Both keys are queued before either is handled, as when typed in one burst.
    const Step escapeThenReturn = [](QWidget& window) {
        QWidget* pFocus = QApplication::focusWidget();
        ASSERT_NE(pFocus, nullptr);
        ASSERT_EQ(pFocus->window(), &window);
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            QCoreApplication::postEvent(pFocus, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
            QCoreApplication::postEvent(pFocus, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
        }
    };

    EXPECT_EQ(Run({s_next, escapeThenReturn}), (QStringList{QStringLiteral("Welcome"), QStringLiteral("Drive selection")}));
    EXPECT_TRUE(ReadWholeFile(m_site.m_strDriveA) == std::vector<char>(DISK_SIZE)) << "the declined write happened";
    EXPECT_EQ(g_strInputFile, "") << "the writer ran";
}

TEST_F(WizardTest, BackAndForthKeepsTheDriveThatTheWriteThenUses)
{
    m_site.PlaceImage();
    m_site.Gate().HoldBefore(0, true);
    const Step bThenPrev = [](QWidget& window) {
        ChooseDriveB(window);
        qobject_cast<QPushButton*>(WidgetOf(PageOf(window).GetDlgItem(IDC_PREV)))->click();
    };
    const Step bStillChosen = [](QWidget& window) {
        EXPECT_TRUE(qobject_cast<QRadioButton*>(WidgetOf(PageOf(window).GetDlgItem(IDC_RADIO2)))->isChecked());
        Type(window, Qt::Key_Return);
    };
    const Step cancel = [&](QWidget& window) {
        ASSERT_TRUE(m_site.Gate().WaitUntilHeld());
        Type(window, Qt::Key_Escape);
    };

    EXPECT_EQ(Run({s_next, bThenPrev, s_next, bStillChosen, cancel}),
              (QStringList{QStringLiteral("Welcome"), QStringLiteral("Drive selection"), QStringLiteral("Welcome"),
                           QStringLiteral("Drive selection"), QStringLiteral("Writing process")}));
    EXPECT_EQ(g_nDrive, 1);
    EXPECT_EQ(g_strOutputDevice, "B:");
}

TEST_F(WizardTest, WriterThatNeverFinishesFailsTheTestInBoundedTime)
{
    m_site.PlaceImage();
    // Nobody releases the gate: only the watchdog can end this run.
    m_site.Gate().HoldBefore(3, false);
    ::testing::TestPartResultArray failures;
    const auto start = std::chrono::steady_clock::now();
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &failures);
        Run({s_next, s_next, s_wait}, std::chrono::seconds(2));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("the writer never finished"), std::string::npos);
}

} // namespace
