#!/usr/bin/env bash
# Regenerates the fifteen texture pictures assets/Images/Img1.jpg ... Img15.jpg
# that faces, circles and solids can wear.  They are drawn here from formulas
# and fixed random seeds, so running the script again gives the same pictures.
# Needs ImageMagick 6 (`convert`).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/assets/Images"
mkdir -p "$out"
size=256x256
jpeg=(-strip -quality 85 -type TrueColor)

# 1 wood: rings around a centre outside the picture, with a little grain.
convert -size $size xc: -fx '0.5+0.5*sin(hypot(i-40,j+300)/7+2*sin(j/23))' \
  +level-colors '#6b3e1e,#d9a66b' "${jpeg[@]}" "$out/Img1.jpg"
# 2 marble: veins from a turbulent sine.
convert -seed 2 -size $size plasma:grey50-grey50 -colorspace Gray -blur 0x6 -auto-level \
  -fx 'abs(sin(i/18+6*u))' -negate +level-colors '#555566,#f4f4f0' "${jpeg[@]}" "$out/Img2.jpg"
# 3 brick wall with mortar lines.
convert -size $size xc:'#a23b22' -fill '#d8d0c0' \
  -draw "$(for y in 0 32 64 96 128 160 192 224; do echo "rectangle 0,$y 255,$((y+3)) "; \
          o=$(( (y/32)%2*32 )); for x in 0 64 128 192 256; do echo "rectangle $((x+o-2)),$y $((x+o+1)),$((y+31)) "; done; done)" \
  "${jpeg[@]}" "$out/Img3.jpg"
# 4 checkerboard.
convert -size $size xc: -fx '((floor(i/32)+floor(j/32))%2)' +level-colors '#202060,#e8e8f8' "${jpeg[@]}" "$out/Img4.jpg"
# 5 linear gradient, top to bottom.
convert -size $size gradient:'#0a3d91-#9be7ff' "${jpeg[@]}" "$out/Img5.jpg"
# 6 radial gradient.
convert -size $size radial-gradient:'#fff2a8-#d9480f' "${jpeg[@]}" "$out/Img6.jpg"
# 7 diagonal stripes.
convert -size $size xc: -fx '((floor((i+j)/24))%2)' +level-colors '#2b8a3e,#c3fae8' "${jpeg[@]}" "$out/Img7.jpg"
# 8 hexagon pattern.
convert -size $size pattern:hexagons -scale 400% -crop $size+0+0 +repage +level-colors '#364fc7,#dbe4ff' "${jpeg[@]}" "$out/Img8.jpg"
# 9 granite: fine coloured noise.
convert -seed 9 -size $size plasma:fractal -blur 0x0.6 -modulate 100,35 "${jpeg[@]}" "$out/Img9.jpg"
# 10 crosshatch.
convert -size $size pattern:crosshatch30 -scale 400% -crop $size+0+0 +repage +level-colors '#5c3b8a,#f3e8ff' "${jpeg[@]}" "$out/Img10.jpg"
# 11 water ripples.
convert -size $size xc: -fx '0.5+0.25*sin(hypot(i-128,j-128)/5)+0.25*sin(i/11)*sin(j/13)' \
  +level-colors '#0b4f6c,#a8e6ff' "${jpeg[@]}" "$out/Img11.jpg"
# 12 polka dots.
convert -size $size xc: -fx 'hypot((i%32)-16,(j%32)-16)<9' +level-colors '#e03131,#fff5f5' "${jpeg[@]}" "$out/Img12.jpg"
# 13 hue wheel: hue by angle, full saturation, mid lightness.
convert -size $size xc: -fx 'atan2(j-128,i-128)/(2*pi)+0.5' \
  \( -size $size xc:white \) \( -size $size xc:gray50 \) \
  -set colorspace HSL -combine -colorspace sRGB "${jpeg[@]}" "$out/Img13.jpg"
# 14 woven basket.
convert -size $size xc: -fx '(floor(i/16)+floor(j/16))%2 ? 0.2+0.8*abs(sin(j*pi/16)) : 0.2+0.8*abs(sin(i*pi/16))' \
  +level-colors '#7a4f01,#ffd8a8' "${jpeg[@]}" "$out/Img14.jpg"
# 15 stone tiles: large squares with shaded edges and mottled faces.
convert -seed 15 -size $size plasma:grey40-grey90 -colorspace Gray -blur 0x2 -auto-level \
  \( -size $size xc: -fx 'min(min(i%64,63-i%64),min(j%64,63-j%64))<3 ? 0.25 : 1' \) \
  -compose Multiply -composite +level-colors '#3d3d3d,#e9ecef' "${jpeg[@]}" "$out/Img15.jpg"
