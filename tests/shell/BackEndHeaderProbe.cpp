// Must not compile: a file outside the Qt back end that includes one of the back end's own
// headers. The check beside it in CMakeLists.txt builds it and expects the refusal.
#include "framework/qt/QtHandles.h"
