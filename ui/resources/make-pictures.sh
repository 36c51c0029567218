#!/usr/bin/env bash
# Renders the about box picture and the program icon with ImageMagick. The
# committed files are its output; run it again only to change the pictures.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

# About picture: a stairs advance curve glowing like a trace on a dark
# oscilloscope screen, with sensor grain, shot slightly out of focus.
w=356 h=228
# ImageMagick closes a polyline, so the steps are drawn as separate lines.
steps() {
  local x=$1 y=$2 dx=$3 out="" step
  shift 3
  for step in "$@"; do
    out+=" line $x,$y $((x + dx)),$y line $((x + dx)),$y $((x + dx)),$step"
    x=$((x + dx)) y=$step
  done
  echo "$out"
}
curve=$(steps 10 190 22 176 160 146 128 112 100 88 80 74 70 68 68 70 74)
convert -size ${w}x${h} radial-gradient:'#1d3b36'-'#040807' \
  -fill none -stroke '#2c5a50' -strokewidth 1 \
  -draw "line 0,57 $w,57" -draw "line 0,114 $w,114" -draw "line 0,171 $w,171" \
  -draw "line 89,0 89,$h" -draw "line 178,0 178,$h" -draw "line 267,0 267,$h" \
  -stroke '#ff3b1f' -strokewidth 9 -draw "$curve" -blur 0x5 \
  -stroke '#ffd2a0' -strokewidth 2 -draw "$curve" \
  -attenuate 0.4 +noise Gaussian -blur 0x0.6 \
  -background black -vignette 0x30 -type TrueColor -quality 88 about.jpg

# Icon: a spark jumping between two electrodes over a red step curve.
convert -size 256x256 xc:none \
  -fill '#20262b' -draw "roundrectangle 8,8 248,248 40,40" \
  -fill none -stroke '#d42a1a' -strokewidth 14 \
  -draw "$(steps 36 212 52 172 132 104 104)" \
  -stroke none -fill '#c8ccd0' -draw "rectangle 112,24 144,64" -draw "rectangle 112,150 144,190" \
  -fill none -stroke '#9fdcff' -strokewidth 4 \
  -draw "line 128,66 118,90 line 118,90 138,104 line 138,104 120,124 line 120,124 136,148" \
  vortalin.png
