#!/usr/bin/env bash
# Starts the real program under Xvfb with two documents on its command line
# and checks from outside: its windows and captions, and the working copies
# beside the documents while it runs, gone after it ends.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '<P>one</P>\r\n' > "$work/one.htm"
printf '<P>two</P>\r\n' > "$work/two.htm"

unset QT_QPA_PLATFORM
export VELLOMY_E2E_DIR="$work" VELLOMY_BIN="$bin"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$VELLOMY_BIN" "$VELLOMY_E2E_DIR/one.htm" "$VELLOMY_E2E_DIR/two.htm" 2>"$VELLOMY_E2E_DIR/log" &
  pid=$!
  for i in $(seq 1 60); do
    xwininfo -root -tree 2>/dev/null | grep -q "Pracovní plocha - two.htm" && break
    sleep 0.5
  done
  tree=$(xwininfo -root -tree)
  status=0
  for caption in "\"Vellomy\"" "\"Pracovní Panel\"" "\"Pracovní plocha - two.htm\""; do
    if ! grep -q -- "$caption" <<<"$tree"; then echo "missing window $caption"; status=1; fi
  done
  for f in one two; do
    [ -f "$VELLOMY_E2E_DIR/~\$$f.htm~" ] || { echo "no working copy for $f.htm"; status=1; }
  done
  kill $pid; wait $pid 2>/dev/null
  exit $status
'
status=$?
if [ $status -ne 0 ]; then cat "$work/log"; fi
[ $status -eq 0 ] && echo "e2e: windows and working copies as expected"
exit $status
