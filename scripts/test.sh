#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the normal build with every
# test, the unit tests again under AddressSanitizer and UndefinedBehavior-
# Sanitizer, and a short run of each fuzz target.
#   ZZ_FUZZ_SECONDS   seconds per fuzz target (default 20; 0 skips fuzzing)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# The Windows program and the macOS application are built and run end to end
# when their packages can be had; the rest of the suite runs either way.
scripts/setup.sh --gui || echo "test: GUI packages unavailable; their end-to-end tests are skipped"
scripts/build.sh default
ctest --preset default -j"$(nproc)"

# The unit tests under the sanitizers (build-asan/).
scripts/build.sh asan
ctest --preset asan -L unit -j"$(nproc)"

# Each libFuzzer target for a short time (clang, build-fuzz/).
fuzz_seconds=${ZZ_FUZZ_SECONDS:-20}
if ((fuzz_seconds > 0)); then
  fuzz/run.sh "$fuzz_seconds"
fi
