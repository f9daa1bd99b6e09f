// One write as a desktop user meets it: run as "nobody", who may not open the drive itself.
//   unprivileged-write PROGRAM DEVICE
// writes the image beside PROGRAM to DEVICE as drive A: and prints the status and the text.
#include "tests/support/TestWriteSite.h"
#include "tests/support/WriteRun.h"
#include "writer/WizardState.h"

#include <cstdio>
#include <grp.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    const gid_t nobodyGroup = 65534;
    const uid_t nobody = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobodyGroup) != 0 || ::setuid(nobody) != 0 || ::geteuid() != nobody) {
        std::perror("unprivileged-write: cannot become nobody");
        return 2;
    }

    const CTestWriteSite site(argv[1], argv[2]);
    CPostRecorder recorder;
    CWriteThread thread(site);
    if (!RunWriteToEnd(thread, recorder))
        return 2;
    std::printf("%d\n%s", g_nStatus, g_strError.c_str());
    return 0;
}
