#!/usr/bin/env bash
# Times `zizavizerovo code --table` on tables of growing size, to show that
# the time grows with the table and no faster.
#
#   bench/code_table.sh [--runs R] [--program PATH] [SIZE...]   (default sizes: 500 5000 50000)
#
# Each table mixes the four kinds of control (continuous, two-state and
# multi-position switches, meters), with a comment on every tenth entry and a
# unique controlID each. Prints, for each size, the median wall time of R runs
# (default 5) of the code, the declarations and the JSON.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=5
program="$here/../build/bin/zizavizerovo"
sizes=()
while (($#)); do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    *) sizes+=("$1"); shift ;;
  esac
done
((${#sizes[@]})) || sizes=(500 5000 50000)
[[ -x $program ]] || { echo "bench: no program at $program (build it first)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zz-table.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

printf '%8s %12s %12s %12s\n' entries code_s var_s json_s
for n in "${sizes[@]}"; do
  python3 - "$n" "$work/table.json" <<'PY'
import json, sys
n, path = int(sys.argv[1]), sys.argv[2]
entries = []
for i in range(n):
    kind = i % 4
    e = {"controlID": f"kParam{i}", "controlName": f"Param {i}", "controlType": kind,
         "enableVariableBinding": True, "boundVariableName": f"param{i}"}
    if kind == 0:
        e.update({"minValue": -60, "maxValue": 12, "defValue": 0, "controlUnits": "dB"})
    if kind == 2:
        e.update({"multiStringList": "Slow, Medium, Fast", "defaultMultiStringIndex": 1})
    if i % 10 == 0:
        e["commentString"] = f"parameter {i}\nof the table"
    entries.append(e)
json.dump(entries, open(path, "w"))
PY
  times=()
  for mode in "" "--var" "--json"; do
    ns=$(for _ in $(seq "$runs"); do
           start=$(date +%s%N)
           "$program" code --style windows --table "$work/table.json" $mode >/dev/null
           end=$(date +%s%N)
           echo $((end - start))
         done | median)
    times+=("$((ns / 1000000000)).$(printf '%03d' $(((ns / 1000000) % 1000)))")
  done
  printf '%8s %12s %12s %12s\n' "$n" "${times[@]}"
done
