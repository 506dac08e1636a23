#!/usr/bin/env bash
# The Debian package and the tarball of the command-line tool: CPack builds
# them from the build tree, lintian finds no error, the package unpacks into a
# fresh root (dpkg -x) and the tool runs from there: create, code and
# restore-template with its installed template, archive, manual page and bash
# completion.
#   check_deb.sh BUILD_DIR VERSION
set -uo pipefail
build=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/zz-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT

passed=0 failed=0
check() {  # check "WHAT" COMMAND...
    local what=$1
    shift
    if "$@" >"$work/out" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what"
        sed 's/^/    /' "$work/out" | head -n 40
    fi
}
finish() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
    exit
}

if ! cpack --config "$build/CPackConfig.cmake" -G "DEB;TGZ" -B "$work/packages" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    failed=1
    finish
fi
deb=$(echo "$work"/packages/zizavizerovo_"$version"_*.deb)
tgz=$(echo "$work"/packages/zizavizerovo-"$version"-*.tar.gz)
check "the .deb is made" test -f "$deb"
check "the .tar.gz is made" test -f "$tgz"
[[ -f $deb && -f $tgz ]] || finish

# ---- The package as a file ----------------------------------------------------
check "package name and version" test "$(dpkg-deb -f "$deb" Package Version)" = "Package: zizavizerovo
Version: $version"
check "depends on libzip, libplist and the C++ runtime" \
    bash -c 'depends=$(dpkg-deb -f "$1" Depends); echo "$depends"; [[ $depends == *libzip4* && $depends == *libplist3* && $depends == *libstdc++6* ]]' _ "$deb"
if command -v lintian >/dev/null; then
    check "lintian finds no error" lintian --fail-on error "$deb"
else
    echo "lintian is not installed: its check is skipped"
fi
installed=(
    ./usr/bin/zizavizerovo
    ./usr/share/zizavizerovo/PluginTemplate/CMakeLists.txt
    ./usr/share/zizavizerovo/PluginTemplate.zip
    ./usr/share/man/man1/zizavizerovo.1.gz
    ./usr/share/bash-completion/completions/zizavizerovo
    ./usr/share/doc/zizavizerovo/copyright
)
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/deb-files"
tar -tzf "$tgz" | sed 's|^[^/]*/|./usr/|' >"$work/tgz-files"
for file in "${installed[@]}"; do
    check "the package holds $file" grep -qx "$file" "$work/deb-files"
    [[ $file == */doc/* ]] || check "the tarball holds $file" grep -qx "$file" "$work/tgz-files"
done

# ---- The tool from a fresh root --------------------------------------------------
root=$work/root
dpkg -x "$deb" "$root"
program=$root/usr/bin/zizavizerovo
# A settings folder of its own: the run leaves the user's files alone.
export XDG_CONFIG_HOME=$work/config HOME=$work/home ZIZAVIZEROVO_PLUGIN_PATH_ONLY=1
unset APPDATA

check "--version" test "$("$program" --version)" = "zizavizerovo $version"

mkdir -p "$work/projects"
check "create with the installed template" "$program" create --style windows --folder "$work/projects" \
    --set projectName=PackagedDelay --set fourCharProductID=PkDl --set vendorName="Package Test"
check "the project holds the template's files" \
    diff <(cd "$root/usr/share/zizavizerovo/PluginTemplate" && find . | sort) \
         <(cd "$work/projects/PackagedDelay" && find . | sort)
check "its CMakeLists.txt has the project's name and no marker left" \
    bash -c 'grep -q PackagedDelay "$1" && ! grep -q "\$\$\$" "$1"' _ "$work/projects/PackagedDelay/CMakeLists.txt"

check "code --json" test "$("$program" code --style windows --set controlType=1 --set boundVariableName=gate --var --json)" \
    = '["\tint gate = 0;\nenum class gateEnum { OFF, ON };\n","\n"]'

mkdir -p "$work/SDK/PluginTemplate"
echo "edited" >"$work/SDK/PluginTemplate/stale.txt"
echo 'project($$$PROJECT_NAME$$$)' >"$work/SDK/PluginTemplate/CMakeLists.txt"
check "restore-template with the installed archive" \
    "$program" restore-template --to "$work/SDK/PluginTemplate" --yes
check "the restored folder is the shipped template" \
    diff -r "$root/usr/share/zizavizerovo/PluginTemplate" "$work/SDK/PluginTemplate"

check "the manual page renders without warnings and names the version" bash -c '
    page=$(MANWIDTH=100 man --warnings -l "$1" 2>"$2/man-warnings") || exit 1
    ! [[ -s $2/man-warnings ]] || { cat "$2/man-warnings"; exit 1; }
    grep -q "zizavizerovo $3" <<<"$page"' _ "$root/usr/share/man/man1/zizavizerovo.1.gz" "$work" "$version"
check "the bash completion loads" bash -c 'source "$1" && complete -p zizavizerovo' _ \
    "$root/usr/share/bash-completion/completions/zizavizerovo"

finish
