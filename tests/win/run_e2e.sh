#!/usr/bin/env bash
# Runs the Windows program under Wine on a virtual X display and drives it
# with zzdriver.exe:  run_e2e.sh PROGRAM.exe zzdriver.exe WINEPREFIX
# The program is copied with its PluginTemplate into a fresh folder, so that
# what it writes beside itself stays there. Wine and Xvfb are stopped before
# the script ends.
set -euo pipefail
program=$1
driver=$2
export WINEPREFIX=$3
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

work=$(mktemp -d "${TMPDIR:-/tmp}/zz-win-e2e.XXXXXX")
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/program"
cp "$program" "$driver" "$work/program/"
cp -r "$(dirname "$program")/PluginTemplate" "$work/program/"

# Wine's drive Z: is the Unix root.
dos() { local p=${1//\//\\}; echo "Z:$p"; }

# One X server for the whole run; the driver starts the program itself.
# Wine takes the machine's locale, and with it the ANSI code page, from the
# Unix locale: US English gives the Western code page 1252 that the driver
# expects in the settings file. The locale must be installed, or Wine cannot
# name the run's folder "Plug-ins Größe" on the Unix side.
if ! locale -a 2>/dev/null | grep -qi '^en_US\.utf-\?8$'; then
  echo "run_e2e: the locale en_US.UTF-8 is not installed (scripts/setup.sh generates it)" >&2
  exit 1
fi
env LC_ALL=en_US.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  sh -c 'wine "$1" "$2" "$3"; rc=$?; timeout 60 wineserver -w || wineserver -k; exit $rc' sh \
  "$work/program/$(basename "$driver")" "$(dos "$work/program/$(basename "$program")")" "$(dos "$work/run")"
