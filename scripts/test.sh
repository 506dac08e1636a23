#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# The Windows program and the macOS application are built and run end to end
# when their packages can be had; the rest of the suite runs either way.
scripts/setup.sh --gui || echo "test: GUI packages unavailable; their end-to-end tests are skipped"
scripts/build.sh default
ctest --preset default -j"$(nproc)"
