// The wizard state's variables, and the one way a failure is recorded.
#include "WizardState.h"

#include <utility>

int g_nDrive = 0;
int g_nImage = 0;
int g_nStatus = 0;

// Constructed in this order at start-up and destroyed in reverse at exit.
std::string g_strError;
std::string g_strInputFile;
std::string g_strOutputDevice;

void RecordWriteFailure(int nStatus, std::string strError)
{
    g_strError = std::move(strError);
    g_nStatus = nStatus;
}
