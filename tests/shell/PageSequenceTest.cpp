// The page sequence over scripted stand-in pages: which page follows which result, when the
// result page is chosen, and in what order the pages are built and destroyed.
#include "app/PageSequence.h"
#include "framework/Dialog.h"
#include "res/Resource.h"
#include "tests/support/WizardStateReset.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> s_journal;

// One page's ending: its result, and what happens meanwhile (say, a write that fails).
struct SStep
{
    int nResult;
    std::function<void()> meanwhile;
};
std::deque<SStep> s_steps;

template <int N>
class CStubPage : public CDialog
{
public:
    CStubPage() : CDialog(0) { s_journal.push_back("build " + Name()); }
    ~CStubPage() override { s_journal.push_back("destroy " + Name()); }

    int DoModal() override
    {
        s_journal.push_back(Name());
        if (s_steps.empty()) {
            s_journal.push_back("(no more steps)");
            return IDCANCEL;
        }
        SStep step = s_steps.front();
        s_steps.pop_front();
        if (step.meanwhile)
            step.meanwhile();
        return step.nResult;
    }

private:
    static std::string Name()
    {
        static const char* const s_names[] = {"welcome", "drive", "write", "finish", "error"};
        return s_names[N];
    }
};

using CWelcomeStub = CStubPage<0>;
using CDriveStub = CStubPage<1>;
using CWriteStub = CStubPage<2>;
using CFinishStub = CStubPage<3>;
using CErrorStub = CStubPage<4>;

class PageSequenceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        s_journal.clear();
        s_steps.clear();
        ResetWizardState();
    }

    // The pages shown, in order, with the wizard built and torn down around them.
    std::vector<std::string> Run(std::deque<SStep> steps)
    {
        s_steps = std::move(steps);
        RunWizard<CWelcomeStub, CDriveStub, CWriteStub, CFinishStub, CErrorStub>();
        EXPECT_TRUE(s_steps.empty()) << "the wizard ended before all steps were taken";
        std::vector<std::string> shown;
        for (const std::string& entry : s_journal)
            if (entry.rfind("build ", 0) != 0 && entry.rfind("destroy ", 0) != 0)
                shown.push_back(entry);
        return shown;
    }

    using Pages = std::vector<std::string>;
};

TEST_F(PageSequenceTest, PagesAreBuiltOnceInOrderAndDestroyedInReverse)
{
    s_steps = {{IDC_NEXT, {}}, {IDC_PREV, {}}, {IDC_NEXT, {}}, {IDC_NEXT, {}}, {IDC_NEXT, {}}, {IDCANCEL, {}}};
    RunWizard<CWelcomeStub, CDriveStub, CWriteStub, CFinishStub, CErrorStub>();
    const std::vector<std::string> expected = {
        "build welcome", "build drive", "build write", "build finish", "build error",
        "welcome", "drive", "welcome", "drive", "write", "finish",
        "destroy error", "destroy finish", "destroy write", "destroy drive", "destroy welcome"};
    EXPECT_EQ(s_journal, expected);
}

TEST_F(PageSequenceTest, TypicalRunEndsOnTheFinishPage)
{
    EXPECT_EQ(Run({{IDC_NEXT, {}}, {IDC_NEXT, {}}, {IDC_NEXT, {}}, {IDCANCEL, {}}}),
              (Pages{"welcome", "drive", "write", "finish"}));
}

TEST_F(PageSequenceTest, FailedWriteLeadsToTheErrorPageWhateverTheCode)
{
    for (const int nStatus : {-1, 5, 0x80, -32768}) {
        s_journal.clear();
        EXPECT_EQ(Run({{IDC_NEXT, {}}, {IDC_NEXT, {}}, {IDC_NEXT, [=] { g_nStatus = nStatus; }}, {IDCANCEL, {}}}),
                  (Pages{"welcome", "drive", "write", "error"}))
            << "status " << nStatus;
        ResetWizardState();
    }
}

TEST_F(PageSequenceTest, CancelEndsAtOnceOnEveryPage)
{
    EXPECT_EQ(Run({{IDCANCEL, {}}}), (Pages{"welcome"}));
    s_journal.clear();
    EXPECT_EQ(Run({{IDC_NEXT, {}}, {IDCANCEL, {}}}), (Pages{"welcome", "drive"}));
    s_journal.clear();
    EXPECT_EQ(Run({{IDC_NEXT, {}}, {IDC_NEXT, {}}, {IDCANCEL, {}}}), (Pages{"welcome", "drive", "write"}));
}

TEST_F(PageSequenceTest, PrevGoesBackAndPrevOnTheWelcomePageEnds)
{
    EXPECT_EQ(Run({{IDC_NEXT, {}}, {IDC_NEXT, {}}, {IDC_PREV, {}}, {IDC_PREV, {}}, {IDC_PREV, {}}}),
              (Pages{"welcome", "drive", "write", "drive", "welcome"}));
}

TEST_F(PageSequenceTest, PrevOnTheResultPageShowsItAgainWithTheStatusReadAfresh)
{
    // The error page is left backwards once more after the status turned to 0: the result
    // page is chosen again, and now it is the finish page.
    EXPECT_EQ(Run({{IDC_NEXT, {}},
                   {IDC_NEXT, {}},
                   {IDC_NEXT, [] { g_nStatus = -1; }},
                   {IDC_PREV, {}},
                   {IDC_PREV, [] { g_nStatus = 0; }},
                   {IDC_PREV, {}},
                   {IDCANCEL, {}}}),
              (Pages{"welcome", "drive", "write", "error", "error", "finish", "finish"}));
}

TEST_F(PageSequenceTest, AnyOtherResultShowsTheSamePageAgain)
{
    EXPECT_EQ(Run({{IDOK, {}}, {IDC_NEXT, {}}, {12345, {}}, {0, {}}, {IDC_NEXT, {}}, {IDOK, {}}, {IDC_NEXT, {}},
                   {IDOK, {}}, {IDCANCEL, {}}}),
              (Pages{"welcome", "welcome", "drive", "drive", "drive", "write", "write", "finish", "finish"}));
}

TEST_F(PageSequenceTest, PageThatCannotBeOpenedEndsTheWizard)
{
    EXPECT_EQ(Run({{-1, {}}}), (Pages{"welcome"}));
    s_journal.clear();
    EXPECT_EQ(Run({{IDC_NEXT, {}}, {IDC_NEXT, {}}, {-1, {}}}), (Pages{"welcome", "drive", "write"}));
}

TEST_F(PageSequenceTest, NextOnTheResultPageEndsTheWizard)
{
    EXPECT_EQ(Run({{IDC_NEXT, {}}, {IDC_NEXT, {}}, {IDC_NEXT, {}}, {IDC_NEXT, {}}}),
              (Pages{"welcome", "drive", "write", "finish"}));
}

TEST(NextPagePositionTest, EveryResultOfEveryPageLeadsToOnePlaceOfTheSequence)
{
    // From each page, whatever it ended with: leaving (IDCANCEL) and a page that could not be
    // shown (-1) end the wizard; going on leads to the next page, and past the result page to
    // the end; going back leads to the page before, the welcome page's to the end, and the
    // result page shows itself again; any other code shows the same page again.
    for (int nPosition = POS_WELCOME; nPosition <= POS_RESULT; ++nPosition) {
        for (const int nResult : {IDCANCEL, -1, IDC_NEXT, IDC_PREV, IDOK, 0, 3, 999, 1002, 0x7FFF}) {
            int nExpected = nPosition;
            if (nResult == IDCANCEL || nResult == -1)
                nExpected = POS_END;
            else if (nResult == IDC_NEXT)
                nExpected = nPosition == POS_RESULT ? POS_END : nPosition + 1;
            else if (nResult == IDC_PREV)
                nExpected = nPosition == POS_RESULT ? POS_RESULT : nPosition - 1;
            EXPECT_EQ(NextPagePosition(nPosition, nResult), nExpected) << "page " << nPosition << ", result " << nResult;
        }
    }
}

} // namespace
