#!/usr/bin/env bash
# Installs with apt-get those of the named packages that are not installed.
# Usage: scripts/install_missing.sh [apt-get option...] package...
set -euo pipefail
options=()
missing=()
for word in "$@"; do
  if [[ $word == -* ]]; then
    options+=("$word")
  elif ! dpkg-query -W -f='${Status}' "$word" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$word")
  fi
done
if ((${#missing[@]})); then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${options[@]}" "${missing[@]}"
fi
