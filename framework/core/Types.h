// The few Windows types, values and message ids that the writing core and the pages share.
// On Windows they come from the system headers; elsewhere we define the same names and values.
// Each platform folder of the core (posix/, win32/) has its own SystemTypes.h, and the build
// puts the one of the platform it builds for on the include path.
#pragma once

#include "SystemTypes.h"

#include <cstdint>
