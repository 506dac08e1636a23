#!/usr/bin/env bash
# End-to-end run of the GNUstep build of the macOS application under Xvfb:
# it starts, shows both pages, creates a project into a temporary folder,
# copies parameter code (read back from the pasteboard), and Exit writes the
# settings file. On the way it checks what a person at the keyboard meets:
# the pages' layout, the order of Tab, the focus on each page, the Edit
# menu's key equivalents in a field, and the caret after a refused edit. It
# runs the scripted build of the application, which plays a script of
# actions on the real controls (VADEZERAVI_TEST_SCRIPT) and writes what it
# showed to a transcript; key presses come from xdotool. The application
# itself has no script runner.
#
# GNUstep's Command key is the left Alt key (its GSFirstCommandKey default),
# so the script presses alt+v where a Mac user presses Command-V. The menus
# are shown in GNUstep's Macintosh style: one menu bar at the top of the
# screen.
#
#   gnustep_e2e.sh SCRIPTED_APP [SHOT_FOLDER]
#
# SCRIPTED_APP is the executable in its application folder, in the build
# tree build/tests/mac/VADEzeravi-scripted.app/VADEzeravi-scripted. With
# SHOT_FOLDER it also takes screenshots there: each page below the menu bar
# (macos-project.png, macos-coder.png) and the open Edit menu
# (macos-menu.png).
set -euo pipefail

app=${1:?usage: gnustep_e2e.sh SCRIPTED_APP [SHOT_FOLDER]}
[[ -x "$app" && -d "$(dirname "$app")/Resources" ]] || {
  echo "gnustep_e2e.sh: $app is no executable in an application folder" >&2
  exit 2
}
shots=${2:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/zzmac-e2e-XXXXXX")
config=$work/GNUstep.conf
transcript=$work/transcript.txt

# The daemons the application starts (gdnc, gpbs) outlive it; stop the ones
# that run with our configuration, by PID, and wait for them to go.
stop_our_daemons() {
  local pids=() pid deadline
  local proc name
  for proc in /proc/[0-9]*; do
    name=$(cat "$proc/comm" 2>/dev/null) || continue
    [[ "$name" == gdnc || "$name" == gpbs ]] || continue
    if { tr '\0' '\n' < "$proc/environ"; } 2>/dev/null | grep -qxF "GNUSTEP_CONFIG_FILE=$config"; then
      pids+=("${proc#/proc/}")
    fi
  done
  ((${#pids[@]})) || return 0
  echo "stopping the GNUstep daemons of this run: ${pids[*]}"
  kill "${pids[@]}" 2>/dev/null || true
  deadline=$((SECONDS + 10))
  for pid in "${pids[@]}"; do
    while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  done
}
cleanup() {
  stop_our_daemons
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "---- transcript" >&2
  cat "$transcript" >&2 || true
  echo "---- application output (last lines)" >&2
  tail -n 30 "$work/app.log" >&2 || true
  exit 1
}

# GNUstep ignores $HOME: every user folder is an absolute temporary path.
mkdir -p "$work/home" "$work/tmp" "$work/Projects"
cat > "$config" <<CONF
GNUSTEP_USER_DIR_LIBRARY=$work/home/Library
GNUSTEP_USER_DEFAULTS_DIR=$work/home/Defaults
GNUSTEP_USER_DIR_APPS=$work/home/Applications
GNUSTEP_USER_DIR_TOOLS=$work/home/Tools
GNUSTEP_USER_CONFIG_FILE=$work/home/.GNUstep.conf
CONF

shot_step() {
  # Another program takes the screenshot while the application waits.
  [[ -n "$shots" ]] || return 0
  printf 'note ready %s\nwait-file %s/%s.done\n' "$1" "$work" "$1"
}
menu_step() {
  # The Edit menu is opened with the mouse, photographed and closed by
  # choosing Select All (which selects the control name).
  [[ -n "$shots" ]] || return 0
  printf 'focus controlName\n'
  shot_step menu
}

cat > "$work/script.txt" <<SCRIPT
menu Edit
show projectName
show vendorName
show projectFolderBox
show categoryCombo
show indAAX
show uniAU
show-focus
keyloop projectName
keyloop controlName
$(shot_step project)
# Tab walks the fields in reading order, Shift-Tab back.
keys key Tab
show-focus
focus vendorEmail
keys key Tab
show-focus
focus shortPluginName
keys key Tab
show-focus
keys key shift+Tab
show-focus
# The filters refuse a fifth character of a code and a letter in a number,
# and a refused key press leaves the caret or the selection where it was.
focus fourCharCode
keys key End
keys type ABCDE
show fourCharCode
focus blockSize
keys key End Left
keys type x9
show blockSize
keys key End shift+Left shift+Left
keys type x5
show blockSize
# The Edit menu's key equivalents reach the field being edited.
clip Pasted Vendor
focus vendorName
keys key alt+a alt+v
show vendorName
clip Two\\nLines
keys key alt+a alt+v
show vendorName
focus pluginName
keys key alt+a alt+c
pasteboard
clip WXYZ1
focus fourCharCode
keys key alt+a alt+v
show fourCharCode
folder $work/Projects
click browseProject
type projectName E2EPlugin
set fourCharCode E2E1
set vendorName E2E Vendor
click makeProject
click enableParameterSmoothing
set smoothingTime 12.5
page coder
show controlName
show controlTaperCombo
show-focus
keyloop controlName
layout
$(shot_step coder)
$(menu_step)
# A list takes no typing: Space opens it, the arrows and Return choose.
focus controlTaperCombo
keys key space
keys key Down Down Return
keys type Foo
show controlTaperCombo
click copyCodeClipboard
set controlID 42
click copyCodeClipboard
pasteboard
page project
click closeApp
SCRIPT

# Under Xvfb: the screenshots the script waits for (when asked), and the
# application.
cat > "$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
app=$1 work=$2 shots=$3 helper=$4 transcript=$5
# Waits until the transcript has a line; fails after a minute.
await() {
  local deadline=$((SECONDS + 60))
  until grep -qx -- "$1" "$transcript" 2>/dev/null; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}
# The window under the menu bar, so that a picture of the top left corner
# of the screen holds both; the main window is the widest of the windows
# with the application's name.
photographer() {
  local page window best="" width=0 w
  local menuBar=23 crop=870x483+0+0
  await "ready project" || return 0
  sleep 0.5  # let the page finish drawing
  for window in $(xdotool search --name '^VADEzeravi$' 2>/dev/null); do
    w=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null | sed -n 's/^WIDTH=//p')
    if [[ -n "$w" ]] && ((w > width)); then best=$window width=$w; fi
  done
  [[ -n "$best" ]] && xdotool windowmove "$best" 0 "$menuBar"
  sleep 0.5
  import -window root -crop "$crop" +repage "$shots/macos-project.png" || true
  touch "$work/project.done"
  await "ready coder" || return 0
  sleep 0.5
  import -window root -crop "$crop" +repage "$shots/macos-coder.png" || true
  touch "$work/coder.done"
  # Edit is the third title of the menu bar, Select All its last item.
  await "ready menu" || return 0
  xdotool mousemove 150 11 click 1
  sleep 0.7
  import -window root -crop 480x200+0+0 +repage "$shots/macos-menu.png" || true
  xdotool mousemove 165 152 click 1
  touch "$work/menu.done"
}
# Presses the keys the script asks for ("keys N: key ..." or "keys N: type
# ...") and makes the request's file when done.
presser() {
  local n=1 line
  while :; do
    until line=$(grep -m1 "^keys $n: " "$transcript" 2>/dev/null); do sleep 0.1; done
    line=${line#"keys $n: "}
    sleep 0.3
    case "$line" in
      type\ *) xdotool type --delay 60 -- "${line#type }" ;;
      key\ *) read -ra keys <<< "${line#key }"; xdotool key --delay 60 "${keys[@]}" ;;
    esac
    sleep 0.3
    touch "$transcript.keys$n.done"
    n=$((n + 1))
  done
}
# Presses Return on the real confirmation sheet ("Yes", the first button)
# and on the alert that follows, each once its window is there.
confirmer() {
  local title deadline
  await "ready restore" || return 0
  for title in Alert Information; do
    deadline=$((SECONDS + 30))
    until xdotool search --onlyvisible --name "^$title\$" > /dev/null 2>&1; do
      ((SECONDS < deadline)) || return 0
      sleep 0.1
    done
    sleep 0.3
    xdotool key Return
    # The next alert comes up only after this one has gone.
    deadline=$((SECONDS + 30))
    while xdotool search --onlyvisible --name "^$title\$" > /dev/null 2>&1 && ((SECONDS < deadline)); do
      sleep 0.1
    done
  done
}
helpers=()
if [[ -n "$shots" ]]; then photographer & helpers+=($!); fi
presser & helpers+=($!)
if [[ "$helper" == restore ]]; then confirmer & helpers+=($!); fi
"$app" -GSSuppressAppIcon YES -GSX11HandlesWindowDecorations NO -NSMenuInterfaceStyle NSMacintoshInterfaceStyle
status=$?
# The helpers that still wait have nothing more to do.
kill "${helpers[@]}" 2> /dev/null
wait
exit $status
SESSION
chmod +x "$work/session.sh"

export GNUSTEP_CONFIG_FILE=$config
export TMPDIR=$work/tmp  # GNUstep's local name server lives here: our own gpbs

# Runs the application under Xvfb with a script; `status` gets its exit
# status. xvfb-run -a can lose the race for a display number to another
# program starting an X server at the same moment; then the application never
# started, and another try is made.
run_app() {
  local script=$1 helper=$2 shotFolder=$3 program=${4:-$app} attempt
  export VADEZERAVI_TEST_SCRIPT=$script
  export VADEZERAVI_TEST_TRANSCRIPT=$transcript
  for attempt in 1 2 3; do
    rm -f "$transcript" "$transcript".keys*.done
    set +e
    timeout 120 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
      "$work/session.sh" "$program" "$work" "$shotFolder" "$helper" "$transcript" > "$work/app.log" 2>&1
    status=$?
    set -e
    [[ -s "$transcript" ]] && break
    stop_our_daemons
    sleep $((attempt * 2))
  done
}

run_app "$work/script.txt" none "$shots"
[[ $status -eq 0 ]] || fail "the application ended with status $status"
grep -qx "exit: 0" "$transcript" || fail "Exit did not end the application"

expect() {
  grep -qxF -- "$1" "$transcript" || fail "transcript lacks: $1"
}
# The Edit menu's keys: Redo is Shift-Command-Z (an upper-case Z), not
# Undo's Command-Z.
expect "menu: Edit | Undo=cmd+z | Redo=cmd+Z | - | Cut=cmd+x | Copy=cmd+c | Paste=cmd+v | Select All=cmd+a"
# Both pages were shown with their start values; the project name had the
# focus.
expect "show: projectName = NewZezurePlugin"
expect "show: vendorName = My Company"
expect "show: projectFolderBox = path not set"
expect "show: categoryCombo = None"
expect "show: indAAX = on"
expect "show: uniAU = on disabled"
expect "focus: projectName"
expect "page: coder"
expect "show: controlName = Control"
expect "show: controlTaperCombo = Linear"

# Tab walks each page in reading order: down each column, then the commands.
expect "keyloop: projectName pluginName fourCharCode fourCharCompany vendorName vendorURL vendorEmail aaxPluginName shortPluginName categoryCombo synthPlugin enableSidechain enableParameterSmoothing smoothingTime pluginLatency tailTime infiniteTail linkFFTW includeFXObjects saaAutomation saaGranulatiry exposePTGRMeter individualProject indAAX indAU indVST universalProject uniAAX uniAU uniVST processFrames processBuffers processBlocks blockSize projectFolderBox browseProject makeProject restoreTemplateFolder closeApp"
[[ $(grep -c '^keyloop: controlName controlID controlUnits minValue maxValue defaultValue displayPrecision controlTaperCombo controlDataCombo includePIPDeclaration continuousControlButt onOffControlButt multiStringControlButt meterControlButt onOffStringList offOnDefOff offOnDefOn multiStringList defaultMultiStringIndex textView meterAttack meterRelease meterDetectCombo meterCalCombo invertedMeter proToolsGRMeter enableVarBinding boundVariableName boundVarDataypeCombo copyCodeClipboard copyBoundVarClipboard handleReset handleExit$' "$transcript") -eq 2 ]] ||
  fail "the coder page's order of Tab, before and after it was shown"
# The key presses: Tab from the project name, from the last vendor field to
# the AAX name, from the short name to the category; Shift-Tab back.
[[ "$(grep '^focus: ' "$transcript" | tr '\n' ' ')" == "focus: projectName focus: pluginName focus: aaxPluginName focus: categoryCombo focus: shortPluginName focus: controlName " ]] ||
  fail "the focus went elsewhere: $(grep '^focus: ' "$transcript" | tr '\n' ' ')"

# Refused key presses: "ABCDE" stops at four characters; in "64" with the
# caret between 6 and 4, x is refused and 9 goes where x would have gone;
# with "94" selected, x is refused and 5 replaces the selection.
expect "show: blockSize = 694"
expect "show: blockSize = 65"

# Command-A Command-V pasted into the vendor field; Command-A Command-C
# copied the plug-in name; a paste of two lines into the vendor field and
# one of five characters into a code field are refused whole.
[[ $(grep -cx "show: vendorName = Pasted Vendor" "$transcript") -eq 2 ]] || fail "the vendor field took the paste of two lines"
expect "pasteboard: NewZezurePlugin"
[[ $(grep -cx "show: fourCharCode = ABCD" "$transcript") -eq 2 ]] || fail "the code field took ABCDE or the paste of WXYZ1"

# Both pages keep their margins, nothing overlaps and every text fits with
# a font 15% wider than GNUstep's.
expect "layout: project ok"
expect "layout: coder ok"

# The project was created from the bundled template.
expect "alert: Successfully created Zezure project!. | $work/Projects/E2EPlugin -> 1000"
cmake_file=$work/Projects/E2EPlugin/CMakeLists.txt
[[ -f $cmake_file ]] || fail "no $cmake_file"
grep -q "E2EPlugin" "$cmake_file" || fail "the project name is not in $cmake_file"
grep -q "E2E1" "$cmake_file" || fail "the plug-in code is not in $cmake_file"
! grep -q '\$\$\$' "$cmake_file" || fail "markers left in $cmake_file"

# The first copy was refused (no control ID), the second reached the pasteboard
# with the taper chosen in the list. Leaving the project page handed its
# smoothing settings to the code.
expect "show: controlTaperCombo = Anti-Log"
expect "alert: The Control ID can not be empty. |  -> 1000"
grep -q '^pasteboard: \\tpiParam = new PluginParameter(42, "Control", "", controlVariableType::kDouble, 0.000000, 1.000000, 0.000000, taper::kAntiLogTaper);\\n\\tpiParam->setParameterSmoothing(true);\\n\\tpiParam->setSmoothingTimeMsec(12.500000);\\n\\taddPluginParameter(piParam);\\n\\n$' \
  "$transcript" || fail "unexpected pasteboard contents"

# Exit wrote the settings file.
settings=$work/home/Library/ApplicationSupport/org.zizavizerovo.VADEzeravi/zezurelog.txt
[[ -f $settings ]] || fail "no settings file at $settings"
expected=$(printf 'E2E Vendor\nDIRO\nhttps://www.example.com\nsupport@example.com\n%s/Projects/\n0' "$work")
[[ "$(cat "$settings")" == "$expected" ]] || fail "settings file holds: $(cat "$settings")"

# A second start finds the remembered values. Closing the window quits
# without writing the settings file, whatever was typed.
cat > "$work/script2.txt" <<SCRIPT
show vendorName
show projectFolderBox
set vendorName Not Remembered
page coder
keys type Gain
show controlName
keys key Tab
show-focus
page project
keyloop projectName
close
SCRIPT
run_app "$work/script2.txt" none ""
[[ $status -eq 0 ]] || fail "the second run ended with status $status"
expect "show: vendorName = E2E Vendor"
expect "show: projectFolderBox = $work/Projects/"
expect "close: window"
# Shown, the coder page took the typing in its control name, and Tab went on
# to the control ID; the project page's order of Tab held through the change
# of pages.
expect "show: controlName = Gain"
expect "focus: controlID"
[[ $(grep -c '^keyloop: projectName pluginName fourCharCode ' "$transcript") -eq 1 ]] ||
  fail "the project page's order of Tab changed with the pages"
[[ "$(cat "$settings")" == "$expected" ]] || fail "closing the window changed the settings file: $(cat "$settings")"

# Restore Template through the real confirmation sheet, from a copy of the
# application folder inside an SDK folder layout: SDK/A/B/NAME.app restores
# SDK/PluginTemplate. The user's edits there go, the shipped files come back.
sdk=$work/SDK
mkdir -p "$sdk/A/B" "$sdk/PluginTemplate"
cp -R "$(dirname "$app")" "$sdk/A/B/"
echo "edited" > "$sdk/PluginTemplate/CMakeLists.txt"
echo "not shipped" > "$sdk/PluginTemplate/extra.txt"
cat > "$work/script3.txt" <<SCRIPT
real-alerts
note ready restore
click restoreTemplateFolder
note restore ended
click closeApp
SCRIPT
run_app "$work/script3.txt" restore "" "$sdk/A/B/$(basename "$(dirname "$app")")/$(basename "$app")"
[[ $status -eq 0 ]] || fail "the restore run ended with status $status"
expect "restore ended"
shipped=$(dirname "$app")/Resources/PluginTemplate
[[ -f "$sdk/PluginTemplate/CMakeLists.txt" ]] || fail "no restored template"
cmp -s "$shipped/CMakeLists.txt" "$sdk/PluginTemplate/CMakeLists.txt" || fail "the template was not restored"
[[ ! -e "$sdk/PluginTemplate/extra.txt" ]] || fail "the restore left a file the archive does not hold"

if [[ -n "$shots" ]]; then
  for page in project coder menu; do
    [[ -s "$shots/macos-$page.png" ]] || fail "no screenshot of the $page page"
  done
fi
echo "PASS: the GNUstep application kept its layout, Tab order, focus, Edit menu keys and caret, created $work/Projects/E2EPlugin, copied parameter code, wrote its settings on Exit, kept them when its window was closed, and restored the SDK template after a real confirmation"
