#!/bin/bash
# Draws the program's icon (the logo tile of the splash and about pictures)
# in the sizes the desktop installs: dist/icons/<size>/vellomy.png. The
# results are committed; run this again only to change them.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/dist/icons"
font=DejaVu-Sans-Bold
for s in 48 128 256; do
  r=$(( s / 6 ))
  mkdir -p "$out/$s"
  convert -size "${s}x${s}" xc:none \
    -fill '#0E7C86' -draw "roundrectangle 0,0 $((s-1)),$((s-1)) $r,$r" \
    -fill '#13A3AE' -draw "roundrectangle 0,0 $((s-1)),$((s*55/100)) $r,$r" \
    -fill '#0E7C86' -draw "rectangle 0,$((s*40/100)) $((s-1)),$((s*55/100))" \
    -font "$font" -pointsize $(( s * 46 / 100 )) -fill white -gravity center \
    -annotate +0+0 '</>' -depth 8 -strip "PNG32:$out/$s/vellomy.png"
done
