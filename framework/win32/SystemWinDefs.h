// The dialog layer's Windows names on Windows: the system headers that the core's types
// bring have every one of them.
#pragma once

#include "framework/core/Types.h"
