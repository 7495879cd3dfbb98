#!/usr/bin/env bash
# Prints the size of the shipped setup program (the 32-bit Release build of qrvsetup.exe, without
# a payload) and fails above its limit of 500 KiB (docs/setup-size.md says what keeps it there;
# scripts/size-breakdown.py shows what it is made of).
#   scripts/check-size.sh [FILE]     default: build/win32/src/app/qrvsetup.exe
set -euo pipefail
cd "$(dirname "$0")/.."
file="${1:-build/win32/src/app/qrvsetup.exe}"
limit_kib=500
[ -f "$file" ] || { echo "check-size: $file is missing; build the win32 preset first" >&2; exit 1; }
bytes=$(stat -c %s "$file")
kib=$(( (bytes + 1023) / 1024 ))
echo "$file: $bytes bytes ($kib KiB), limit $limit_kib KiB ($(( limit_kib - kib )) KiB left)"
if [ "$bytes" -gt $(( limit_kib * 1024 )) ]; then
  echo "check-size: the setup program is $(( kib - limit_kib )) KiB over its limit" >&2
  exit 1
fi
