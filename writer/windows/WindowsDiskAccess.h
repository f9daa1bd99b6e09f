// The two Windows families and the choice between them, made once at the start of a write.
#pragma once

#include "writer/DiskAccess.h"
#include "framework/core/Types.h"

#include <memory>

// The platform id the system reports for itself; 0 if it reports none.
DWORD GetPlatformId();

// The way to drive nDrive on a system with the platform id dwPlatformId: the raw volume on
// the NT family (id 2), the disk service on the 95 family, which is every other id; none
// (nullptr) for a drive index other than 0 (A:) and 1 (B:). A 64-bit build knows only the
// NT family and has none for every other id.
std::unique_ptr<CDiskAccess> ChooseDiskAccessFor(DWORD dwPlatformId, int nDrive);
