#!/usr/bin/env bash
# Installs the Debian packages the project needs, when they are missing.
#   scripts/setup.sh           packages for the build and the unit tests
#   scripts/setup.sh --gui     also those for the Windows and macOS programs
#                              (mingw-w64, Wine, Xvfb, GNUstep) and their
#                              end-to-end runs
#   scripts/setup.sh --no-npm  without the npm tools of the checks (the demo
#                              needs none)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

lists=("$here/packages-core.txt")
npm_tools=1
for arg in "$@"; do
  case $arg in
  --gui) lists+=("$here/packages-gui.txt") ;;
  --no-npm) npm_tools=0 ;;
  *) echo "usage: scripts/setup.sh [--gui] [--no-npm]" >&2; exit 2 ;;
  esac
done

wanted=()
for list in "${lists[@]}"; do
  [[ -f "$list" ]] || continue
  while read -r pkg _; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    wanted+=("$pkg")
  done < "$list"
done

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

if ((${#missing[@]} == 0)); then
  echo "setup: all ${#wanted[@]} packages are installed"
else
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale, so the tests can prove that number texts never
# depend on the user's locale; and US English in UTF-8, under which the Wine
# run gives the Windows program code page 1252 and folder names outside ASCII.
for name in de_DE en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8\$"; then
    $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
  fi
done

# The npm tools the checks use (package.json, versions pinned in
# package-lock.json): the validator of the CI workflow files. npm comes from
# Debian when the machine has none.
root=$(cd "$here/.." && pwd)
if ((npm_tools)) && [[ -f "$root/package-lock.json" ]]; then
  if ! command -v npm >/dev/null; then
    echo "setup: installing npm"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends npm
  fi
  # npm ci only when node_modules is missing or older than the lock file.
  if [[ ! -f "$root/node_modules/.package-lock.json" ||
        "$root/package-lock.json" -nt "$root/node_modules/.package-lock.json" ]]; then
    (cd "$root" && npm ci --no-audit --no-fund --loglevel=error) ||
      echo "setup: npm ci failed; the workflow-file check is skipped"
  fi
fi
