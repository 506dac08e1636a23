#!/usr/bin/env bash
# The bash completion: loads it into a plain shell and asks it, as bash would,
# for the words that complete a command line.
#   completion_test.sh COMPLETION_FILE PROGRAM
set -u
program=$2
# shellcheck source=/dev/null
source "$1"
work=$(mktemp -d "${TMPDIR:-/tmp}/zz-completion.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The program, asked what it offers, runs with a settings folder of its own.
export XDG_CONFIG_HOME=$work/config HOME=$work/home ZIZAVIZEROVO_PLUGIN_PATH_ONLY=1
unset APPDATA
# compopt works only while bash itself is completing.
compopt() { :; }

passed=0 failed=0
# expect "LINE TO COMPLETE" "EXPECTED WORDS, SORTED"
expect() {
    local line=$1 want=$2 got
    read -r -a COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _zizavizerovo
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    got=${got% }
    if [[ $got == "$want" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: '$line' gave '$got', wanted '$want'"
    fi
}

expect "zizavizerovo " "--help --version code codes create projects restore-template settings version"
expect "zizavizerovo cr" "create"
expect "zizavizerovo re" "restore-template"
expect "zizavizerovo create --" "--dry-run --folder --help --interactive --log --no-register --preset --remember --save-preset --set --strict --style --template"
expect "zizavizerovo create --style " "macos windows"
expect "zizavizerovo create --set projectN" "projectName="
expect "zizavizerovo create --set four" "fourCharAAXID= fourCharProductID= fourCharVendorID="
expect "zizavizerovo create --set aaxC" "aaxCagtegory= aaxCategory="
expect "zizavizerovo create --set control" ""
expect "zizavizerovo code --" "--comment --help --json --preset --set --style --table --var"
expect "zizavizerovo code --set controlT" "controlTaper= controlType="
expect "zizavizerovo code --set meter" "meterCal= meterDetector="
expect "zizavizerovo code --set project" ""
expect "zizavizerovo settings --" "--file --help --style"
expect "zizavizerovo restore-template --" "--archive --force --help --to --yes"
expect "zizavizerovo codes --" "--company --help --json --suggest"
expect "zizavizerovo projects --" "--help --json --prune"
expect "zizavizerovo codes --suggest " ""
expect "zizavizerovo frobnicate --" ""
mkdir -p "$work/two words" "$work/dir" && : >"$work/two words/p.json" && : >"$work/file.json"
expect "zizavizerovo create --preset $work/two" "$work/two words"
if ((${#COMPREPLY[@]} == 1)); then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    echo "FAIL: a file name with a blank came back as ${#COMPREPLY[@]} words"
fi
# File names after the options that take a file, folders alone after those
# that take a folder.
for option in "create --preset" "create --save-preset" "create --log" "code --preset" "code --table" \
    "restore-template --archive" "settings --file"; do
    expect "zizavizerovo $option $work/" "$work/dir $work/file.json $work/two words"
done
for option in "create --template" "create --folder" "restore-template --to"; do
    expect "zizavizerovo $option $work/" "$work/dir $work/two words"
done

echo "$passed passed, $failed failed"
((failed == 0))
