#!/usr/bin/env python3
"""Writes a large PluginTemplate folder for the benchmarks.

    bench/make_template.py OUT [--files N] [--megabytes M] [--cmake-kilobytes K]

OUT receives N files (default 2000) in nested folders, M megabytes in all
(default 200), with sizes spread from a few hundred bytes to a few megabytes,
and one CMakeLists.txt of about K kilobytes (default 64) that holds every
marker of the project file, each several times, between lines of ordinary
CMake text. The content is fixed by a seed, so two runs write the same tree.
"""
import argparse
import os
import random
import sys

MARKERS = [
    "$$$PROJECT_NAME$$$", "$UNI_BUILD_BOOL$", "$AAX_BUILD_BOOL$", "$AU_BUILD_BOOL$",
    "$VST_BUILD_BOOL$", "$$$PLUGIN_NAME$$$", "$$$SYNTH_BOOL$$$", "$$$AAX_SC_BOOL$$$",
    "$$$AAX_GR_BOOL$$$", "$$$VENDOR_NAME$$$", "$$$VENDOR_URL$$$", "$$$VENDOR_EMAIL$$$",
    "$$$4_CHAR_CODE$$$", "$$$4_CHAR_MANU$$$", "$$$4_CHAR_AAXID$$$", "$$$INC_FX_OBJECTS$$$",
    "$$$LINK_FFTW$$$", "$$$WANT_SIDECHAIN$$$", "$$$PROCESS_FRAMES$$$", "$$$PROCESS_BUFFERS$$$",
    "$$$PROCESS_BLOCKS$$$", "$$$BLOCK_SIZE$$$", "$$$LATENCY_SAMPLES$$$", "$$$TAIL_TIME_MSEC$$$",
    "$$$INF_TAIL$$$", "$$$ENABLE_SAA$$$", "$$$SAAA_GRAN$$$", "$$AAX_PLUGIN_CATEGORY$$",
]


def cmake_text(kilobytes, rng):
    lines = ["cmake_minimum_required(VERSION 3.20)", "project($$$PROJECT_NAME$$$)", ""]
    size = sum(len(l) + 1 for l in lines)
    n = 0
    while size < kilobytes * 1024:
        marker = MARKERS[n % len(MARKERS)]
        var = "ZZ_SETTING_%d" % n
        line = 'set(%s "%s")  # %s' % (var, marker, "x" * rng.randrange(0, 60))
        filler = "message(STATUS \"%s is ${%s}\")" % (var, var)
        lines += [line, filler]
        size += len(line) + len(filler) + 2
        n += 1
    return "\n".join(lines) + "\n"


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("out")
    ap.add_argument("--files", type=int, default=2000)
    ap.add_argument("--megabytes", type=float, default=200)
    ap.add_argument("--cmake-kilobytes", type=int, default=64)
    ap.add_argument("--seed", type=int, default=20261209)
    args = ap.parse_args()

    if os.path.lexists(args.out):
        sys.exit("make_template: %s exists already" % args.out)
    rng = random.Random(args.seed)
    os.makedirs(args.out)
    cmake = cmake_text(args.cmake_kilobytes, rng).encode()
    with open(os.path.join(args.out, "CMakeLists.txt"), "wb") as f:
        f.write(cmake)

    others = max(args.files - 1, 0)
    # Log-uniform sizes, then scaled so that the whole tree has the asked size.
    weights = [2 ** rng.uniform(8, 22) for _ in range(others)]
    budget = max(int(args.megabytes * 1024 * 1024) - len(cmake), 0)
    total = sum(weights) or 1
    sizes = [int(w * budget / total) for w in weights]
    if sizes:
        sizes[0] += budget - sum(sizes)

    block = rng.randbytes(1 << 20)
    folders = ["Source", "Source/dsp", "Source/gui", "Resources", "Resources/skins/dark",
               "Resources/skins/light", "docs", "third_party/fft", "third_party/fft/include", "tests"]
    for i, size in enumerate(sizes):
        folder = os.path.join(args.out, folders[i % len(folders)], "part%02d" % (i % 17))
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "file%04d.bin" % i), "wb") as f:
            offset = (i * 7919) % len(block)
            left = size
            while left > 0:
                chunk = block[offset:offset + left]
                f.write(chunk)
                left -= len(chunk)
                offset = 0
    print("make_template: %d files, %.1f MB in %s" % (len(sizes) + 1, (budget + len(cmake)) / 1048576, args.out))


if __name__ == "__main__":
    main()
