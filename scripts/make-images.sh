#!/usr/bin/env bash
# Remakes the pictures in app/images/ (they are kept in the repository, so
# neither building nor packaging needs this): the main menu's button images,
# copied from Debian's oxygen-icon-theme package (fetched, not installed), and
# the PNG sizes of the program's icon and the backdrop, rendered from their
# SVG files. Needs rsvg-convert (package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../app/images"
size=48
# Button image <- file of the icon theme at that size.
buttons=(actions/network-connect actions/view-sort-ascending actions/insert-link
         actions/list-add-user actions/user-group-new actions/user-group-properties
         status/security-high actions/insert-table places/server-database
         places/folder-script status/dialog-password actions/view-list-tree
         actions/system-run actions/application-exit)
work=$(mktemp -d)
chmod 755 "$work" # apt fetches as its own user
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get download -q oxygen-icon-theme >/dev/null && dpkg-deb -x oxygen-icon-theme_*.deb root)
theme="$work/root/usr/share/icons/oxygen/base/${size}x${size}"
rm -f buttons/*.png
for b in "${buttons[@]}"; do
  cp "$theme/$b.png" "buttons/${b#*/}.png"
done
echo "button images from oxygen-icon-theme $(dpkg-deb -f "$work"/oxygen-icon-theme_*.deb Version)"
for s in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$s" -h "$s" kelvane.svg -o "kelvane-$s.png"
done
rsvg-convert -w 256 -h 256 background.svg -o background.png
