#!/usr/bin/env bash
# Draws the application icon (a bold "Z" over a sine wave on a rounded tile)
# and assembles Zizavizerovo.ico with eight 32-bit images: 16, 24, 32, 48, 64,
# 96, 128 and 256 pixels square. Needs ImageMagick.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
convert=/usr/bin/convert
[[ -x $convert ]] || convert=convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One drawing at 256 pixels; the smaller images are scaled from it, the three
# smallest from a plainer drawing without the wave so that they stay crisp.
draw() {  # draw OUT WITH_WAVE
  local wave=()
  if [[ $2 == yes ]]; then
    local pts="" x y
    for ((x = 40; x <= 216; x += 4)); do
      y=$(awk -v x="$x" 'BEGIN { printf "%.1f", 210 + 13 * sin((x - 40) / 176 * 6.2832 * 2) }')
      pts+="$x,$y "
    done
    wave=(-fill none -stroke '#ffb02e' -strokewidth 10 -draw "polyline $pts")
  fi
  "$convert" -size 256x256 xc:none \
    -fill '#1d3f73' -stroke '#0c2348' -strokewidth 6 -draw 'roundrectangle 8,8 247,247 44,44' \
    -fill '#2b5ea7' -stroke none -draw 'roundrectangle 20,20 235,120 34,34' \
    -fill white -stroke none \
    -draw 'polygon 58,36 198,36 198,64 110,150 198,150 198,178 58,178 58,150 146,64 58,64' \
    "${wave[@]}" \
    -depth 8 "PNG32:$1"
}
draw "$work/full.png" yes
draw "$work/plain.png" no

images=()
for size in 16 24 32 48 64 96 128 256; do
  src=$work/full.png
  ((size <= 32)) && src=$work/plain.png
  "$convert" "$src" -filter Lanczos -resize "${size}x${size}" -depth 8 "PNG32:$work/icon$size.png"
  images+=("$work/icon$size.png")
done
"$convert" "${images[@]}" "$here/Zizavizerovo.ico"
cp "$work/icon256.png" "$here/icon256.png"
echo "wrote $here/Zizavizerovo.ico"
