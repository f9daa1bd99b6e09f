// The bench's block-device round: the writer against a drive as slow per request as a real
// one, so that every request too many shows in the time.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Writes through a loop device over a file in strFolder that lets 20 requests a second
// through, and prints the device's requests, the reads during the write and the time
// against the floor. Needs root; says so and does nothing without. False if the write failed.
bool RunSimulatedDriveRound(const std::string& strFolder, const std::vector<char>& image,
                            const std::function<void(const std::string& strTarget)>& write);
