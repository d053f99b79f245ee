#!/bin/bash
# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the sample catch picture data/sample/catch.jpg: a red sea bream lying on a wooden
# board above a 30 cm ruler, as a 3000 x 2000 JPEG (quality 88, 96 dpi, no EXIF).
#
# Scale of the picture (tests calibrate on it):
#   6 pixels per millimetre, horizontally and vertically.
#   Ruler: 0 mm at x = 600, 300 mm at x = 2400 (1800 px); tick tops on y = 1440.
#   Ticks: every 1 mm (30 px long), 5 mm (48 px), 10 mm (72 px, numbered 0 .. 30 in cm).
#   Fish: total length 380 mm = 2280 px, snout tip at (360, 830), tail tips at x = 2640.
#
# Only ImageMagick 6 `convert` and bash are needed. Every random texture uses a fixed seed and
# the digits are drawn as strokes instead of taken from a font, so the same ImageMagick build
# always writes the same file.
#
# Usage: tools/make-sample-picture.sh [output.jpg]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../data/sample/catch.jpg}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

W=3000
H=2000
PPMM=6            # pixels per millimetre
RULER_X0=600      # x of the 0 mm tick
RULER_MM=300      # numbered length of the ruler
RULER_TOP=1440    # y of the ruler's upper (ticked) edge
RULER_H=210       # ruler width across: 35 mm

# ---------------------------------------------------------------- wooden board
# Grain: rings of uneven spacing from a smoothed random profile down the picture (another
# phase on each plank), stretched along the planks and bent slightly.
convert -size 1x$H xc: -seed 5 +noise Random -channel G -separate +channel -blur 0x30 -auto-level \
  -fx 'pp = (j<380 ? 0.31 : (j<1330 ? 0 : 0.67)); ww = 2.6*u + j/95 + pp; rr = ww - floor(ww);
       0.58 + 0.2*sin(6.2832*ww) - 0.32*exp(-pow((rr-0.5)/0.05,2))' \
  -blur 0x1 -scale ${W}x$H! -background gray50 -virtual-pixel mirror \
  -wave 9x2700 -wave 3x700 -gravity center -crop ${W}x$H+0+0 +repage "$work/grain.png"
# Fibres: fine noise stretched along the planks.
convert -size 200x$H xc: -seed 3 +noise Random -colorspace gray -blur 0x0.8 \
  -resize ${W}x$H! "$work/fibre.png"
# Tone: broad light and dark patches, and a slightly different shade per plank.
convert -size 24x16 xc: -seed 8 +noise Random -colorspace gray -blur 0x1.2 \
  -resize ${W}x$H! -level 20%,80% "$work/tone.png"
convert -size 1x256 gradient:'#6a3f22-#d19c62' "$work/woodclut.png"
convert "$work/grain.png" "$work/fibre.png" -compose Blend -define compose:args=30 -composite \
  "$work/tone.png" -compose Overlay -composite "$work/woodclut.png" -clut \
  \( -size ${W}x$H xc:white -fill '#ececec' -draw 'rectangle 0,0 2999,379' \
     -fill '#e2e2e2' -draw 'rectangle 0,1330 2999,1999' \) -compose Multiply -composite \
  "$work/board0.png"
# Seams between the planks: a dark gap with a lit lower edge.
convert "$work/board0.png" \
  -fill '#3a2414' -draw 'rectangle 0,376 2999,383' -draw 'rectangle 0,1326 2999,1333' \
  -fill '#e8c08c' -draw 'rectangle 0,384 2999,385' -draw 'rectangle 0,1334 2999,1335' \
  "$work/board.png"

# ---------------------------------------------------------------- ruler
# Stroke digits on a 24 x 40 box (origin top-left); drawn scaled 0.75 x 0.85.
digit_path() {
  case $1 in
    0) echo 'M 0,12 A 12,12 0 0 1 24,12 L 24,28 A 12,12 0 0 1 0,28 Z' ;;
    1) echo 'M 5,8 L 14,0 L 14,40' ;;
    2) echo 'M 1,10 A 11,10 0 0 1 23,10 C 23,19 4,28 1,40 L 24,40' ;;
    3) echo 'M 1,6 C 5,0 22,-1 22,10 C 22,18 14,20 9,20 C 16,20 24,22 24,30 C 24,42 4,42 0,35' ;;
    4) echo 'M 17,40 L 17,0 L 0,28 L 24,28' ;;
    5) echo 'M 22,0 L 3,0 L 1,17 C 8,13 24,13 24,27 C 24,42 4,42 0,35' ;;
    6) echo 'M 20,1 C 8,-3 0,8 0,28 A 12,11 0 0 0 24,28 A 12,11 0 0 0 0,28' ;;
    7) echo 'M 0,0 L 24,0 L 8,40' ;;
    8) echo 'M 12,20 A 10,10 0 0 1 12,0 A 10,10 0 0 1 12,20' \
            'A 11,10 0 0 0 12,40 A 11,10 0 0 0 12,20' ;;
    9) echo 'M 4,39 C 16,43 24,32 24,12 A 12,11 0 0 0 0,12 A 12,11 0 0 0 24,12' ;;
    c) echo 'M 21,17 C 15,10 0,12 0,26 C 0,40 14,42 21,35' ;;
    m) echo 'M 0,40 L 0,13 M 0,21 C 2,11 13,10 13,20 L 13,40' \
            'M 13,21 C 15,11 26,10 26,20 L 26,40' ;;
  esac
}
# draw_text TEXT CENTRE_X TOP_Y : MVG for TEXT centred on CENTRE_X.
draw_text() {
  local text=$1 cx=$2 top=$3 n=${#1} i x
  x=$(( cx - (n * 22 - 4) / 2 ))
  for (( i = 0; i < n; i++ )); do
    printf "push graphic-context\n translate %d,%d\n scale 0.75,0.85\n path '%s'\n%s\n" \
      $(( x + i * 22 )) "$top" "$(digit_path "${text:i:1}")" "pop graphic-context"
  done
}

x_left=$(( RULER_X0 - 10 * PPMM ))
x_right=$(( RULER_X0 + (RULER_MM + 10) * PPMM ))
y_bottom=$(( RULER_TOP + RULER_H ))
{
  echo "fill none stroke '#1c1c1c' stroke-linecap butt"
  for (( mm = 0; mm <= RULER_MM; mm++ )); do
    x=$(( RULER_X0 + mm * PPMM ))
    if (( mm % 10 == 0 )); then len=72; sw=3
    elif (( mm % 5 == 0 )); then len=48; sw=2.5
    else len=30; sw=2
    fi
    echo "stroke-width $sw line $x,$(( RULER_TOP + 3 )) $x,$(( RULER_TOP + len ))"
  done
  echo "stroke-width 5.5 stroke-linecap round stroke-linejoin round"
  for (( cm = 0; cm <= RULER_MM / 10; cm++ )); do
    draw_text "$cm" $(( RULER_X0 + cm * 10 * PPMM )) $(( RULER_TOP + 88 ))
  done
  draw_text cm $(( x_right - 70 )) $(( y_bottom - 62 ))
} > "$work/ticks.mvg"
convert -size ${W}x$H xc:none \
  -fill '#f4efdc' -stroke '#b9b19a' -strokewidth 2 \
  -draw "roundrectangle $x_left,$RULER_TOP $x_right,$y_bottom 10,10" \
  -stroke none -fill '#fffdf4' \
  -draw "rectangle $(( x_left + 6 )),$(( RULER_TOP + 2 )) $(( x_right - 6 )),$((RULER_TOP + 4))" \
  -fill '#ddd5bd' \
  -draw "rectangle $(( x_left + 6 )),$(( y_bottom - 6 )) $(( x_right - 6 )),$(( y_bottom - 3 ))" \
  -draw "$(cat "$work/ticks.mvg")" "$work/ruler.png"

# ---------------------------------------------------------------- fish
# curve P0 C1 C2 P3: a stroked open cubic curve. It is traced there and back, because this
# ImageMagick closes a lone open curve with a straight line.
curve() {
  echo "path 'M $1 C $2 $3 $4 C $3 $2 $1'"
}
# soft SIGMA: options for a wide Gaussian blur, done at a quarter of the size for speed.
soft() {
  echo "-resize 25% -blur 0x$(( ($1 + 2) / 4 )) -resize ${W}x$H!"
}
BODY='M 360,830 C 380,760 470,650 600,590 C 720,530 850,470 1000,455
      C 1250,440 1600,520 1900,620 C 2050,670 2150,715 2245,742
      C 2285,775 2290,870 2250,906
      C 2100,935 1950,990 1800,1050 C 1550,1140 1300,1172 1100,1163
      C 900,1152 700,1082 560,995 C 470,935 400,885 360,830 Z'
TAIL='M 2200,738 C 2330,705 2500,610 2642,498 C 2600,620 2535,760 2508,826
      C 2535,890 2600,1040 2642,1162 C 2500,1065 2330,960 2200,918 Z'
PECTORAL='M 868,868 C 1000,862 1250,925 1452,1012 C 1250,992 1020,962 884,948 Z'
PELVIC='M 1000,1120 C 1100,1190 1240,1245 1345,1262 C 1260,1212 1160,1160 1085,1115 Z'

# Dorsal fin: twelve spines rising from the back, then a lower soft part.
dorsal_top=() ; dorsal_base=()
spine_h=(60 120 175 185 178 165 150 138 126 116 106 98 92 96 98 94 88 76 60)
for (( i = 0; i < ${#spine_h[@]}; i++ )); do
  x=$(( 960 + i * 50 ))
  # The back line near the fin, from the body path, lowered so the fin base hides under the body.
  yb=$(( 458 + (x - 1000) * (x - 1000) / 4800 + 30 ))
  dorsal_base+=("$x,$yb")
  dorsal_top+=("$(( x + 22 )),$(( yb - 30 - spine_h[i] ))")
done
DORSAL="M ${dorsal_base[0]}"
prev=${dorsal_base[0]}
for (( i = 0; i < ${#dorsal_top[@]}; i++ )); do
  tx=${dorsal_top[i]%,*}; ty=${dorsal_top[i]#*,}
  if (( i == 0 )); then DORSAL+=" L $tx,$ty"
  else DORSAL+=" Q $(( tx - 24 )),$(( ty + 38 )) $tx,$ty"
  fi
done
last=${dorsal_base[${#dorsal_base[@]}-1]}
lx=${last%,*}; ly=${last#*,}
DORSAL+=" C $(( lx + 60 )),$(( ly - 40 )) $(( lx + 70 )),$ly $lx,$(( ly + 20 )) Z"
dorsal_rays=""
for (( i = 0; i < ${#dorsal_top[@]}; i++ )); do
  dorsal_rays+="line ${dorsal_base[i]} ${dorsal_top[i]} "
done

# Anal fin: three spines and soft rays hanging from the belly towards the tail.
ANAL='M 1700,1060 C 1740,1110 1790,1170 1815,1200 C 1900,1150 2010,1080 2130,1010
      C 2100,990 2090,950 2080,930 C 1950,975 1820,1025 1700,1060 Z'
anal_rays=""
for (( i = 0; i <= 10; i++ )); do
  bx=$(( 1715 + i * 37 )); by=$(( 1058 - i * 12 ))
  tx=$(( 1815 + i * 31 )); ty=$(( 1200 - i * 19 ))
  anal_rays+="line $bx,$by $tx,$ty "
done

# Tail rays fan out from the peduncle to the trailing edge.
tail_rays=""
for (( i = 0; i <= 20; i++ )); do
  if (( i <= 10 )); then
    tx=$(( 2642 - (2642 - 2508) * i / 10 )); ty=$(( 498 + (826 - 498) * i / 10 ))
  else
    tx=$(( 2508 + (2642 - 2508) * (i - 10) / 10 )); ty=$(( 826 + (1162 - 826) * (i - 10) / 10 ))
  fi
  by=$(( 745 + i * 8 ))
  tail_rays+="line 2200,$by $tx,$ty "
done

pect_rays=""
for (( i = 0; i <= 12; i++ )); do
  tx=$(( 1452 - i * 38 )); ty=$(( 1012 - i * 4 ))
  pect_rays+="line $(( 876 + i )),$(( 875 + i * 6 )) $tx,$ty "
done

# part NAME PATH FILL RAY-COLOUR RAYS [MORE]: a fin with rays (and MORE, any MVG) clipped to
# its outline.
part() {
  convert -size ${W}x$H xc:none -fill "$3" -stroke none -draw "path '$2'" \
    -fill none -stroke "$4" -strokewidth 3 -draw "$5 ${6:-}" \
    \( -size ${W}x$H xc:none -fill white -draw "path '$2'" \) -compose DstIn -composite \
    -fill none -stroke '#8e3340a0' -strokewidth 2 -compose Over -draw "path '$2'" \
    "$work/$1.png"
}
part tail "$TAIL" '#d96a70e6' '#9c2f3cb0' "$tail_rays" \
  "stroke '#5a1a2470' stroke-width 26 $(curve 2642,498 2600,620 2535,760 2508,826)
   $(curve 2508,826 2535,890 2600,1040 2642,1162)"
part dorsal "$DORSAL" '#e07a7ed0' '#a0303ec0' "$dorsal_rays"
part anal "$ANAL" '#e89a98d8' '#b05060b0' "$anal_rays"
part pelvic "$PELVIC" '#efb8b2e0' '#c07078a0' ""
part pectoral "$PECTORAL" '#f0a09ab0' '#c0505c90' "$pect_rays"

# Body mask and its soft inner edge that rounds the body.
convert -size ${W}x$H xc:black -fill white -draw "path '$BODY'" "$work/mask.png"
convert "$work/mask.png" $(soft 45) -level 0%,55% "$work/round.png"
convert "$work/round.png" "$work/mask.png" -compose Multiply -composite \
  +level 48%,100% "$work/shade.png"

# Body colour: deep rose back, pink flanks, silvery belly.
convert -size 1x240 gradient:'#a8213a-#d24f5c' -size 1x200 gradient:'#d24f5c-#ea9a98' \
  -size 1x180 gradient:'#ea9a98-#f3d8d1' -size 1x160 gradient:'#f3d8d1-#faf4f0' -append \
  -scale ${W}x780! -background '#faf4f0' -gravity north -extent ${W}x1560 \
  -background '#a8213a' -gravity south -extent ${W}x$H "$work/colour0.png"

# Scales: overlapping discs laid from the tail towards the head, so that each shows only its
# rounded rear edge; one 40 x 44 tile of the repeating pattern.
scales_mvg="fill white stroke '#8a8a8a' stroke-width 2.2 "
for (( x = 80; x >= -40; x -= 20 )); do
  for (( y = -88 + (x + 40) / 20 % 2 * 22; y <= 110; y += 44 )); do
    scales_mvg+="circle $x,$y $(( x + 26 )),$y "
  done
done
convert -size 40x44 xc:white -draw "$scales_mvg" -blur 0x0.5 "$work/scale.png"
# The head in front of the gill cover has no scales.
convert -size ${W}x$H tile:"$work/scale.png" \
  \( -size ${W}x$H xc:black -fill white \
     -draw "path 'M 0,0 L 815,0 L 815,560 C 885,700 895,885 790,1075 L 790,1999 L 0,1999 Z'" \
     -blur 0x6 \) -compose Screen -composite "$work/scales.png"

# Blue spots of a sea bream, from a fixed pseudo-random sequence.
seed=20240607
spots="fill '#69c6f0d8' stroke none "
for (( i = 0; i < 90; i++ )); do
  seed=$(( (seed * 1103515245 + 12345) % 2147483648 )); sx=$(( 700 + seed % 1500 ))
  seed=$(( (seed * 1103515245 + 12345) % 2147483648 )); sy=$(( 470 + seed % 430 ))
  seed=$(( (seed * 1103515245 + 12345) % 2147483648 )); r=$(( 4 + seed % 4 ))
  spots+="circle $sx,$sy $(( sx + r )),$sy "
done

convert "$work/colour0.png" \
  \( "$work/scales.png" +level 72%,100% \) -compose Multiply -composite \
  -compose Over -draw "$spots" \
  -fill none -stroke '#fff0ee58' -strokewidth 5 \
  -draw "$(curve 830,585 1200,500 1700,570 2240,800)" \
  -stroke '#9e3b4890' -strokewidth 1.5 -draw "$(curve 830,590 1200,505 1700,575 2240,805)" \
  -stroke '#8a2636d0' -strokewidth 5 -draw "$(curve 815,560 885,700 895,885 790,1075)" \
  -stroke '#b8566090' -strokewidth 3 -draw "$(curve 700,610 745,760 745,905 660,1020)" \
  -stroke '#6b1e2a' -strokewidth 5 -draw "$(curve 362,832 390,850 420,862 452,862)" \
  "$work/shade.png" -compose Multiply -composite "$work/colour1.png"
# Sheen along the upper flank.
convert -size ${W}x$H xc:black -fill '#ffffff' -draw 'ellipse 1300,700 520,90 0,360' \
  $(soft 50) -level 0%,260% +level 0%,38% "$work/sheen.png"
convert "$work/colour1.png" "$work/sheen.png" -compose Screen -composite \
  "$work/mask.png" -alpha off -compose CopyOpacity -composite \
  -fill none -stroke '#7d2631b0' -strokewidth 2.5 -compose Over -draw "path '$BODY'" \
  "$work/body.png"

# Eye: golden iris, black pupil, a highlight.
EYE="fill '#5a1e24' stroke none circle 592,692 592,744
     fill '#e8c35a' circle 592,692 592,736
     fill '#c88f30' circle 592,692 592,722
     fill '#101010' circle 590,694 590,722
     fill '#ffffffe0' circle 578,680 578,690
     fill '#ffffff70' circle 604,708 604,712"

convert "$work/tail.png" "$work/dorsal.png" -compose Over -composite \
  "$work/anal.png" -composite "$work/pelvic.png" -composite \
  "$work/body.png" -composite "$work/pectoral.png" -composite \
  -draw "$EYE" "$work/fish.png"

# ---------------------------------------------------------------- composition
shadow() {  # shadow SOURCE BLUR DX DY OPACITY%
  convert "$1" -alpha extract $(soft "$2") +level 0%,$5% -background black -alpha shape \
    -page +$3+$4 -background none -flatten "$work/shadow.png"
}
convert "$work/board.png" \
  \( -size ${W}x$H radial-gradient:white-black +level 72%,100% \) -compose Multiply -composite \
  "$work/lit.png"
shadow "$work/ruler.png" 10 10 14 55
convert "$work/lit.png" "$work/shadow.png" -compose Over -composite "$work/ruler.png" -composite \
  "$work/withruler.png"
shadow "$work/fish.png" 22 16 26 55
convert "$work/withruler.png" "$work/shadow.png" -compose Over -composite \
  "$work/fish.png" -composite "$work/scene.png"

mkdir -p "$(dirname "$out")"
convert "$work/scene.png" -strip -units PixelsPerInch -density 96 \
  -sampling-factor 2x2 -quality 88 -interlace none "$out"
