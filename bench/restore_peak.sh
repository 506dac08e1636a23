#!/bin/sh
# Peak memory of a template restore whose archive holds one 200 MB file.
# The restore streams every entry, so the peak resident set size must stay a
# few megabytes, far below the size of the file.
#
# usage: bench/restore_peak.sh [BUILD_DIR]   (default: build)
# Needs /usr/bin/time (GNU time) and Info-ZIP's zip.
set -eu

build=${1:-build}
bin=$(cd "$build/bin" && pwd)
password=$("$bin/zippack" --print-template-password)
size_mb=${ZZ_BENCH_MB:-200}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

mkdir -p "$work/template/big"
head -c "$((size_mb * 1024 * 1024))" /dev/urandom > "$work/template/big/data.bin"
echo "project(x)" > "$work/template/CMakeLists.txt"

echo "packing ${size_mb} MB with zippack and with zip -P ..."
"$bin/zippack" --template-password "$work/template" "$work/ours.zip"
(cd "$work/template" && zip -qr -P "$password" "$work/infozip.zip" .)

for archive in ours infozip; do
    rm -rf "$work/SDK"
    /usr/bin/time -v -o "$work/time.txt" \
        "$bin/zizavizerovo" restore-template --archive "$work/$archive.zip" --to "$work/SDK/PluginTemplate" --yes \
        > /dev/null
    cmp "$work/template/big/data.bin" "$work/SDK/PluginTemplate/big/data.bin"
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): *//p' "$work/time.txt")
    wall=$(sed -n 's/.*Elapsed (wall clock) time.*): *//p' "$work/time.txt")
    echo "$archive.zip: restored ${size_mb} MB, peak RSS ${peak} kB, wall ${wall}"
done
