#!/usr/bin/env bash
# Draws the program's pictures and icon from scratch with ImageMagick 6
# (`convert`) and writes them under resources/. The results are committed;
# run this only to change the art:
#   tools/make-pictures.sh            (or CONVERT=/path/to/convert tools/...)
# Every picture is drawn in true colour and only then reduced to its stored
# form, so the limits (palette size, transparency, JPEG look) are applied in
# one place, at the end. Each is drawn at 1x, 2x and 3x its design size
# (name.png, name@2x.png, name@3x.png) from the same drawing: the drawing's
# coordinates stay the design's pixels, scaled in each -draw, and only sizes,
# offsets and blurs are multiplied by the scale S; the random star fields
# and the nebula's plasma are made at 1x and enlarged, so every scale shows
# the same sky.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
C=${CONVERT:-convert}
PYTHON=${PYTHON:-python3}
pictures=$root/resources/pictures
icons=$root/resources/icons
mkdir -p "$pictures" "$icons"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# draw S: every picture at scale S, into the current folder.
draw() {
S=$1
W=$((114 * S))
H=$((163 * S))
# Every drawing command starts with this: its coordinates stay the design's.
Z="scale $S,$S "
# A size, offset or blur radius of the design, at this scale.
x() { echo $(($1 * S)); }
# Enlarges a 1x picture made at random: sharp-edged for the stars, smooth otherwise.
enlarge() { # filter in out
    "$C" "$2" -filter "$1" -resize "${W}x${H}!" "$3"
}

# Sparse stars of varied brightness on black, for Screen compositing.
stars() { # seed threshold out
    "$C" -size 114x163 xc:black -seed "$1" +noise Random -channel R -separate +channel -threshold "$2" \
        \( -size 114x163 xc:black -seed $(($1 + 1)) +noise Random -channel G -separate +channel -level 30%,100% \) \
        -compose Multiply -composite "$3"
    ((S == 1)) || enlarge point "$3" "$3"
}

# A lit sphere: radial gradient with its highlight off centre, clear outside.
sphere() { # size highlight-x highlight-y light dark out
    local s=$1
    "$C" -size ${s}x${s} -define gradient:center="$2,$3" -define gradient:radii=$s,$s radial-gradient:"$4-$5" \
        \( -size ${s}x${s} xc:black -fill white -draw "circle $((s / 2)),$((s / 2)) $((s / 2)),0" \) \
        -alpha off -compose CopyOpacity -composite "$6"
}

# --- library 0: a ringed giant and its moon -------------------------------
stars 11 99.2% st0.png
"$C" -size $(x 80)x$(x 80) -define gradient:center=$(x 26),$(x 24) -define gradient:radii=$(x 72),$(x 72) \
    radial-gradient:'#ffd49a-#300c02' \
    \( -size $(x 80)x$(x 80) xc:none -fill 'rgba(150,50,10,0.40)' \
    -draw "${Z}rectangle 0,18 80,24 rectangle 0,38 80,46 rectangle 0,56 80,59" \
    -fill 'rgba(255,235,190,0.30)' -draw "${Z}rectangle 0,30 80,34 rectangle 0,50 80,53" -blur 0x$(x 1) \) \
    -compose Over -composite \
    \( -size $(x 80)x$(x 80) xc:black -fill white -draw "${Z}circle 39.5,39.5 39.5,1" \) -alpha off -compose CopyOpacity \
    -composite giant.png
sphere $(x 10) $(x 3) $(x 3) '#e8f0ff' '#405070' moon0.png
ring0() { # arc: 180,360 behind the planet, 0,180 in front
    ring=(-fill none -stroke '#a08a66' -strokewidth 6 -draw "${Z}translate 57,86 rotate -22 ellipse 0,0 58,13 $1"
        -stroke '#f4e6c4' -strokewidth 2 -draw "${Z}translate 57,86 rotate -22 ellipse 0,0 57,12.5 $1"
        -stroke '#c8b490' -strokewidth 1 -draw "${Z}translate 57,86 rotate -22 ellipse 0,0 53,10.5 $1")
}
ring0 180,360
back=("${ring[@]}")
ring0 0,180
"$C" -size ${W}x${H} gradient:'#0a0f2e-#000004' st0.png -compose Screen -composite \
    "${back[@]}" giant.png -geometry +$(x 17)+$(x 46) -compose Over -composite "${ring[@]}" \
    moon0.png -geometry +$(x 14)+$(x 18) -compose Over -composite \
    library0.png

# --- library 1: a wheel station above a blue world ------------------------
stars 21 99.3% st1.png
sphere $(x 240) $(x 150) $(x 20) '#7ccaff' '#021030' world1.png
"$C" -size $(x 240)x$(x 240) xc:none -fill none -stroke 'rgba(140,200,255,0.8)' -strokewidth 6 \
    -draw "${Z}circle 120,120 120,3" -blur 0x$(x 3) glow1.png
# The station: wheel, spokes, hub and spindle, lit windows.
station=(-fill none -stroke '#4a5060' -strokewidth 7 -draw "${Z}translate 57,62 rotate 12 ellipse 0,0 40,16 0,360"
    -stroke '#c8d0dc' -strokewidth 4 -draw "${Z}translate 57,62 rotate 12 ellipse 0,0 40,16 0,360"
    -stroke '#f4f8ff' -strokewidth 1 -draw "${Z}translate 57,61 rotate 12 ellipse 0,0 40,15 180,360"
    -stroke '#9aa4b4' -strokewidth 2
    -draw "${Z}translate 57,62 rotate 12 line -39,0 39,0 line 0,-15 0,15 line -28,-11 28,11 line -28,11 28,-11"
    -stroke '#4a5060' -strokewidth 1 -fill '#dde4ee' -draw "${Z}translate 57,62 rotate 12 ellipse 0,0 7,5 0,360"
    -fill '#8890a0' -stroke none -draw "${Z}rectangle 55,50 59,74"
    -fill '#ffd27a' -draw "${Z}point 20,54 point 94,70 point 57,47")
"$C" -size ${W}x${H} xc:'#01020a' st1.png -compose Screen -composite \
    glow1.png -geometry -$(x 63)+$(x 98) -compose Over -composite \
    world1.png -geometry -$(x 63)+$(x 98) -compose Over -composite \
    \( -size ${W}x${H} xc:none -fill 'rgba(255,255,255,0.35)' \
    -draw "${Z}ellipse 20,140 40,5 0,360 ellipse 70,150 36,4 0,360 ellipse 30,158 50,5 0,360" -blur 0x$(x 2) \) \
    -compose Over -composite \
    "${station[@]}" -fill '#fff0c0' -draw "${Z}circle 100,14 100,11" \
    library1.png

# --- library 2: a city in ruins after the war -----------------------------
"$C" -size ${W}x${H} gradient:'#3a0d08-#ff8a2a' \
    \( -size ${W}x${H} xc:none -fill 'rgba(255,240,200,0.85)' -draw "${Z}circle 82,34 82,24" -blur 0x$(x 1) \) \
    -compose Over -composite \
    \( -size ${W}x${H} xc:none -fill 'rgba(40,30,30,0.55)' \
    -draw "${Z}circle 30,70 30,52 circle 44,50 44,36 circle 36,30 36,20 circle 92,78 92,64 circle 100,58 100,48" \
    -blur 0x$(x 6) \) -compose Over -composite \
    -fill '#1a0e0c' -stroke none \
    -draw "${Z}polygon 0,163 0,96 8,96 8,88 14,88 14,100 20,100 20,74 26,70 30,78 34,74 34,104 40,104 40,84 46,84 50,92 50,120 54,120 54,64 60,60 62,68 66,62 70,66 70,110 76,110 76,90 80,86 84,94 84,124 90,124 90,100 96,96 98,104 104,98 104,118 114,118 114,163" \
    -fill '#2c1612' \
    -draw "${Z}polygon 0,163 0,134 12,128 20,136 34,130 46,138 60,132 74,140 88,134 102,140 114,136 114,163" \
    -fill '#ffb040' \
    -draw "${Z}rectangle 23,80 24,81 rectangle 28,86 29,87 rectangle 57,72 58,73 rectangle 62,80 63,81 rectangle 57,90 58,91 rectangle 80,100 81,101 rectangle 43,92 44,93" \
    \( -size ${W}x${H} xc:none -fill 'rgba(255,120,30,0.7)' -draw "${Z}circle 64,118 64,113 circle 96,112 96,108" \
    -blur 0x$(x 4) \) -compose Screen -composite \
    library2.png

# --- library 3: an astrolabe ----------------------------------------------
ticks=""
for i in $(seq 0 47); do
    len=3
    if ((i % 4 == 0)); then len=6; fi
    ticks+=" rotate 7.5 line 0,-46 0,$((-46 + len))"
done
"$C" -size ${W}x${H} radial-gradient:'#3a2a18-#0c0804' \
    -fill '#7a5a24' -stroke '#2a1c0a' -strokewidth 2 -draw "${Z}circle 57,82 57,32" \
    -fill '#c89a44' -stroke none -draw "${Z}circle 57,82 57,35" \
    -fill '#1c2c4a' -draw "${Z}circle 57,82 57,43" \
    -fill none -stroke '#c89a44' -strokewidth 1 -draw "${Z}circle 57,82 57,60" -draw "${Z}ellipse 57,88 30,22 0,360" \
    -stroke '#f0d080' -draw "${Z}line 57,43 57,121 line 18,82 96,82" \
    -stroke '#3a2608' -strokewidth 1 -draw "${Z}translate 57,82 $ticks" \
    -stroke '#ffe8a0' -strokewidth 2 -draw "${Z}translate 57,82 rotate 40 line 0,6 0,-30" \
    -stroke '#e0b860' -strokewidth 3 -draw "${Z}translate 57,82 rotate 150 line 0,5 0,-20" \
    -fill '#e8c060' -stroke '#3a2608' -strokewidth 1 -draw "${Z}circle 57,82 57,78" \
    -fill '#c89a44' -stroke '#2a1c0a' -draw "${Z}roundrectangle 50,20 64,34 4,4" \
    -fill '#1c2c4a' -draw "${Z}circle 57,27 57,24" \
    -fill '#ffffff' -stroke none -draw "${Z}circle 74,68 74,66.5 circle 42,96 42,95 circle 66,104 66,103 circle 40,70 40,69" \
    library3.png

# --- library 4: twin suns over a desert and a lone tower ------------------
"$C" -size ${W}x${H} gradient:'#2a1040-#ff9a50' \
    \( -size ${W}x${H} xc:none -fill '#fff4c0' -draw "${Z}circle 30,70 30,58" -fill '#ffd0b0' -draw "${Z}circle 52,90 52,83" \
    -blur 0x$(x 2) \( +clone -blur 0x$(x 10) \) -compose Screen -composite \) -compose Screen -composite \
    -fill '#c86a30' -stroke none -draw "${Z}path 'M 0,112 C 30,100 50,104 70,112 S 100,120 114,108 L 114,163 L 0,163 Z'" \
    -fill '#8a3c1c' -draw "${Z}path 'M 0,130 C 24,122 40,126 60,134 S 96,140 114,128 L 114,163 L 0,163 Z'" \
    -fill '#4a1c10' -draw "${Z}path 'M 0,150 C 30,140 60,146 80,152 S 104,156 114,150 L 114,163 L 0,163 Z'" \
    -fill 'rgba(32,16,12,0.55)' -draw "${Z}polygon 76,121 90,121 114,134 114,144" \
    -fill '#20100c' -draw "${Z}polygon 78,120 81,60 84,58 87,60 90,120" -draw "${Z}rectangle 76,118 92,122" \
    -fill '#ffe080' -draw "${Z}point 84,66 point 84,80" \
    library4.png

# --- library 5: a comet across a nebula -----------------------------------
stars 55 99.0% st5.png
"$C" -size 114x163 -seed 51 plasma:'#d02080-#2040e0' -blur 0x6 -modulate 100,140 nebula5.png
((S == 1)) || enlarge lanczos nebula5.png nebula5.png
"$C" nebula5.png \
    \( -size ${W}x${H} xc:black -fill white -draw "${Z}ellipse 60,100 64,44 0,360" -blur 0x$(x 20) \) \
    -compose Multiply -composite st5.png -compose Screen -composite \
    \( -size ${W}x${H} xc:none -fill 'rgba(200,240,255,0.9)' -draw "${Z}polygon 30,50 104,12 108,20" -blur 0x$(x 3) \) \
    -compose Screen -composite \
    \( -size ${W}x${H} xc:none -fill 'rgba(140,180,255,0.6)' -draw "${Z}polygon 30,50 90,40 92,46" -blur 0x$(x 2) \) \
    -compose Screen -composite \
    -fill white -draw "${Z}circle 30,50 30,47" \
    \( -size ${W}x${H} xc:none -fill 'rgba(220,240,255,0.9)' -draw "${Z}circle 30,50 30,43" -blur 0x$(x 4) \) \
    -compose Screen -composite \
    library5.png

# --- library 6: a domed colony on a moon, a world rising ------------------
stars 61 99.3% st6.png
sphere $(x 56) $(x 20) $(x 20) '#a8e0ff' '#06204a' world6.png
"$C" -size ${W}x${H} xc:'#00010a' st6.png -compose Screen -composite \
    world6.png -geometry +$(x 46)+$(x 14) -compose Over -composite \
    -fill '#00010a' -draw "${Z}ellipse 84,46 30,30 0,360" \
    \( -size ${W}x${H} gradient:'#b4b4bc-#4a4a52' \
    \( -size ${W}x${H} xc:black -fill white -draw "${Z}path 'M 0,104 C 30,96 70,100 114,92 L 114,163 L 0,163 Z'" \) \
    -alpha off -compose CopyOpacity -composite \) -compose Over -composite \
    -fill '#6c6c74' -draw "${Z}ellipse 28,130 14,4 0,360 ellipse 86,148 18,5 0,360 ellipse 96,116 8,2 0,360" \
    -fill '#a8a8b0' -draw "${Z}ellipse 28,129 14,3 180,360 ellipse 86,147 18,4 180,360" \
    -fill 'rgba(150,210,255,0.55)' -stroke '#d8f0ff' -strokewidth 1 \
    -draw "${Z}ellipse 40,108 22,18 180,360 ellipse 74,104 14,12 180,360" \
    -stroke none -fill '#ffd880' -draw "${Z}rectangle 34,102 36,104 rectangle 44,100 46,102 rectangle 72,98 74,100" \
    -fill '#c8c8d0' -draw "${Z}rectangle 96,62 98,98" -stroke '#c8c8d0' -draw "${Z}line 90,64 104,64" \
    -stroke none -fill '#ff4040' -draw "${Z}circle 97,60 97,58.5" \
    library6.png

# --- the main window's initial picture: a flat ringed-planet emblem -------
# Drawn without antialiasing: three flat colours and the clear background.
"$C" -size ${W}x${H} xc:none +antialias \
    -fill none -stroke '#9fb4d8' -strokewidth 5 -draw "${Z}translate 57,82 rotate -20 ellipse 0,0 52,14 180,360" \
    -stroke none -fill '#1c2c5a' -draw "${Z}circle 57,82 57,50" \
    -fill '#9fb4d8' -draw "${Z}path 'M 38,66 A 26,26 0 0,1 70,56 A 30,30 0 0,0 38,66 Z'" \
    -fill none -stroke '#9fb4d8' -strokewidth 5 -draw "${Z}translate 57,82 rotate -20 ellipse 0,0 52,14 0,180" \
    -stroke none -fill '#f4f4ff' -draw "${Z}circle 20,28 20,26 circle 96,36 96,35 circle 88,136 88,134 circle 26,128 26,127" \
    main-initial.png

# --- the About window's picture: an hourglass, drawn at 4x and reduced ----
"$C" -size $(x 152)x$(x 232) xc:none \
    -fill '#3a2410' -stroke none -draw "${Z}roundrectangle 8,4 144,22 6,6 roundrectangle 8,210 144,228 6,6" \
    -fill '#a8742c' -draw "${Z}roundrectangle 10,6 142,18 5,5 roundrectangle 10,212 142,224 5,5" \
    -fill '#5a3a18' -draw "${Z}rectangle 16,22 26,210 rectangle 126,22 136,210" \
    -fill '#c89040' -draw "${Z}rectangle 18,22 22,210 rectangle 128,22 132,210" \
    -fill 'rgba(200,230,255,0.9)' -stroke '#6080a0' -strokewidth 4 \
    -draw "${Z}path 'M 34,24 L 118,24 C 118,80 84,100 80,116 C 84,132 118,152 118,208 L 34,208 C 34,152 68,132 72,116 C 68,100 34,80 34,24 Z'" \
    -stroke none -fill '#f0c060' -draw "${Z}path 'M 46,60 L 106,60 C 100,84 84,96 78,114 L 74,114 C 68,96 52,84 46,60 Z'" \
    -fill '#e0a840' -draw "${Z}path 'M 40,204 L 112,204 C 108,176 90,166 76,160 C 62,166 44,176 40,204 Z'" \
    -fill '#f0c060' -draw "${Z}rectangle 74,116 78,160" \
    -fill 'rgba(255,255,255,0.8)' -draw "${Z}path 'M 42,30 L 50,30 C 50,60 60,78 66,90 C 52,80 42,62 42,30 Z'" \
    -resize 25% about.png
}

# --- the application icon: a ringed world whose face is a clock -----------
# `weight` thickens ring and hands for the small sizes, where thin lines
# would blur away.
icon() { # weight (2 = fine, 3 = bold) out
    local w=$1
    local rw=$((14 * w / 2)) ro=$((22 * w / 2)) hw=$((16 * w / 2))
    local ring="translate 128,132 rotate -24 ellipse 0,0 $((124 - ro / 2)),38"
    "$C" -size 256x256 xc:none \
        -fill none -stroke '#7a4a08' -strokewidth $ro -draw "$ring 180,360" \
        -stroke '#ffc24a' -strokewidth $rw -draw "$ring 180,360" \
        \( -size 256x256 -define gradient:center=92,80 -define gradient:radii=180,180 radial-gradient:'#9ae0ff-#06225c' \
        \( -size 256x256 xc:black -fill white -draw "circle 128,128 128,40" \) \
        -alpha off -compose CopyOpacity -composite \) -compose Over -composite \
        -fill none -stroke '#ffffff' -strokewidth $hw -draw "line 128,112 128,58" -draw "line 128,112 160,94" \
        -fill '#ffffff' -stroke none -draw "circle 128,112 128,$((112 - hw))" \
        -fill none -stroke '#7a4a08' -strokewidth $ro -draw "$ring 0,180" \
        -stroke '#ffc24a' -strokewidth $rw -draw "$ring 0,180" \
        "$2"
}
# --- stored formats -------------------------------------------------------
png_opts=(-strip -define png:exclude-chunks=date,time -depth 8)
# Every picture is stored as PNG, which QtGui reads without an image plugin.
# The drawings keep a small palette (at most 64, 4 and 16 colours) as
# palette PNGs; the photographs keep their look of a 90 % JPEG and are
# stored as true-colour PNGs of the decoded JPEG. Each scale keeps the
# limits of the design's own size.
store() { # suffix: the pictures of the current folder, stored as name<suffix>.png
    local n=$1
    "$C" library0.png -alpha off -dither None -colors 64 "${png_opts[@]}" "PNG8:$pictures/library0$n.png"
    for i in 1 2 3 4 5 6; do
        "$C" "library$i.png" -alpha off -strip -type TrueColor -interlace none -sampling-factor 2x2,1x1,1x1 \
            -quality 90 "JPEG:library$i.jpg"
        "$C" "library$i.jpg" "${png_opts[@]}" "PNG24:$pictures/library$i$n.png"
    done
    "$C" main-initial.png +dither -colors 4 "${png_opts[@]}" "PNG8:$pictures/main-initial$n.png"
    # A binary mask first, so exactly one palette entry is the clear one.
    "$C" about.png -channel A -threshold 50% +channel -dither None -colors 16 "${png_opts[@]}" \
        "PNG8:$pictures/about$n.png"
}
for scale in 1 2 3; do
    mkdir "$work/$scale"
    cd "$work/$scale"
    draw $scale
    if ((scale == 1)); then store ""; else store "@${scale}x"; fi
done
cd "$work"
# The icon: 16 and 32 pixels for the windows, 48 and 64 for them at 2x and
# 3x or 1.5x (Qt picks the nearest larger), and 96 for 32 at 3x; the larger
# ones for the desktop's menus.
icon 2 icon-fine.png
icon 3 icon-bold.png
for s in 256 128 96 64 48; do
    "$C" icon-fine.png -filter Lanczos -resize ${s}x${s} "${png_opts[@]}" "PNG32:$icons/mrvdate-$s.png"
done
for s in 32 16; do
    "$C" icon-bold.png -filter Lanczos -resize ${s}x${s} "${png_opts[@]}" "PNG32:$icons/mrvdate-$s.png"
done
# The Windows icon: 24-bit colour with a 1-bit mask, which ImageMagick's ICO
# writer does not produce.
for s in 16 32; do
    "$C" "$icons/mrvdate-$s.png" -depth 8 "RGBA:icon-$s.rgba"
done
"$PYTHON" "$root/tools/make-icon-ico.py" "$root/resources/mrvdate.ico" 16:icon-16.rgba 32:icon-32.rgba
echo "Pictures written to $pictures, icons to $icons and resources/mrvdate.ico"
