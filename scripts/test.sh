#!/usr/bin/env bash
# Installs what the tests need, runs the benchmarks once in their quick mode,
# then builds with GCC and with Clang (warnings as errors) and runs every
# test of both builds, and the GCC build's tests against the release binary
# and against talvorin.exe under Wine; then the hardening checks (sanitizers,
# valgrind, fuzzing) of scripts/hardening.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ clang libgtest-dev)
# The Debian package test (cpack scans dependencies with dpkg-shlibdeps and
# file) and the manual page check.
packages+=(dpkg-dev file groff-base)
# The benchmarks' quick run.
packages+=(libbenchmark-dev valgrind hyperfine xxd time)
# Sanitizer runtimes, libFuzzer and valgrind for scripts/hardening.sh.
packages+=(libclang-rt-14-dev valgrind)
bash scripts/install_missing.sh --no-install-recommends "${packages[@]}"

bash bench/run.sh --quick

for compiler in g++ clang++; do
  build="build/test-${compiler}"
  cmake -S . -B "$build" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=Debug -DTALVORIN_WERROR=ON
  cmake --build "$build" -j "$(nproc)"
  ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
done

# The tests once more with the release binary that the benchmarks measured.
TALVORIN_COMMAND="$PWD/build/bench/talvorin" ctest --test-dir build/test-g++ --output-on-failure -j "$(nproc)"

# talvorin.exe under Wine, through the GCC build's end-to-end tests.
bash scripts/test_windows.sh build/test-g++

bash scripts/hardening.sh
