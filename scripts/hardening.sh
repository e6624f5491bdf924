#!/usr/bin/env bash
# Hardening checks, run by scripts/test.sh after the GCC and Clang builds:
# the whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
# the end-to-end tests with the program under valgrind, and each fuzz target
# replaying its seeds and regressions, then fuzzing for a bounded time.
# FUZZ_SECONDS sets that time (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

sanitize=build/test-sanitize
cmake -S . -B "$sanitize" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DTALVORIN_WERROR=ON -DTALVORIN_SANITIZE=ON
cmake --build "$sanitize" -j "$jobs"
ctest --test-dir "$sanitize" --output-on-failure -j "$jobs"

# Any leak, even of memory still reachable at the end, or any invalid access
# changes the exit status and writes to standard error, which every
# end-to-end test checks.
TALVORIN_COMMAND="valgrind -q --error-exitcode=99 --leak-check=full --show-leak-kinds=all \
--errors-for-leak-kinds=all $PWD/build/test-g++/talvorin" \
  ctest --test-dir build/test-g++ --output-on-failure -j "$jobs" -L end_to_end

fuzz=build/test-fuzz
cmake -S . -B "$fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALVORIN_WERROR=ON -DTALVORIN_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build "$fuzz" -j "$jobs"
for target in bitmap command_line file_name; do
  scratch="$fuzz/runs/$target"
  rm -rf "$scratch"
  mkdir -p "$scratch"
  inputs=("fuzz/corpus/$target")
  [[ -d "fuzz/regressions/$target" ]] && inputs+=("fuzz/regressions/$target")
  "$fuzz/fuzz/${target}_fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=12000 -timeout=10 \
    -rss_limit_mb=2048 -malloc_limit_mb=32 -print_final_stats=1 -artifact_prefix="$scratch/" \
    "$scratch" "${inputs[@]}"
done
