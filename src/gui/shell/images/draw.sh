#!/usr/bin/env bash
# Draws the pictures of the shell windows (step indicators, the animation
# beside them, the splash and the window icon) as PNG files from SVG
# written here. Needs ImageMagick. Run from this folder after a change.
set -euo pipefail
cd "$(dirname "$0")"

step() {  # number fill ring text-colour output
  cat > /tmp/lumeral-step.svg <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48">
  <circle cx="24" cy="24" r="20" fill="$2" stroke="$3" stroke-width="3"/>
  <text stroke="none" x="24" y="32" font-family="DejaVu Sans" font-weight="bold" font-size="22" fill="$4" text-anchor="middle">$1</text>
</svg>
SVG
  convert -background none /tmp/lumeral-step.svg -depth 8 "$5"
}
for n in 1 2 3 4; do
  step "$n" "#e07a1f" "#9c4f0c" "#ffffff" "passo${n}_on.png"
  step "$n" "#e4e7eb" "#aab2bd" "#8a939e" "passo${n}_off.png"
done

cat > /tmp/lumeral-anim.svg <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="200" height="70">
  <g fill="#ffffff" stroke="#1f4e79" stroke-width="2">
    <rect x="6" y="14" width="30" height="40" rx="3"/>
    <rect x="12" y="8" width="30" height="40" rx="3"/>
  </g>
  <g stroke="#5b8fc7" stroke-width="2"><line x1="17" y1="18" x2="37" y2="18"/><line x1="17" y1="26" x2="37" y2="26"/><line x1="17" y1="34" x2="31" y2="34"/></g>
  <path d="M52 31 h30" stroke="#e07a1f" stroke-width="4"/><path d="M82 23 l10 8 l-10 8 z" fill="#e07a1f" stroke="none"/>
  <g fill="#5b8fc7" stroke="none"><circle cx="112" cy="20" r="6"/><circle cx="132" cy="44" r="6"/><circle cx="152" cy="22" r="6"/><circle cx="176" cy="40" r="6"/></g>
  <g stroke="#1f4e79" stroke-width="2"><line x1="112" y1="20" x2="132" y2="44"/><line x1="132" y1="44" x2="152" y2="22"/><line x1="152" y1="22" x2="176" y2="40"/></g>
</svg>
SVG
convert -background none /tmp/lumeral-anim.svg -depth 8 animacao.png

cat > /tmp/lumeral-splash.svg <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="480" height="300">
  <g transform="translate(28,34) scale(1.4)">
    <rect x="10" y="6" width="36" height="46" rx="4" fill="#ffffff" stroke="#0f2f4f" stroke-width="3"/>
    <line x1="17" y1="16" x2="39" y2="16" stroke="#5b8fc7" stroke-width="3"/>
    <line x1="17" y1="24" x2="39" y2="24" stroke="#5b8fc7" stroke-width="3"/>
    <line x1="17" y1="32" x2="31" y2="32" stroke="#5b8fc7" stroke-width="3"/>
    <circle cx="40" cy="40" r="11" fill="#ffd166" fill-opacity="0.6" stroke="#f29e4c" stroke-width="4"/>
    <line x1="48" y1="48" x2="58" y2="58" stroke="#f29e4c" stroke-width="6"/>
  </g>
  <text stroke="none" x="130" y="84" font-family="DejaVu Sans" font-weight="bold" font-size="44" fill="#ffffff">Lumeral</text>
  <text stroke="none" x="132" y="114" font-family="DejaVu Sans" font-size="17" fill="#d6e4f5">Mineração de Textos</text>
  <line x1="24" y1="196" x2="456" y2="196" stroke="#8fb3dc" stroke-width="1"/>
</svg>
SVG
convert -size 480x300 gradient:'#2b6cb0-#163a5f' \
  \( -background none /tmp/lumeral-splash.svg \) -composite -depth 8 splash.png

convert -background none ../../../app/lumeral.svg -resize 64x64 -depth 8 lumeral.png
