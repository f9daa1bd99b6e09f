// The answers to --help and --version, and the complaint about anything else.
#include "CommandLine.h"

#include "framework/core/StringResource.h"

#include <ostream>
#include <string_view>

namespace {

// The name the user typed, without its folder, so that the usage names what they started.
std::string_view ProgramName(int argc, const char* const argv[])
{
    const std::string_view strPath = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    const std::string_view strName = strPath.substr(strPath.find_last_of('/') + 1);
    return strName.empty() ? std::string_view("korvant-setup") : strName;
}

bool IsHelp(std::string_view strArg)
{
    return strArg == "--help" || strArg == "-h";
}

bool IsVersion(std::string_view strArg)
{
    return strArg == "--version" || strArg == "-v";
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const argv[], std::ostream& out, std::ostream& err)
{
    if (argc <= 1)
        return std::nullopt;

    const std::string_view strName = ProgramName(argc, argv);
    const std::string_view strFirst = argv[1];
    if (argc == 2 && IsHelp(strFirst)) {
        out << "Usage: " << strName << " [--help | --version]\n"
            << "\n"
            << "Writes the KORVANT boot diskette: the diskette image that lies beside the program,\n"
            << "korvant-setup.000, onto a diskette in drive A: or B:. Started without options, it\n"
            << "opens the setup wizard, which needs a graphical desktop.\n"
            << "\n"
            << "  -h, --help      show this help and exit\n"
            << "  -v, --version   show the version and exit\n";
        return 0;
    }
    if (argc == 2 && IsVersion(strFirst)) {
        out << AfxFindStringResource(AFX_IDS_APP_TITLE) << ' ' << KORVANT_VERSION << '\n';
        return 0;
    }

    // An option we know followed by more names the extra word; otherwise the first is wrong.
    const std::string_view strWrong = IsHelp(strFirst) || IsVersion(strFirst) ? argv[2] : strFirst;
    err << strName << ": unexpected '" << strWrong << "' on the command line\n"
        << "Try '" << strName << " --help' for more information.\n";
    return 2;
}
