#!/usr/bin/env bash
# Times the template restore against Info-ZIP's `unzip -P` on the same
# password-protected archive and reports the peak memory of both.
#
#   bench/extract_vs_unzip.sh [--runs R] [--files N] [--megabytes M] [--packer zip|zippack]
#                             [--program PATH]
#
# Packs a template of N files and M megabytes (bench/make_template.py;
# defaults 2000 and 200) with the template password, by Info-ZIP's `zip -P`
# (default) or by the project's zippack, then runs `zizavizerovo
# restore-template --yes` and `unzip -q -P` alternately R times (default 7)
# into fresh folders. Prints each run's wall time and peak resident set size
# (GNU time), the medians and the median ratio restore/unzip. The first run of
# each is a warm-up that also checks both extracted the same tree.
# bench/restore_peak.sh measures the peak memory for one 200 MB file.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=7 files=2000 megabytes=200 packer=zip
program="$here/../build/bin/zizavizerovo"
while (($#)); do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --files) files=$2; shift 2 ;;
    --megabytes) megabytes=$2; shift 2 ;;
    --packer) packer=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    *) echo "usage: $0 [--runs R] [--files N] [--megabytes M] [--packer zip|zippack] [--program PATH]" >&2
       exit 2 ;;
  esac
done
[[ -x $program ]] || { echo "bench: no program at $program (build it first)" >&2; exit 2; }
command -v unzip >/dev/null || { echo "bench: unzip is not installed" >&2; exit 2; }
[[ -x /usr/bin/time ]] || { echo "bench: GNU time (/usr/bin/time) is not installed" >&2; exit 2; }
password=$("$(dirname "$program")/zippack" --print-template-password)

work=$(mktemp -d "${TMPDIR:-/tmp}/zz-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
python3 "$here/make_template.py" "$work/content" --files "$files" --megabytes "$megabytes"
archive="$work/PluginTemplate.zip"
if [[ $packer == zippack ]]; then
  "$(dirname "$program")/zippack" --template-password "$work/content" "$archive"
else
  (cd "$work/content" && zip -q -r -P "$password" "$archive" .)
fi
echo "archive: $(du -h "$archive" | cut -f1) packed by $packer"
export XDG_CONFIG_HOME="$work/config"

now() { date +%s%N; }
# Each runner prints "<nanoseconds> <peak kB>".
# Each timed run starts after a sync, with no dirty pages of the one before.
run_restore() {
  local t0 t1
  sync
  t0=$(now)
  /usr/bin/time -f %M -o "$work/rss" "$program" restore-template --archive "$archive" --to "$1/PluginTemplate" --yes >/dev/null
  t1=$(now)
  echo "$((t1 - t0)) $(tail -1 "$work/rss")"
}
run_unzip() {
  local t0 t1
  mkdir -p "$1/PluginTemplate"
  sync
  t0=$(now)
  /usr/bin/time -f %M -o "$work/rss" unzip -q -P "$password" "$archive" -d "$1/PluginTemplate"
  t1=$(now)
  echo "$((t1 - t0)) $(tail -1 "$work/rss")"
}
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

mkdir -p "$work/a" "$work/b"
run_restore "$work/a" >/dev/null
run_unzip "$work/b" >/dev/null
diff -r -q "$work/a/PluginTemplate" "$work/b/PluginTemplate" >/dev/null ||
  { echo "bench: restore and unzip extracted different trees" >&2; exit 1; }
rm -rf "$work/a" "$work/b"

: >"$work/t_restore"; : >"$work/t_unzip"; : >"$work/m_restore"; : >"$work/m_unzip"; : >"$work/ratio"
for ((r = 1; r <= runs; r++)); do
  mkdir -p "$work/a" "$work/b"
  if ((r % 2)); then
    read -r tr mr < <(run_restore "$work/a"); read -r tu mu < <(run_unzip "$work/b")
  else
    read -r tu mu < <(run_unzip "$work/b"); read -r tr mr < <(run_restore "$work/a")
  fi
  rm -rf "$work/a" "$work/b"
  sync
  awk -v r=$r -v tr=$tr -v tu=$tu -v mr=$mr -v mu=$mu 'BEGIN {
    printf "  run %2d  unzip %7.3f s %7d kB   restore %7.3f s %7d kB   ratio %.3f\n", r, tu / 1e9, mu, tr / 1e9, mr, tr / tu }'
  echo "$tr" >>"$work/t_restore"; echo "$tu" >>"$work/t_unzip"
  echo "$mr" >>"$work/m_restore"; echo "$mu" >>"$work/m_unzip"
  awk -v tr=$tr -v tu=$tu 'BEGIN { printf "%.6f\n", tr / tu }' >>"$work/ratio"
done
awk -v tr="$(median <"$work/t_restore")" -v tu="$(median <"$work/t_unzip")" -v r="$(median <"$work/ratio")" \
    -v mr="$(median <"$work/m_restore")" -v mu="$(median <"$work/m_unzip")" 'BEGIN {
  printf "median unzip %.3f s, median restore %.3f s, median ratio %.3f; peak RSS unzip %d kB, restore %d kB\n",
         tu / 1e9, tr / 1e9, r, mu, mr }'
