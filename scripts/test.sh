#!/usr/bin/env bash
# Installs what is missing, builds, starts a private loopback Firebird server,
# runs every test with CTest (offscreen), and stops the server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
server=$(mktemp -d)
trap 'scripts/fbserver.sh stop "$server"; rm -rf "$server"' EXIT
scripts/fbserver.sh start "$server"
set -a; . "$server/env"; set +a
# Embedded engines share lock files in /tmp/firebird, which only root and the
# firebird group may write: anyone else gets a private lock folder.
if [ -d /tmp/firebird ] && [ ! -w /tmp/firebird ] && [ -z "${FIREBIRD_LOCK:-}" ]; then
  export FIREBIRD_LOCK="$server/embedded-lock"; mkdir -p "$FIREBIRD_LOCK"
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
