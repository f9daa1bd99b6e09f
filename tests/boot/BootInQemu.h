// Starts a PC in QEMU from a diskette image and watches what its boot code says: the text it
// sends to the first serial port as that text comes, and the text screen once the expected
// words are there. Software emulation only, so it runs wherever Debian's QEMU is installed.
#pragma once

#include <chrono>
#include <string>

struct SBootOutcome
{
    bool bMessageSeen = false;              // the expected text came on the serial port in time
    std::string strSerial;                  // everything the serial port sent
    std::string strScreen;                  // the text screen after the message; rows end in '\n'
    std::string strProblem;                 // why something is missing, with QEMU's own words
};

// Boots strImage as drive A: (read-only, so the image is never changed) and waits at most
// timeout for strExpected on COM1; then saves the screen and ends QEMU. Returns as soon as
// the text is there, QEMU has ended, or the time is up.
SBootOutcome BootDiskette(const std::string& strImage, const std::string& strExpected, std::chrono::milliseconds timeout);
