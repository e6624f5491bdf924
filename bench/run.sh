#!/usr/bin/env bash
# Builds the release binary and the micro-benchmarks, runs the benchmarks,
# then measures whole conversions of a 320 x 240 one-bit image next to
# copying the file (cp) and dumping it as C bytes (xxd -i): instructions
# (callgrind), wall time (hyperfine) and peak memory (GNU time), with the
# default settings and with /DEC, /REV and "/NMMP /64", each as a ratio
# against its target.
#
#   bash bench/run.sh          many timed runs; fails when a target is missed
#   bash bench/run.sh --quick  few timed runs, for CI: fails only when an
#                              instruction target is missed, as instruction
#                              counts do not vary from run to run; wall time
#                              and memory are reported only
set -euo pipefail
cd "$(dirname "$0")/.."

quick=false
if [[ "${1:-}" == --quick ]]; then quick=true; fi
if $quick; then
  min_time=0.01 warmup=3 runs=30 memory_runs=3
else
  min_time=0.5 warmup=50 runs=500 memory_runs=9
fi

# The README's build, with the benchmarks added; talvorin itself is the same.
build=build/bench
cmake -S . -B "$build" -DBUILD_TESTING=OFF -DTALVORIN_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

echo "== Micro-benchmarks"
"$build/bench/micro_benchmarks" --benchmark_min_time="$min_time"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/make_test_image" "$work/pic.bmp"
cp "$build/talvorin" "$work/"
cd "$work"

names=(cp "xxd -i" talvorin "talvorin /DEC" "talvorin /REV" "talvorin /NMMP /64")
commands=("cp pic.bmp out" "xxd -i pic.bmp out.h" "./talvorin pic.bmp" "./talvorin pic.bmp /DEC"
          "./talvorin pic.bmp /REV" "./talvorin pic.bmp /NMMP /64")

declare -a instructions seconds kilobytes
for i in "${!commands[@]}"; do
  read -ra words <<<"${commands[$i]}"
  instructions[i]=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "${words[@]}" 2>&1 >/dev/null |
                    sed -n 's/.*Collected : \([0-9]*\).*/\1/p')
  for ((run = 0; run < memory_runs; run++)); do
    /usr/bin/time -f %M -o rss "${words[@]}" >/dev/null
    cat rss
  done >rss.all
  kilobytes[i]=$(sort -n rss.all | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}')
done
hyperfine -N --style none --warmup "$warmup" --runs "$runs" --export-csv times.csv "${commands[@]}"
mapfile -t seconds < <(awk -F, 'NR > 1 {print $4}' times.csv)  # the medians, in order

missed=0 instructions_missed=0
# report LABEL VALUE REFERENCE OPERATOR LIMIT: prints VALUE / REFERENCE
# against its target and counts a miss.
report() {
  local verdict
  verdict=$(awk -v v="$2" -v r="$3" -v op="$4" -v l="$5" 'BEGIN {
    q = v / r
    met = op == "<" ? q < l : q <= l
    printf "%6.3f  (target %s %.2f) %s", q, op, l, met ? "ok" : "MISSED"
  }')
  printf '  %-22s %s\n' "$1" "$verdict"
  if [[ "$verdict" == *MISSED ]]; then
    missed=$((missed + 1))
    if [[ "$1" == instructions* ]]; then instructions_missed=$((instructions_missed + 1)); fi
  fi
}

echo
echo "== Whole process, $(stat -c %s pic.bmp)-byte 320 x 240 image"
printf '  %-22s %14s %12s %10s\n' command instructions "median ms" "peak KiB"
for i in "${!names[@]}"; do
  printf '  %-22s %14s %12.3f %10s\n' "${names[$i]}" "${instructions[$i]}" \
         "$(awk -v s="${seconds[$i]}" 'BEGIN {print s * 1000}')" "${kilobytes[$i]}"
done
for i in 2 3 4 5; do
  echo
  echo "${names[$i]}:"
  report "instructions / cp" "${instructions[$i]}" "${instructions[0]}" "<=" 1.00
  report "instructions / xxd -i" "${instructions[$i]}" "${instructions[1]}" "<=" 0.10
  report "wall time / cp" "${seconds[$i]}" "${seconds[0]}" "<=" 1.10
  report "wall time / xxd -i" "${seconds[$i]}" "${seconds[1]}" "<" 1.00
  report "peak memory / cp" "${kilobytes[$i]}" "${kilobytes[0]}" "<=" 1.00
done
echo
echo "$missed target(s) missed, $instructions_missed of them instruction targets"
if ((instructions_missed > 0)) || { ! $quick && ((missed > 0)); }; then exit 1; fi
