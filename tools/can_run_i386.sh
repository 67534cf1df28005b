#!/usr/bin/env bash
# Tells whether this kernel runs 32-bit x86 programs, which 32-bit Wine (and
# so the product, the i686 build) needs. Runs a tiny static i386 program once:
# 96 bytes of ELF whose only instructions are exit(42) through int 0x80.
#
# Exit status 0 when it ran and returned 42. Otherwise status 1 and one line
# on stdout with the reason, for the set-up and for the summary of test.sh.
#
# QW_NO_I386=1 answers "cannot" without asking the kernel, to try the path
# of machines that cannot run 32-bit code.
set -uo pipefail

if [ "${QW_NO_I386:-}" = "1" ]; then
  echo "32-bit x86 code is turned off here (QW_NO_I386=1)"
  exit 1
fi

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# In build/, which runs the native test programs: /tmp may be mounted noexec.
mkdir -p "$repo/build"
dir=$(mktemp -d "$repo/build/.i386-probe.XXXXXX") || { echo "cannot make a folder for the 32-bit probe"; exit 1; }
trap 'rm -rf "$dir"' EXIT

# ELF header (52 bytes): ELFCLASS32, little endian, ET_EXEC, EM_386, entry
# 0x08048054, one program header at 52. Program header (32 bytes): PT_LOAD of
# the whole file at 0x08048000, read and execute. Code (12 bytes):
# mov eax, 1 (exit); mov ebx, 42; int 0x80.
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$dir/exit42"
chmod +x "$dir/exit42"

"$dir/exit42" 2>"$dir/error"
status=$?
case $status in
  42) exit 0 ;;
  126) echo "this kernel cannot run 32-bit x86 code ($(sed -n '1s/.*: //p' "$dir/error" | head -c 80))" ;;
  *) echo "this kernel cannot run 32-bit x86 code (the i386 probe ended with status $status)" ;;
esac
exit 1
