#!/bin/sh
# Makes the sample diskette image: a FAT12 1.44 MB diskette (2880 sectors, 18 per track,
# 2 heads) with a volume label, a README.TXT and our own boot sector.
#
# Usage: make-diskette.sh OUTPUT WORKDIR
#
# The same sources give the same bytes on every run: the volume id, every date the file
# system records and the time zone those dates are taken in are fixed here, and nothing is
# read from the user's mtools configuration.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=$1
work=$2

volume_id=4b4f5256            # any fixed value; mkfs.fat would otherwise take the time
label=KORVANT
export SOURCE_DATE_EPOCH=946684800   # 2000-01-01 00:00:00 UTC, for every date mtools writes
export TZ=UTC
export MTOOLSRC=/dev/null MTOOLS_SKIP_CHECK=1

fail() { echo "make-diskette.sh: $*" >&2; exit 1; }
size() { stat -c %s "$1"; }

mkdir -p "$work"

# The boot sector, linked where the BIOS loads it.
as --32 -o "$work/boot.o" "$here/boot.S"
ld -m elf_i386 --oformat binary -Ttext 0x7c00 -e _start -o "$work/boot.bin" "$work/boot.o"
[ "$(size "$work/boot.bin")" -eq 512 ] || fail "boot sector is $(size "$work/boot.bin") bytes, not 512"
[ "$(od -An -tx1 -j510 -N2 "$work/boot.bin" | tr -d ' ')" = 55aa ] || fail "boot sector lacks the 55 AA signature"

# The file system. --invariant fixes what mkfs.fat would take from the clock; the label
# is set by mlabel so that its directory entry gets our fixed date, not mkfs.fat's own.
img=$work/disk.img
rm -f "$img"
mkfs.fat --invariant -i "$volume_id" -F 12 -g 2/18 -C "$img" 1440 >/dev/null
mlabel -i "$img" "::$label"
mcopy -t -i "$img" "$here/README.TXT" ::README.TXT

# Our jump and code over mkfs.fat's; its BIOS parameter block (bytes 3 to 61) stays.
dd if="$work/boot.bin" of="$img" bs=1 count=3 conv=notrunc status=none
dd if="$work/boot.bin" of="$img" bs=1 skip=62 seek=62 count=450 conv=notrunc status=none

[ "$(size "$img")" -eq 1474560 ] || fail "image is $(size "$img") bytes, not 1474560"
fsck.fat -n "$img" >"$work/fsck.txt" 2>&1 || { cat "$work/fsck.txt" >&2; fail "fsck.fat finds the file system damaged"; }

# Only a finished image replaces the output, so a failed run never leaves a half one.
mv -f "$img" "$out"
