#!/usr/bin/env bash
# The release package is reproducible: built from two separate build trees, in other folders, the zip has
# the same bytes. Usage: paquet-reproductible.sh [configured build tree of the windows kind]
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QUORVANE_BUILD="${1:-$work/build-a}" scripts/package "$work/a" >/dev/null
QUORVANE_BUILD="$work/build-b" scripts/package "$work/b" >/dev/null
a=$(ls "$work"/a/Quorvane-*-win32.zip)
b=$work/b/$(basename "$a")
unzip -l "$a"
if ! cmp "$a" "$b"; then
  echo "FAIL: two builds gave different packages"
  exit 1
fi
# The readme is Windows-1252 with CR LF.
unzip -p "$a" LISEZMOI.txt | iconv -f WINDOWS-1252 -t UTF-8 | grep -q 'démarrage' || { echo "FAIL: readme encoding"; exit 1; }
[ "$(unzip -p "$a" LISEZMOI.txt | tr -cd '\n' | wc -c)" -eq "$(unzip -p "$a" LISEZMOI.txt | tr -cd '\r' | wc -c)" ] ||
  { echo "FAIL: readme line ends"; exit 1; }
# One version: the zip's name, the exe's version resource, the readme and the help page agree.
version=$(basename "$a" -win32.zip)
version=${version#Quorvane-}
unzip -p "$a" Quorvane.exe >"$work/Quorvane.exe"
ressource=$(i686-w64-mingw32-windres -i "$work/Quorvane.exe" -O rc | tr -d '\r')
majeur=${version%%.*}
mineur=${version#*.}
mineur=${mineur%%.*}
for attendu in "VALUE \"ProductVersion\", \"$version\"" "FILEVERSION $majeur, $mineur, 0, 0" \
               "PRODUCTVERSION $majeur, $mineur, 0, 0"; do
  grep -qF "$attendu" <<<"$ressource" || { echo "FAIL: the exe has no '$attendu' for package $version"; exit 1; }
done
[ "$(unzip -p "$a" LISEZMOI.txt | head -1 | tr -d '\r')" = "Quorvane $version" ] ||
  { echo "FAIL: the readme's title is not Quorvane $version"; exit 1; }
unzip -p "$a" Quorvane.html | grep -qF "version $version</p>" || { echo "FAIL: the help page's version"; exit 1; }
if unzip -p "$a" | grep -aqF "@PROJECT_VERSION@"; then echo "FAIL: a placeholder left in the package"; exit 1; fi
echo "PASS: $(sha256sum "$a" | cut -c1-16) twice, version $version throughout"
