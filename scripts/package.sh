#!/usr/bin/env bash
# Builds the packages into packages/:
#   zizavizerovo_VERSION_amd64.deb and zizavizerovo-VERSION-Linux.tar.gz
#     (the command-line tool, from the default build), and, when mingw-w64 is
#     installed (scripts/setup.sh --gui),
#   zizavizerovo-VERSION-win64.zip (Zizavizerovo.exe and zizavizerovo-cli.exe
#     with PluginTemplate beside them, cross-built into build-mingw-package/).
# The macOS bundle is packaged on a Mac: cmake -B build && cmake --build build
# && (cd build && cpack -G "ZIP;DragNDrop").
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh default
mkdir -p packages
(cd build && cpack -G "DEB;TGZ" -B "$PWD/../packages")

if command -v x86_64-w64-mingw32-g++ >/dev/null; then
  cmake --preset mingw -B build-mingw-package -DZZ_BUILD_CLI=ON >/dev/null
  cmake --build build-mingw-package -j"$(nproc)"
  (cd build-mingw-package && cpack -G ZIP -B "$PWD/../packages")
else
  echo "package: mingw-w64 is not installed; no Windows zip"
fi
rm -rf packages/_CPack_Packages
ls -l packages
