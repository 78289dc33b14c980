#!/usr/bin/env bash
# The real program under Xvfb, two documents edited, then killed with
# SIGKILL: the working copies hold what was typed up to the last pause and
# the documents are untouched. Started again on the same files, the program
# offers the unsaved text back; accepting it and saving gives the typed text.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '<P>one</P>\r\n' > "$work/one.htm"
printf '<P>two</P>\r\n' > "$work/two.htm"

unset QT_QPA_PLATFORM
export VELLOMY_E2E_DIR="$work" VELLOMY_BIN="$bin"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -u
  d="$VELLOMY_E2E_DIR"
  fail() { echo "e2e crash: $*"; exit 1; }
  wait_window() { # name, tries
    for i in $(seq 1 "$2"); do
      id=$(xdotool search --name "$1" 2>/dev/null | head -1)
      [ -n "$id" ] && { echo "$id"; return 0; }
      sleep 0.5
    done
    return 1
  }
  click_into() { # window id, x, y within it: gives the window the focus
    eval $(xdotool getwindowgeometry --shell "$1")
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
    sleep 0.5
  }
  type_into_workspace() { # caption, text
    ws=$(wait_window "$1" 60) || fail "no window \"$1\""
    click_into "$ws" 300 200 # into the editor
    xdotool key ctrl+Home
    xdotool type --delay 30 "$2"
  }

  "$VELLOMY_BIN" "$d/one.htm" "$d/two.htm" 2>"$d/log1" &
  pid=$!
  type_into_workspace "Pracovní plocha - two.htm" "TYPED-TWO "
  sleep 1.5 # a pause in typing: the working copy is written
  # Switch to the first document through the work panel: its first row.
  panel=$(wait_window "Pracovní Panel" 10) || fail "no work panel"
  click_into "$panel" 60 63
  type_into_workspace "Pracovní plocha - one.htm" "TYPED-ONE "
  sleep 1.5
  kill -9 $pid; wait $pid 2>/dev/null

  grep -q "TYPED-TWO <P>two</P>" "$d/~\$two.htm~" || fail "two.htm: working copy lacks the typed text: $(cat "$d/~\$two.htm~")"
  grep -q "TYPED-ONE <P>one</P>" "$d/~\$one.htm~" || fail "one.htm: working copy lacks the typed text: $(cat "$d/~\$one.htm~")"
  grep -q "TYPED" "$d/one.htm" "$d/two.htm" && fail "a document was written without being saved"

  # Started again: each leftover is offered back; Enter takes the default, Yes.
  "$VELLOMY_BIN" "$d/one.htm" "$d/two.htm" 2>"$d/log2" &
  pid=$!
  for doc in one two; do
    box=$(wait_window "^Confirm$" 60) || fail "no restore question for $doc.htm"
    eval $(xdotool getwindowgeometry --shell "$box")
    click_into "$box" $((WIDTH / 2)) 20 # on the question text
    xdotool key Return
    sleep 1
  done
  ws=$(wait_window "Pracovní plocha - two.htm" 60) || fail "second start shows no workspace"
  click_into "$ws" 300 200
  xdotool key ctrl+alt+s # "Uložit Vše"
  for i in $(seq 1 20); do
    grep -q "TYPED-TWO" "$d/two.htm" && grep -q "TYPED-ONE" "$d/one.htm" && break
    sleep 0.5
  done
  kill $pid; wait $pid 2>/dev/null
  grep -q "TYPED-TWO <P>two</P>" "$d/two.htm" || fail "two.htm not restored: $(cat "$d/two.htm")"
  grep -q "TYPED-ONE <P>one</P>" "$d/one.htm" || fail "one.htm not restored: $(cat "$d/one.htm")"
  exit 0
'
status=$?
if [ $status -ne 0 ]; then cat "$work"/log* 2>/dev/null; fi
[ $status -eq 0 ] && echo "e2e crash: the typed text came back after SIGKILL"
exit $status
