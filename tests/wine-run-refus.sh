#!/usr/bin/env bash
# wine-run removes only a prefix that it made: a folder without its marker, such as someone's own Wine
# prefix, is left as it is and the run fails with a message naming the folder. Needs no Wine: the refusal
# comes before any Wine program starts.
set -uo pipefail
wine_run=$(dirname "$0")/../scripts/wine-run
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
# Each row: a folder name, then the files it holds (a path, then its content).
rows=(
  "notes|notes.txt=à garder"
  "wine-perso|system.reg=WINE REGISTRY Version 2|drive_c/windows/win.ini=[windows]"
)
for row in "${rows[@]}"; do
  IFS='|' read -r -a parts <<<"$row"
  dir=$work/${parts[0]}
  for file in "${parts[@]:1}"; do
    mkdir -p "$(dirname "$dir/${file%%=*}")"
    printf '%s' "${file#*=}" >"$dir/${file%%=*}"
  done
  before=$(cd "$dir" && find . -printf '%p %s\n' | sort && cat $(find . -type f | sort) | sha256sum)
  message=$("$wine_run" --prefix "$dir" cmd.exe /c exit 2>&1 >/dev/null)
  code=$?
  after=$(cd "$dir" 2>/dev/null && find . -printf '%p %s\n' | sort && cat $(find . -type f | sort) | sha256sum)
  if [ $code -eq 0 ]; then
    echo "FAIL ${parts[0]}: the run succeeded"
    status=1
  fi
  if [[ "$message" != *"$dir"* ]]; then
    echo "FAIL ${parts[0]}: the message does not name the folder: $message"
    status=1
  fi
  if [ "$before" != "$after" ]; then
    echo "FAIL ${parts[0]}: the folder changed"
    status=1
  fi
done
[ $status -eq 0 ] && echo "PASS: folders without the marker left untouched"
exit $status
