#!/usr/bin/env bash
# Builds the Debian package, installs it with dpkg into a scratch root and
# converts the sample image with the talvorin that PATH finds there.
# Arguments: cpack, the build folder, the built talvorin, the sample BMP.
set -euo pipefail
cpack=$1 build=$2 built_talvorin=$3 sample=$4

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAILED: $*"
  exit 1
}

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
package=$(echo "$scratch"/package/talvorin_*.deb)
[[ -f $package ]] || fail "no talvorin_*.deb in $(ls "$scratch/package")"
[[ $(dpkg-deb --field "$package" Package) == talvorin ]] || fail "package name"

# This machine meets the package's dependencies, as dpkg -i requires.
apt-get install --simulate "$package" >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log"; fail "dependencies"; }

# The scratch root has its own, empty dpkg database and none of those
# dependencies, which were checked above.
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --instdir="$root" --admindir="$root/var/lib/dpkg" --force-not-root --force-depends -i "$package" \
  >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "dpkg -i"; }
dpkg-query --admindir="$root/var/lib/dpkg" --show --showformat='${Status}' talvorin | grep -qx "install ok installed" ||
  fail "not recorded as installed"
for file in usr/share/man/man1/talvorin.1 usr/share/man/man1/talvorin-view.1 usr/share/cmake/talvorin/talvorinConfig.cmake; do
  [[ -f $root/$file ]] || fail "$file is missing"
done

export PATH="$root/usr/bin:$PATH"
[[ $(command -v talvorin) == "$root/usr/bin/talvorin" ]] || fail "talvorin is not on PATH"
mkdir "$scratch/installed" "$scratch/built"
cp "$sample" "$scratch/installed/logo.bmp"
cp "$sample" "$scratch/built/logo.bmp"
(cd "$scratch/installed" && talvorin logo.bmp /16 >console.txt) || fail "installed talvorin: status $?"
(cd "$scratch/built" && "$built_talvorin" logo.bmp /16 >console.txt) || fail "built talvorin: status $?"

# 64 x 20 pixels: the header line, then 3 bands of 64 values, 16 to a line.
[[ $(head -n 1 "$scratch/installed/logo.c") == $'0x40,0x00,0x14,0x00,\r' ]] || fail "header line"
[[ $(wc -l <"$scratch/installed/logo.c") -eq 13 ]] || fail "line count"
cmp "$scratch/installed/logo.c" "$scratch/built/logo.c" || fail "the installed command wrote other values"
cmp "$scratch/installed/console.txt" "$scratch/built/console.txt" || fail "the installed command reported otherwise"

(cd "$scratch/installed" && talvorin-view logo.c --pbm logo.pbm) || fail "talvorin-view: status $?"
[[ $(head -c 9 "$scratch/installed/logo.pbm") == $'P4\n64 20' ]] || fail "PBM header"
echo "talvorin package installed and converted the sample"
