// The wizard state put back as the program starts with it, so that no test sees another's outcome.
#pragma once

#include "writer/WizardState.h"

// Drive A:, image 0, nothing failed and no write recorded. The product itself never resets
// a recorded failure, so every test that reads the outcome of a write starts from here.
inline void ResetWizardState()
{
    g_nDrive = 0;
    g_nImage = 0;
    g_nStatus = 0;
    g_strError.clear();
    g_strInputFile.clear();
    g_strOutputDevice.clear();
}
