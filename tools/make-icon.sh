#!/usr/bin/env bash
# Regenerates packaging/icons/fuelcalc.ico: the three designed images (32 × 32 in two colours,
# 32 × 32 and 16 × 16 in sixteen), which stay what the window shows at 100 %, as on Linux; and,
# drawn from packaging/icons/fuelcalc.svg, a true-colour image for each other size that Windows
# asks for up to 200 % (20, 24, 40, 48 and 64 px) and a 256 px one stored as PNG.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install icoutils librsvg2-bin

icons=$FUEL_ROOT/packaging/icons
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

drawn=()
for size in 20 24 40 48 64; do
    rsvg-convert -w "$size" -h "$size" "$icons/fuelcalc.svg" -o "$work/$size.png"
    drawn+=("$work/$size.png")
done
rsvg-convert -w 256 -h 256 "$icons/fuelcalc.svg" -o "$work/256.png"

icotool --create --output="$icons/fuelcalc.ico" \
    --bit-depth=1 "$icons/fuelcalc-32-2c.png" \
    --bit-depth=4 "$icons/fuelcalc-32-16c.png" "$icons/fuelcalc-16-16c.png" \
    --bit-depth=32 "${drawn[@]}" \
    --raw="$work/256.png"
icotool --list "$icons/fuelcalc.ico"
