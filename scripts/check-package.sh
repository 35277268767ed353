#!/usr/bin/env bash
# Checks the package that scripts/package.sh built: what it holds, its desktop
# entry, that apt-get installs it, and that the installed launcher, started
# headless by a user who has no working folder yet, makes that folder and
# brings up the main menu. Installs the package on this machine (as root or
# with sudo) and removes it again afterwards unless it was installed before.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
debs=(build/kelvane_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "no single build/kelvane_*_amd64.deb: run scripts/package.sh" >&2; exit 1; }
deb=${debs[0]}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
tmp=$(mktemp -d)
chmod 755 "$tmp"
cleanup() {
  rm -rf "$tmp"
  if [ "${installed_before:-yes}" = no ]; then $sudo apt-get remove -y -q kelvane >/dev/null || true; fi
}
trap cleanup EXIT

echo "== $deb"
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(/usr/bin/kelvane /usr/bin/kelvane-launcher /usr/share/applications/kelvane.desktop
          /usr/share/icons/hicolor/scalable/apps/kelvane.svg /usr/share/doc/kelvane/copyright)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/kelvane.png")
done
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$contents" || { echo "not in the package: $file" >&2; exit 1; }
  echo "holds $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libfbclient2; do
  grep -q "$lib" <<<"$depends" || { echo "Depends lacks $lib: $depends" >&2; exit 1; }
done

echo "== desktop entry"
dpkg-deb -x "$deb" "$tmp/root"
desktop-file-validate "$tmp/root/usr/share/applications/kelvane.desktop"
echo "desktop-file-validate: no complaints"

echo "== apt-get install ./$deb"
if dpkg-query -W -f='${Status}' kelvane 2>/dev/null | grep -q 'install ok installed'; then
  installed_before=yes
else
  installed_before=no
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --reinstall "./$deb" | tail -n 3
dpkg-query -W -f='installed: ${Package} ${Version}\n' kelvane

echo "== first start of the installed launcher, headless, as a user without a working folder"
home=$tmp/home
mkdir -p "$home" "$tmp/shots"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody:nogroup "$home" "$tmp/shots"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
status=0
"${as_user[@]}" env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
  timeout 300 kelvane-launcher --screenshots "$tmp/shots" >"$tmp/run.log" 2>&1 || status=$?
sed 's/^/  /' "$tmp/run.log"
folder=$home/.local/share/kelvane
ls -la "$folder" | sed 's/^/  /'
[ "$status" -eq 0 ] || { echo "the launcher ended with status $status" >&2; exit 1; }
[ "$(stat -c %a "$folder")" = 700 ] || { echo "$folder is not private" >&2; exit 1; }
[ "$(stat -c %a "$folder/Settings")" = 700 ] || { echo "$folder/Settings is not private" >&2; exit 1; }
if [ -x /usr/bin/isql-fb ]; then
  [ "$(cat "$folder/isqlLocation.txt")" = $'/usr/bin/\r' ] || { echo "isqlLocation.txt does not name /usr/bin/" >&2; exit 1; }
fi
[ -s "$tmp/shots/TFrmMain.png" ] || { echo "the main menu did not come up" >&2; exit 1; }
echo "the main menu came up: $(file -b "$tmp/shots/TFrmMain.png")"
echo "package checked"
