#!/usr/bin/env bash
# Times `zizavizerovo create` against the floor: `cp -r` of the template and
# one `sed` pass with the 28 marker substitutions over its CMakeLists.txt.
#
#   bench/create_vs_floor.sh [--runs R] [--files N] [--megabytes M]
#                            [--style macos|windows|both] [--program PATH]
#
# Writes a template of N files and M megabytes (bench/make_template.py;
# defaults 2000 and 200) into a fresh temporary folder, then runs the two
# alternately R times (default 11; the order flips every run) into fresh
# destination folders, and prints each time, the medians and the median of
# the per-run ratios create/floor. The first run of each is a warm-up that
# also checks that both wrote the same CMakeLists.txt. Every timed run starts
# after a `sync`, with the template in the page cache.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=11 files=2000 megabytes=200 styles="macos windows"
program="$here/../build/bin/zizavizerovo"
while (($#)); do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --files) files=$2; shift 2 ;;
    --megabytes) megabytes=$2; shift 2 ;;
    --style) styles=$2; [[ $styles == both ]] && styles="macos windows"; shift 2 ;;
    --program) program=$2; shift 2 ;;
    *) echo "usage: $0 [--runs R] [--files N] [--megabytes M] [--style macos|windows|both] [--program PATH]" >&2
       exit 2 ;;
  esac
done
[[ -x $program ]] || { echo "bench: no program at $program (build it first)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zz-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
template="$work/PluginTemplate"
python3 "$here/make_template.py" "$template" --files "$files" --megabytes "$megabytes"
# The tool's own settings file stays inside the work folder.
export XDG_CONFIG_HOME="$work/config"

name=BenchPlugin
sets=(projectName=$name pluginName=$name "vendorName=Bench Audio" vendorURL=https://www.example.com
      vendorEmail=support@example.com fourCharProductID=BnCh fourCharVendorID=BNCH
      universalAPI=true makeAAX=true makeAU=true makeVST=true synthPlugin=false enableSidechain=true
      wantPTGRMeter=false includeFXObjects=false linkFFTW=true processFrames=false blockSize=128
      latencyInSamples=64 tailTimeMsec=250 infiniteTail=false enableSAAVST3=true saaGranulatity=16
      aaxCagtegory=8)

sed_program() {   # $1: style
  local tail=250
  [[ $1 == windows ]] && tail=250.000000
  local -a pairs=(
    '$$$PROJECT_NAME$$$' "$name" '$UNI_BUILD_BOOL$' TRUE '$AAX_BUILD_BOOL$' TRUE '$AU_BUILD_BOOL$' TRUE
    '$VST_BUILD_BOOL$' TRUE '$$$PLUGIN_NAME$$$' "$name" '$$$SYNTH_BOOL$$$' FALSE '$$$AAX_SC_BOOL$$$' TRUE
    '$$$AAX_GR_BOOL$$$' FALSE '$$$VENDOR_NAME$$$' 'Bench Audio' '$$$VENDOR_URL$$$' 'https://www.example.com'
    '$$$VENDOR_EMAIL$$$' 'support@example.com' '$$$4_CHAR_CODE$$$' BnCh '$$$4_CHAR_MANU$$$' BNCH
    '$$$4_CHAR_AAXID$$$' BnCh '$$$INC_FX_OBJECTS$$$' FALSE '$$$LINK_FFTW$$$' TRUE '$$$WANT_SIDECHAIN$$$' TRUE
    '$$$PROCESS_FRAMES$$$' FALSE '$$$PROCESS_BUFFERS$$$' FALSE '$$$PROCESS_BLOCKS$$$' TRUE
    '$$$BLOCK_SIZE$$$' 128 '$$$LATENCY_SAMPLES$$$' 64 '$$$TAIL_TIME_MSEC$$$' "$tail" '$$$INF_TAIL$$$' FALSE
    '$$$ENABLE_SAA$$$' TRUE '$$$SAAA_GRAN$$$' 16 '$$AAX_PLUGIN_CATEGORY$$' 8)
  local i
  for ((i = 0; i < ${#pairs[@]}; i += 2)); do
    printf 's|%s|%s|g\n' "${pairs[i]//\$/\\\$}" "${pairs[i + 1]}"
  done
}

now() { date +%s%N; }

run_floor() {   # $1: destination parent, $2: sed script
  cp -r "$template" "$1/$name"
  sed -i -f "$2" "$1/$name/CMakeLists.txt"
}

set_args=()
for s in "${sets[@]}"; do set_args+=(--set "$s"); done

run_create() {  # $1: destination parent, $2: style
  "$program" create --style "$2" --template "$template" --folder "$1" --no-register "${set_args[@]}" >/dev/null
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for style in $styles; do
  script="$work/markers-$style.sed"
  sed_program "$style" >"$script"
  # Warm-up, and proof that both produce the same project file.
  mkdir -p "$work/a" "$work/b"
  run_floor "$work/a" "$script"
  run_create "$work/b" "$style"
  if [[ $style == windows ]]; then
    # The Windows text rules: CR LF line ends and one more empty line.
    same=$(python3 -c 'import sys; a=open(sys.argv[1],"rb").read(); b=open(sys.argv[2],"rb").read(); print(int(b == (a + b"\n").replace(b"\n", b"\r\n")))' \
      "$work/a/$name/CMakeLists.txt" "$work/b/$name/CMakeLists.txt")
  else
    same=$(cmp -s "$work/a/$name/CMakeLists.txt" "$work/b/$name/CMakeLists.txt" && echo 1 || echo 0)
  fi
  [[ $same == 1 ]] || { echo "bench: create ($style) and the floor wrote different project files" >&2; exit 1; }
  diff -r -q -x CMakeLists.txt "$work/a/$name" "$work/b/$name" >/dev/null ||
    { echo "bench: create ($style) copied a different tree" >&2; exit 1; }
  rm -rf "$work/a" "$work/b"

  echo "style $style: $runs runs of $files files, $megabytes MB"
  : >"$work/floor" ; : >"$work/create" ; : >"$work/ratio"
  for ((r = 1; r <= runs; r++)); do
    mkdir -p "$work/a" "$work/b"
    # Each timed run starts with no dirty pages left by the one before, so the
    # second of a pair does not pay for writing back the first one's files.
    if ((r % 2)); then
      sync; t0=$(now); run_floor "$work/a" "$script"; t1=$(now)
      sync; t2=$(now); run_create "$work/b" "$style"; t3=$(now)
      f=$((t1 - t0)) c=$((t3 - t2))
    else
      sync; t0=$(now); run_create "$work/b" "$style"; t1=$(now)
      sync; t2=$(now); run_floor "$work/a" "$script"; t3=$(now)
      c=$((t1 - t0)) f=$((t3 - t2))
    fi
    rm -rf "$work/a" "$work/b"
    sync
    awk -v f=$f -v c=$c -v r=$r 'BEGIN { printf "  run %2d  floor %8.3f s  create %8.3f s  ratio %.3f\n", r, f / 1e9, c / 1e9, c / f }'
    echo "$f" >>"$work/floor"; echo "$c" >>"$work/create"
    awk -v f=$f -v c=$c 'BEGIN { printf "%.6f\n", c / f }' >>"$work/ratio"
  done
  mf=$(median <"$work/floor") mc=$(median <"$work/create") mr=$(median <"$work/ratio")
  awk -v f="$mf" -v c="$mc" -v r="$mr" -v s="$style" 'BEGIN {
    printf "style %s: median floor %.3f s, median create %.3f s, median ratio %.3f (goal: at most 1.10)\n", s, f / 1e9, c / 1e9, r }'
done
