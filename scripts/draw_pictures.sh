#!/bin/bash
# Draws the splash (400x250) and about (420x96) pictures of the program with
# ImageMagick. The results are committed under src/app/pictures/; run this
# again only to change them. Opaque eight-bit RGB: a sixteen-bit picture with
# alpha takes several times as long to decode, and the splash is decoded first
# thing at every start.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/src/app/pictures"
mkdir -p "$out"
font=DejaVu-Sans-Bold
plain=DejaVu-Sans
mono=DejaVu-Sans-Mono

# The logo: a rounded teal tile with an angle-bracket pair and a slash.
logo() { # size file
  local s=$1 r=$(( $1 / 6 ))
  convert -size "${s}x${s}" xc:none \
    -fill '#0E7C86' -draw "roundrectangle 0,0 $((s-1)),$((s-1)) $r,$r" \
    -fill '#13A3AE' -draw "roundrectangle 0,0 $((s-1)),$((s*55/100)) $r,$r" \
    -fill '#0E7C86' -draw "rectangle 0,$((s*40/100)) $((s-1)),$((s*55/100))" \
    -font "$font" -pointsize $(( s * 46 / 100 )) -fill white -gravity center \
    -annotate +0+0 '</>' "$2"
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Splash: light background, faint source lines, logo and title in the upper
# half (the version labels sit at x 300-390, y 75), the gauge at y 200 and a
# dark strip at the bottom for the white support address.
logo 74 "$tmp/logo74.png"
convert -size 400x250 gradient:'#F6FAFD'-'#D3E4F3' \
  -font "$mono" -pointsize 11 -fill '#C2D6EA' \
  -annotate +168+132 '<TABLE BORDER="0" WIDTH="100%">' \
  -annotate +180+146 '<TR><TD CLASS="menu">' \
  -annotate +192+160 '<A HREF="index.htm">Úvod</A>' \
  -annotate +180+174 '</TD></TR>' \
  -fill '#1F3A5F' -draw 'rectangle 0,226 399,249' \
  -fill '#0E7C86' -draw 'rectangle 0,222 399,225' \
  "$tmp/logo74.png" -geometry +26+14 -composite \
  -font "$font" -pointsize 44 -fill '#1F3A5F' -annotate +112+60 'Vellomy' \
  -font "$plain" -pointsize 14 -fill '#2E5478' -annotate +114+88 'Editor webových stránek' \
  -font "$plain" -pointsize 11 -fill '#4A6F92' -annotate +28+118 'HTML · JavaScript · PHP · VBScript' \
  -font "$plain" -pointsize 10 -fill '#4A6F92' -annotate +88+194 'Připravuji pracovní prostředí…' \
  -alpha off -depth 8 "PNG24:$out/splash.png"

# About: a banner across the top of the about box.
logo 64 "$tmp/logo64.png"
convert -size 420x96 gradient:'#F6FAFD'-'#D3E4F3' \
  -font "$mono" -pointsize 10 -fill '#C9DBEC' \
  -annotate +262+20 '<HTML>' -annotate +272+34 '<HEAD>' -annotate +282+48 '<TITLE>' \
  -annotate +272+62 '<BODY>' -annotate +282+76 '<P>…</P>' \
  -fill '#0E7C86' -draw 'rectangle 0,92 419,95' \
  "$tmp/logo64.png" -geometry +16+14 -composite \
  -font "$font" -pointsize 36 -fill '#1F3A5F' -annotate +94+52 'Vellomy' \
  -font "$plain" -pointsize 13 -fill '#2E5478' -annotate +96+74 'Editor webových stránek' \
  -alpha off -depth 8 "PNG24:$out/about.png"
