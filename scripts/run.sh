#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kelvane in run/, a working folder
# with Settings/ and an embedded demo database (made on first run, with a
# stored connection "Demo", the tools' folder and the update check off).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p run/Settings
# Embedded engines share lock files in /tmp/firebird, which only root and the
# firebird group may write: anyone else gets a private lock folder.
if [ ! -w /tmp/firebird ] && [ -d /tmp/firebird ] && [ -z "${FIREBIRD_LOCK:-}" ]; then
  export FIREBIRD_LOCK="$PWD/run/.firebird-lock"; mkdir -p "$FIREBIRD_LOCK"
fi
cd run
# First run: demo.fdb and the stored connection "Demo" (kept on later runs).
../build/kelvane --make-demo
# First run: the folder of the installed isql, and the update check off, so
# the program starts straight at its main menu. Later runs keep both files as
# the program or the user left them.
if [ ! -e isqlLocation.txt ] && isql=$(command -v isql-fb); then
  printf '%s/\r\n' "$(dirname "$isql")" > isqlLocation.txt
fi
[ -e Settings/Kelvane.ini ] || printf '[UPDATE]\r\nCheckUpdate=0\r\n' > Settings/Kelvane.ini
exec ../build/kelvane "$@"
