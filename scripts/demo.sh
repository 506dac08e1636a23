#!/usr/bin/env bash
# Sets up, builds the command-line tool and its template (nothing else: the
# tests, benchmarks and the Windows and macOS programs are scripts/test.sh's),
# and runs the main job: creates a sample plug-in project from the bundled
# template and shows what it made.
#   scripts/demo.sh [FOLDER]   the project goes to FOLDER/DemoPlugin
#                              (default: ./demo-projects)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --no-npm
cmake --preset default >/dev/null
cmake --build --preset default --target zizavizerovo plugin_template -j"$(nproc)"

out=${1:-$PWD/demo-projects}
mkdir -p "$out"
rm -rf "$out/DemoPlugin"
echo
echo "== zizavizerovo create --style windows --folder $out --set projectName=DemoPlugin ..."
# --no-register: the demo's project stays out of the register of your projects.
build/bin/zizavizerovo create --style windows --folder "$out" --no-register \
  --set projectName=DemoPlugin --set vendorName="Demo Audio" \
  --set fourCharProductID=DmoP --set fourCharVendorID=DEMO
echo
echo "== files of the new project"
(cd "$out/DemoPlugin" && find . -type f | sort)
echo
echo "== its CMakeLists.txt (first 40 lines)"
head -n 40 "$out/DemoPlugin/CMakeLists.txt"
