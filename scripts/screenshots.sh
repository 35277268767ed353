#!/usr/bin/env bash
# Saves a PNG of the main menu and of each task screen into docs/screenshots/,
# taken by the program itself (its hidden option --screenshots) under a
# virtual X server, on a fresh demo database connected as "Demo".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target kelvane >/dev/null
screens=(TFrmMain TFrmOpen TFrmCreateDB TFrmisqlLocation TFrmAbout TFrmAddRemUsers
         TFrmSysDBAPW TFrmTables TFrmAddRemRoles TFrmUserInRoles TFrmRolesForUser
         TFrmShowTbls TFrmPermissions TFrmUserPerm TFrmTblPerm TFrmIndexes TFrmFK
         TFrmTbl4Role TFrmSQL TFrmUpdMsg)
repo=$PWD
program=$repo/build/kelvane
# A fixed folder, since the Open Connection screen shows the demo's path.
work=/tmp/kelvane-demo
rm -rf "$work"
mkdir -m 0700 "$work"
trap 'rm -rf "$work"' EXIT
mkdir "$work/Settings" "$work/shots"
# Embedded engines share lock files in /tmp/firebird, which only root and the
# firebird group may write: anyone else gets a private lock folder.
if [ -d /tmp/firebird ] && [ ! -w /tmp/firebird ] && [ -z "${FIREBIRD_LOCK:-}" ]; then
  export FIREBIRD_LOCK="$work/.firebird-lock"; mkdir -p "$FIREBIRD_LOCK"
fi
cd "$work"
"$program" --make-demo
# As after the first start, with the tools' folder known and no update check.
printf '/usr/bin/\r\n' > isqlLocation.txt
printf '[UPDATE]\r\nCheckUpdate=0\r\n' > Settings/Kelvane.ini
xvfb-run -a -s '-screen 0 1280x1024x24' "$program" --screenshots "$work/shots"
cd "$repo"
mkdir -p docs/screenshots
missing=0
for screen in "${screens[@]}"; do
  if [ -s "$work/shots/$screen.png" ]; then
    cp "$work/shots/$screen.png" "docs/screenshots/$screen.png"
  else
    echo "no picture of $screen" >&2; missing=1
  fi
done
echo "docs/screenshots/: ${#screens[@]} screens"
exit "$missing"
