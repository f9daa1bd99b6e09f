// The framework's own command and result ids, which every program built on it shares; the
// program's ids (res/Resource.h) start above them.
#pragma once

// Results of a page and the commands of its standard buttons. Windows names the first two.
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif

// The help command: F1 on a page, routed to the application.
#define ID_HELP 0xE146
