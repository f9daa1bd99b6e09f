// A 3.5-inch HD diskette as the writer sees it: logical sectors only, a track at a time.
#pragma once

inline constexpr unsigned SECTOR_SIZE = 512;
inline constexpr unsigned SECTORS_PER_TRACK = 18;
inline constexpr unsigned TRACK_SIZE = SECTOR_SIZE * SECTORS_PER_TRACK;  // 9216 bytes
inline constexpr unsigned DISK_SECTORS = 2880;
inline constexpr unsigned DISK_TRACKS = DISK_SECTORS / SECTORS_PER_TRACK;  // 160
inline constexpr unsigned DISK_SIZE = DISK_SECTORS * SECTOR_SIZE;  // 1,474,560 bytes
