#!/usr/bin/env bash
# Cross-builds talvorin.exe with MinGW-w64, checks its version record, and runs
# the end-to-end tests of a Linux test build against it under Wine.
# Usage: scripts/test_windows.sh LINUX_BUILD_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
linux_build=$(realpath "$1")

# With their recommendations: what Wine needs to set up a fresh prefix.
bash scripts/install_missing.sh g++-mingw-w64-x86-64-posix wine wine64 python3-pefile locales

build=$PWD/build/windows
cmake --preset windows -DTALVORIN_WERROR=ON
cmake --build --preset windows --target talvorin talvorin_launch
# Debian's python3-pefile belongs to the system's Python, whatever else is on PATH.
/usr/bin/python3 tests/windows/version_record_test.py "$build/talvorin.exe"

# A Japanese locale whose character set Wine knows as CP932: the ANSI code
# page is 932 and file names and arguments keep their CP932 bytes between
# Linux and the program, as on a Japanese Windows.
locale_dir=$build/locale
if [[ ! -d $locale_dir/ja_JP.CP932 ]]; then
  mkdir -p "$locale_dir"
  zcat /usr/share/i18n/charmaps/WINDOWS-31J.gz | sed 's/^<code_set_name> .*/<code_set_name> CP932/' \
    >"$locale_dir/cp932.charmap"
  localedef -i ja_JP -f "$locale_dir/cp932.charmap" "$locale_dir/ja_JP.CP932"
fi

wine_env=(env LOCPATH="$locale_dir" LC_ALL=ja_JP.CP932 WINEPREFIX="$build/wine" WINEDEBUG=-all
          WINEDLLOVERRIDES="mscoree,mshtml=")
# One server and Wine's own services for the whole run, started away from the
# tests' pipes: a service started by a test would hold its output open.
mkdir -p "$build/wine"
"${wine_env[@]}" wineserver -p
trap '"${wine_env[@]}" wineserver -k || true' EXIT
"${wine_env[@]}" wine wineboot </dev/null >/dev/null 2>&1

"${wine_env[@]}" TALVORIN_COMMAND="wine $build/talvorin.exe" "$linux_build/tests/end_to_end_tests"
