#!/usr/bin/env bash
# A first instance that stops answering (SIGSTOP) must not hang a second start: the second one still ends,
# with code 0, within a few seconds. Runs inside a wine-run session: usage: instance-figee.sh Quorvane.exe
set -u
exe=$1
dir=$(mktemp -d)
trap 'kill -CONT "${first:-0}" 2>/dev/null; rm -rf "$dir"' EXIT
cp "$exe" "$dir/Q_figee.exe"

"$QUORVANE_WINE" "$dir/Q_figee.exe" &
first=$!
for _ in $(seq 1 200); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Quorvane\."' && break
  sleep 0.1
done
xwininfo -root -tree 2>/dev/null | grep -q '"Quorvane\."' || { echo "FAIL: the first instance showed no window"; exit 1; }
sleep 0.5
kill -STOP "$first"

start=$(date +%s%N)
timeout 30 "$QUORVANE_WINE" "$dir/Q_figee.exe"
code=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "second start: exit code $code after $elapsed_ms ms, first instance stopped"
[ "$code" -eq 0 ] || { echo "FAIL: exit code $code (124 means it hung)"; exit 1; }
[ "$elapsed_ms" -lt 5000 ] || { echo "FAIL: took $elapsed_ms ms"; exit 1; }
echo "PASS"
