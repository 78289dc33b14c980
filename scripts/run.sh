#!/usr/bin/env bash
# Sets up, builds and starts Vellomy with the given files. Without a display
# it runs under Xvfb, saves a screenshot of its windows and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/vellomy "$@"
fi

shot="${VELLOMY_SCREENSHOT:-$PWD/vellomy-screenshot.png}"
args=("$@")
if [ ${#args[@]} -eq 0 ]; then
  # Something to look at: a small page opened as a document.
  demo=$(mktemp -d)
  printf '<HTML>\r\n<HEAD>\r\n<TITLE>Ukázka</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<H1>Vítejte</H1>\r\n<P>Žluťoučký kůň úpěl ďábelské ódy.</P>\r\n</BODY>\r\n</HTML>\r\n' > "$demo/ukazka.htm"
  args=("$demo/ukazka.htm")
fi
export VELLOMY_SHOT="$shot"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  build/bin/vellomy "$@" &
  pid=$!
  sleep 8
  import -window root "$VELLOMY_SHOT"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
' vellomy "${args[@]}"
echo "Screenshot of the running program: $shot"
