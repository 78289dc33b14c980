#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed
# program twice under Xvfb with a temporary XDG data home: the first start
# makes the per-user folder from the shipped data, a setting written there
# survives the second start, the installed folder stays untouched, and the
# desktop entry validates.
set -u
cmake="$1"
build="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "e2e install: $*"; cat "$work"/log* 2>/dev/null; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >"$work/log-install" 2>&1 || fail "the install failed"
desktop="$prefix/share/applications/vellomy.desktop"
desktop-file-validate "$desktop" >"$work/log-validate" 2>&1 || fail "the desktop entry does not validate"
[ -s "$work/log-validate" ] && fail "desktop-file-validate complains"
grep -qxF "Exec=\"$prefix/bin/vellomy\" %F" "$desktop" || fail "Exec: $(grep ^Exec "$desktop")"
grep -qxF "MimeType=text/html;application/xhtml+xml;text/javascript;application/x-php;text/css;" "$desktop" \
  || fail "MimeType: $(grep ^MimeType "$desktop")"
grep -qxF "Icon=vellomy" "$desktop" || fail "no icon named"
for s in 48 128 256; do
  [ -s "$prefix/share/icons/hicolor/${s}x${s}/apps/vellomy.png" ] || fail "no ${s}px icon"
done
[ -x "$prefix/bin/vellomy" ] || fail "no program in bin/"
[ -f "$prefix/share/vellomy/Data/Codefiller/tags.vcq" ] || fail "no shipped data in share/vellomy"
[ -e "$prefix/bin/Data" ] && fail "data beside the installed program"
(cd "$prefix" && find . | sort) >"$work/installed-before"

mkdir -m 700 "$work/run"
unset QT_QPA_PLATFORM
export XDG_DATA_HOME="$work/xdg" XDG_RUNTIME_DIR="$work/run" VELLOMY_BIN="$prefix/bin/vellomy" VELLOMY_WORK="$work"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -u
  user="$XDG_DATA_HOME/vellomy"
  fail() { echo "e2e install: $*"; exit 1; }
  # Starts the installed program, waits for its windows and ends it through
  # "Soubor" > "Konec", so it writes its settings.
  start_and_exit() { # log name
    "$VELLOMY_BIN" 2>"$VELLOMY_WORK/$1" &
    local pid=$! id= i
    for i in $(seq 1 60); do
      if xwininfo -root -tree 2>/dev/null | grep -q "\"Pracovní Panel\""; then
        # The main strip: the wide one of the windows named so.
        for w in $(xdotool search --onlyvisible --name "^Vellomy$" 2>/dev/null); do
          eval $(xdotool getwindowgeometry --shell "$w")
          [ "$WIDTH" -ge 600 ] && id=$w
        done
      fi
      [ -n "$id" ] && break
      sleep 0.5
    done
    [ -n "$id" ] || { kill $pid; fail "the installed program shows no windows"; }
    sleep 1
    eval $(xdotool getwindowgeometry --shell "$id")
    xdotool mousemove $((X + WIDTH - 20)) $((Y + 8)) click 1 # the empty end of the menu bar
    sleep 0.5
    xdotool key alt+s
    sleep 0.5
    xdotool key Up Return # the last item, "Konec"
    for i in $(seq 1 40); do
      kill -0 $pid 2>/dev/null || break
      sleep 0.5
    done
    if kill -0 $pid 2>/dev/null; then kill $pid; fail "the program did not end through Konec"; fi
    wait $pid
  }

  start_and_exit log-run1
  [ -f "$user/Data/Codefiller/tags.vcq" ] || fail "the first start made no per-user copy of the data"
  [ -f "$user/.vellomy-data" ] || fail "no record of the shipped data"
  [ -f "$user/config.ini" ] || fail "no config.ini in the per-user folder"
  grep -q "^Otevritpristartuprojekt=" "$user/config.ini" || fail "config.ini lacks the key"
  # The setting as the settings dialog would store it.
  sed -i "s/^Otevritpristartuprojekt=[^\r]*/Otevritpristartuprojekt=1/" "$user/config.ini"
  grep -q "^Otevritpristartuprojekt=1" "$user/config.ini" || fail "the test could not change the setting"
  start_and_exit log-run2
  grep -q "^Otevritpristartuprojekt=1" "$user/config.ini" || fail "the setting did not survive: $(grep Otevrit "$user/config.ini")"
  exit 0
'
status=$?
[ $status -eq 0 ] || fail "the installed program"
(cd "$prefix" && find . | sort) >"$work/installed-after"
diff "$work/installed-before" "$work/installed-after" >/dev/null || fail "the program wrote into its installed folder"
echo "e2e install: installed, per-user data made, the setting kept, the desktop entry valid"
