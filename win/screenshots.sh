#!/usr/bin/env bash
# Takes the README's screenshots of both pages: the program runs under Wine in
# a desktop window of its own (for the title bar) on a virtual X display.
#   win/screenshots.sh PROGRAM.exe OUTPUT_FOLDER [WINEPREFIX]
# Writes OUTPUT_FOLDER/windows-project.png, windows-success.png (after Create
# Project) and windows-coder.png.
set -euo pipefail
program=$(realpath "$1")
out=$(realpath "$2")
export WINEPREFIX=${3:-${TMPDIR:-/tmp}/zz-wine-screenshots}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# The program in C:\ZezureSDK with its template, and a settings file.
sdk=$WINEPREFIX/drive_c/ZezureSDK
wineboot -i >/dev/null 2>&1 || true
mkdir -p "$sdk"
cp "$program" "$sdk/"
rm -rf "$sdk/PluginTemplate" "$sdk/NewZezureProject"
cp -r "$(dirname "$program")/PluginTemplate" "$sdk/"
appdata=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming | head -1)
mkdir -p "$appdata/Zizavizerovo"
printf 'My Company\r\nDIRO\r\nhttps://www.example.com\r\nsupport@example.com\r\nC:\\ZezureSDK\r\n\r\n' \
  >"$appdata/Zizavizerovo/zezurelog.txt"

inner=$(mktemp)
trap 'rm -f "$inner"; wineserver -k >/dev/null 2>&1 || true' EXIT
cat >"$inner" <<'INNER'
set -eu
out=$1
wine explorer /desktop=zezure,1280x780 'C:\ZezureSDK\Zizavizerovo.exe' &
wait_for() {  # wait_for SECONDS: until the sheet's window exists
  end=$(( $(date +%s) + $1 ))
  until xdotool search --name 'Zezure Tool-Kit' >/dev/null 2>&1; do
    [ "$(date +%s)" -lt "$end" ] || { echo "the sheet did not appear" >&2; exit 1; }
    sleep 0.2
  done
}
wait_for 90
sheet=$(xdotool search --name 'Zezure Tool-Kit' | head -1)
xdotool mousemove 1270 770   # the pointer out of the way
sleep 2   # let the first paint finish
eval "$(xdotool getwindowgeometry --shell "$sheet")"
crop="$((X + WIDTH + 8))x$((Y + HEIGHT + 8))+0+0"   # the sheet and a little desktop
import -window root -crop "$crop" "$out/windows-project.png"

# Create Project (bottom centre of the page) brings up the success dialog.
xdotool mousemove $((X + 526)) $((Y + 455)) click 1
end=$(( $(date +%s) + 30 ))
until xdotool search --name '^Success$' >/dev/null 2>&1; do
  [ "$(date +%s)" -lt "$end" ] || { echo "the success dialog did not appear" >&2; exit 1; }
  sleep 0.2
done
xdotool mousemove 1270 770
sleep 1
import -window root -crop "$crop" "$out/windows-success.png"
xdotool key Return
sleep 1
# The second tab sits beside the first one, near the sheet's top left corner.
xdotool mousemove $((X + 210)) $((Y + 36)) click 1
xdotool mousemove 1270 770
sleep 2
import -window root -crop "$crop" "$out/windows-coder.png"
wineserver -k
INNER
xvfb-run -a -s "-screen 0 1280x780x24 -nolisten tcp" sh "$inner" "$out"
echo "wrote windows-project.png, windows-success.png and windows-coder.png in $out"
