#!/usr/bin/env bash
# The manual page: man renders it without a warning, and it describes every
# command the program's --help lists and, in that command's section, every
# option and field the command's --help lists (in both styles), so the
# manual and the program cannot drift apart.
#   manual_test.sh PROGRAM MANUAL_PAGE
set -u
program=$1 page=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/zz-manual.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The program's own settings folder: its help shows the values in effect.
export XDG_CONFIG_HOME=$work/config HOME=$work/home ZIZAVIZEROVO_PLUGIN_PATH_ONLY=1
unset APPDATA ZIZAVIZEROVO_PLUGIN_PATH

passed=0 failed=0
fail() {
    failed=$((failed + 1))
    echo "FAIL: $*"
}

if MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$page" >"$work/rendered" 2>"$work/warnings" &&
    [[ ! -s $work/warnings && -s $work/rendered ]]; then
    passed=$((passed + 1))
else
    fail "man --warnings -l $page:"
    cat "$work/warnings"
fi

# The text of the manual's subsection ".SS NAME", up to the next heading,
# with roff's \- as a plain hyphen.
section() {
    sed 's/\\-/-/g' "$page" | awk -v name="$1" '/^\.S[SH]/ { inside = ($0 == ".SS " name); next } inside'
}

# The words a help text offers: the options of its usage lines and of its
# option list (but --help, which the manual describes once for all), and the
# first word of each line of its "Fields" list.
offered() {
    awk '/^$/ { exit } { print }' "$1" | grep -oE -- '--[a-z][a-z0-9-]*'
    grep -oE -- '^  +--[a-z][a-z0-9-]*' "$1" | tr -d ' '
    awk '/^Fields/ { inside = 1; next } /^$/ { inside = 0 } inside && /^  +[A-Za-z]/ { print $1 }' "$1"
}

"$program" --help >"$work/help" || fail "$program --help"
commands=$(awk '/^Commands:/ { inside = 1; next } /^$/ { inside = 0 } inside { print $1 }' "$work/help")
[[ -n $commands ]] || fail "no command in the --help"
for command in $commands; do
    section "$command" >"$work/section"
    if [[ ! -s $work/section ]]; then
        fail "the manual has no section for $command"
        continue
    fi
    passed=$((passed + 1))
    [[ $command == version ]] && continue
    : >"$work/words"
    for style in "" windows macos; do
        args=("$command")
        [[ -n $style && ($command == create || $command == code) ]] && args+=(--style "$style")
        "$program" "${args[@]}" --help >"$work/command-help" || fail "$program ${args[*]} --help"
        offered "$work/command-help" >>"$work/words"
    done
    for word in $(grep -vx -- --help "$work/words" | sort -u); do
        if grep -qE -- "(^|[^A-Za-z0-9-])$word([^A-Za-z0-9-]|\$)" "$work/section"; then
            passed=$((passed + 1))
        else
            fail "the manual's $command section does not describe $word"
        fi
    done
done

echo "$passed passed, $failed failed"
((failed == 0))
