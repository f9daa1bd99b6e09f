// The command line a desktop program answers: its version, a short usage, and a complaint
// with status 2 for anything else, each before any window could open.
#include "app/CommandLine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

struct SAnswer
{
    std::optional<int> nStatus;
    std::string strOut;
    std::string strErr;
};

SAnswer Answer(std::vector<const char*> args)
{
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> nStatus = AnswerCommandLine(static_cast<int>(args.size()), args.data(), out, err);
    return {nStatus, out.str(), err.str()};
}

TEST(CommandLineTest, NoArgumentsStartTheWizard)
{
    const SAnswer answer = Answer({"/usr/bin/korvant-setup"});
    EXPECT_FALSE(answer.nStatus.has_value());
    EXPECT_EQ(answer.strOut, "");
    EXPECT_EQ(answer.strErr, "");
}

TEST(CommandLineTest, VersionIsTheBuildsOwn)
{
    for (const char* pszOption : {"--version", "-v"}) {
        const SAnswer answer = Answer({"korvant-setup", pszOption});
        EXPECT_EQ(answer.nStatus, 0) << pszOption;
        EXPECT_EQ(answer.strOut, std::string("KORVANT Setup ") + KORVANT_VERSION + "\n") << pszOption;
        EXPECT_EQ(answer.strErr, "") << pszOption;
    }
}

TEST(CommandLineTest, HelpNamesTheProgramAsStartedAndBothOptions)
{
    const SAnswer answer = Answer({"/usr/bin/korvant-setup", "--help"});
    EXPECT_EQ(answer.nStatus, 0);
    EXPECT_THAT(answer.strOut, StartsWith("Usage: korvant-setup [--help | --version]\n"));
    EXPECT_THAT(answer.strOut, HasSubstr("graphical desktop"));
    EXPECT_THAT(answer.strOut, HasSubstr("  -v, --version"));
    EXPECT_EQ(answer.strErr, "");
    EXPECT_EQ(Answer({"/usr/bin/korvant-setup", "-h"}).strOut, answer.strOut);
}

TEST(CommandLineTest, AnUnknownOptionIsNamedWithStatusTwo)
{
    const SAnswer answer = Answer({"./korvant-setup", "--fullscreen"});
    EXPECT_EQ(answer.nStatus, 2);
    EXPECT_EQ(answer.strOut, "");
    EXPECT_EQ(answer.strErr, "korvant-setup: unexpected '--fullscreen' on the command line\n"
                             "Try 'korvant-setup --help' for more information.\n");
}

TEST(CommandLineTest, AWordAfterAKnownOptionIsNamedAndNothingElseIsAnswered)
{
    const SAnswer answer = Answer({"korvant-setup", "--version", "A:"});
    EXPECT_EQ(answer.nStatus, 2);
    EXPECT_EQ(answer.strOut, "");
    EXPECT_THAT(answer.strErr, StartsWith("korvant-setup: unexpected 'A:' on the command line\n"));
}

} // namespace
