#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs one of the Windows build's test programs under Wine and passes on its
# exit status.
#
# usage: run-under-wine.sh PREFIX PROGRAM.exe [ARGUMENTS...]
#
# Exit 77 (skipped), with the reason, where the Windows build or Wine is
# missing.
set -eu
prefix=$1
program=$2
shift 2

[ -z "${VELOMNI_WINDOWS_MISSING:-}" ] || { echo "SKIP: the Windows build is missing: $VELOMNI_WINDOWS_MISSING"; exit 77; }
[ -f "$program" ] || { echo "SKIP: $program was not built"; exit 77; }
PATH=/usr/lib/wine:$PATH
command -v wine64 >/dev/null 2>&1 || { echo "SKIP: wine64 is missing: run scripts/install-deps.sh"; exit 77; }

# A program that faults ends at once instead of waiting in Wine's debugger.
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
if [ ! -f "$prefix/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || { echo "wineboot failed in $prefix"; exit 1; }
fi
status=0
wine64 "$program" "$@" || status=$?
# Nothing of the test may outlive it in the shared prefix.
wineserver -w 2>/dev/null || true
exit $status
