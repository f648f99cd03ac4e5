#!/usr/bin/env bash
# Checks every golden report: tests/golden/<case>/history.txt is loaded and each
# <case>/<pane>.txt must equal `tombolix-report --format raw history.txt <pane>`,
# and each <case>/<pane>.json the same report with its colours (--format json).
# Optional per case: `args` (extra options, one line) and `exit` (expected exit code).
# Set UPDATE_GOLDEN=1 to rewrite the expected files from the tool's output.
set -u
tool=$1
root=$2
failures=0
checked=0
for dir in "$root"/*/; do
  case=$(basename "$dir")
  [ -f "$dir/history.txt" ] || continue
  args=""
  [ -f "$dir/args" ] && args=$(head -n 1 "$dir/args" | sed "s|@CASE@|$dir|g")
  want_exit=0
  [ -f "$dir/exit" ] && want_exit=$(head -n 1 "$dir/exit")
  for expected in "$dir"/[0-9]*.txt "$dir"/[0-9]*.json; do
    [ -f "$expected" ] || continue
    format=${expected##*.}
    [ "$format" = txt ] && format=raw
    pane=$(basename "$expected")
    pane=${pane%.*}
    # shellcheck disable=SC2086
    actual=$("$tool" --format "$format" $args "$dir/history.txt" "$pane" 2>/dev/null; echo "exit=$?")
    checked=$((checked + 1))
    if [ "${UPDATE_GOLDEN:-0}" = 1 ]; then
      printf '%s' "${actual%exit=*}" > "$expected"
      continue
    fi
    want=$(cat "$expected"; echo "exit=$want_exit")
    if [ "$actual" != "$want" ]; then
      echo "golden mismatch: $case pane $pane ($format)"
      diff <(printf '%s\n' "$want") <(printf '%s\n' "$actual") | head -n 20
      failures=$((failures + 1))
    fi
  done
done
echo "golden reports: $checked checked, $failures failed"
[ "$checked" -gt 0 ] && [ "$failures" -eq 0 ]
