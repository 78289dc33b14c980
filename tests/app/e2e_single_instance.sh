#!/usr/bin/env bash
# Two starts of the real program under Xvfb with different files: the second
# hands its file to the first and ends, so one program shows both
# documents. A third start without files only brings the program forward.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '<P>one</P>\r\n' > "$work/one.htm"
printf '<P>two</P>\r\n' > "$work/two.htm"
mkdir -m 700 "$work/run"

unset QT_QPA_PLATFORM
export VELLOMY_E2E_DIR="$work" VELLOMY_BIN="$bin" XDG_RUNTIME_DIR="$work/run"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -u
  d="$VELLOMY_E2E_DIR"
  pid=
  fail() { echo "e2e single instance: $*"; [ -n "$pid" ] && kill $pid 2>/dev/null; exit 1; }
  wait_for() { # window caption
    for i in $(seq 1 60); do
      xwininfo -root -tree 2>/dev/null | grep -q -- "$1" && return 0
      sleep 0.5
    done
    return 1
  }
  "$VELLOMY_BIN" "$d/one.htm" 2>"$d/log1" &
  pid=$!
  wait_for "\"Pracovní plocha - one.htm\"" || fail "the first start shows no one.htm"

  # The second start names its file relative to its own folder.
  (cd "$d" && timeout 40 "$VELLOMY_BIN" two.htm 2>"$d/log2")
  rc=$?
  [ $rc -eq 0 ] || fail "the second start ended with $rc"
  wait_for "\"Pracovní plocha - two.htm\"" || fail "two.htm was not opened in the running program"
  kill -0 $pid 2>/dev/null || fail "the first program ended"
  panels=$(xwininfo -root -tree | grep -c "\"Pracovní Panel\"")
  [ "$panels" = 1 ] || fail "$panels work panels: more than one program runs"
  for f in one two; do
    [ -f "$d/~\$$f.htm~" ] || fail "no working copy for $f.htm"
  done

  timeout 40 "$VELLOMY_BIN" 2>"$d/log3"
  rc=$?
  [ $rc -eq 0 ] || fail "a start without files ended with $rc"
  panels=$(xwininfo -root -tree | grep -c "\"Pracovní Panel\"")
  [ "$panels" = 1 ] || fail "a start without files made a second program"
  kill $pid; wait $pid 2>/dev/null
  exit 0
'
status=$?
if [ $status -ne 0 ]; then cat "$work"/log* 2>/dev/null; fi
[ $status -eq 0 ] && echo "e2e single instance: one program, both documents open"
exit $status
