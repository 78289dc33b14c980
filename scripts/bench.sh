#!/usr/bin/env bash
# Sets up, builds and runs the performance benchmark offscreen. It prints one
# line per scenario (Vellomy, its bare-Qt baseline, the ratio, the goal) and
# never fails. Scenario names as arguments run only those:
# start open switch type undo case parse find.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ninja -C build -j2 vellomy_bench
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
build/bin/vellomy_bench "$@" || true
