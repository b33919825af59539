#!/usr/bin/env bash
# The release package is reproducible: built from two separate build trees, in other folders, the zip has
# the same bytes. Usage: paquet-reproductible.sh [configured build tree of the windows kind]
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QUORVANE_BUILD="${1:-$work/build-a}" scripts/package "$work/a" >/dev/null
QUORVANE_BUILD="$work/build-b" scripts/package "$work/b" >/dev/null
a=$work/a/Quorvane-2.0-win64.zip
b=$work/b/Quorvane-2.0-win64.zip
unzip -l "$a"
if ! cmp "$a" "$b"; then
  echo "FAIL: two builds gave different packages"
  exit 1
fi
# The readme is Windows-1252 with CR LF.
unzip -p "$a" LISEZMOI.txt | iconv -f WINDOWS-1252 -t UTF-8 | grep -q 'démarrage' || { echo "FAIL: readme encoding"; exit 1; }
[ "$(unzip -p "$a" LISEZMOI.txt | tr -cd '\n' | wc -c)" -eq "$(unzip -p "$a" LISEZMOI.txt | tr -cd '\r' | wc -c)" ] ||
  { echo "FAIL: readme line ends"; exit 1; }
echo "PASS: $(sha256sum "$a" | cut -c1-16) twice"
