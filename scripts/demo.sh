#!/usr/bin/env bash
# Sets up, builds and runs the main job: creates a sample plug-in project from
# the bundled template and shows what it made.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh default

out=${1:-$PWD/demo-projects}
mkdir -p "$out"
rm -rf "$out/DemoPlugin"
echo
echo "== zizavizerovo create --style windows --folder $out --set projectName=DemoPlugin ..."
build/bin/zizavizerovo create --style windows --folder "$out" \
  --set projectName=DemoPlugin --set vendorName="Demo Audio" \
  --set fourCharProductID=DmoP --set fourCharVendorID=DEMO
echo
echo "== files of the new project"
(cd "$out/DemoPlugin" && find . -type f | sort)
echo
echo "== its CMakeLists.txt (first 40 lines)"
head -n 40 "$out/DemoPlugin/CMakeLists.txt"
