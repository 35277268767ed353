#!/usr/bin/env bash
# A private Firebird server for tests, on 127.0.0.1 and a free port of its own,
# beside any other server on the machine, with a SYSDBA password we know.
#   fbserver.sh start DIR   starts it; writes DIR/env (KELVANE_TEST_SERVER, KELVANE_TEST_PASSWORD)
#   fbserver.sh stop DIR    stops it
set -euo pipefail
cmd=${1:?start or stop}; R=${2:?folder}
fbroot=/usr/lib/x86_64-linux-gnu/firebird/3.0
case "$cmd" in
start)
  mkdir -p "$R/lock" "$R/system"
  # Copied, not linked: through a linked intl folder the server finds no
  # character sets beyond the built-in ones.
  for f in firebird.msg intl lib plugins UDF plugins.conf fbtrace.conf; do
    [ -e "$fbroot/$f" ] && cp -rL "$fbroot/$f" "$R/$f"
  done
  cp /var/lib/firebird/3.0/system/security3.fdb "$R/system/security3.fdb"
  chmod 600 "$R/system/security3.fdb"
  # A port nobody listens on (3050 may well be taken by the system's server).
  while :; do
    port=$((20000 + RANDOM % 40000))
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || break
  done
  password=kelvane-test
  printf 'RemoteServicePort = %s\nRemoteBindAddress = 127.0.0.1\nSecurityDatabase = %s\nUdfAccess = None\n' \
    "$port" "$R/system/security3.fdb" > "$R/firebird.conf"
  printf 'security.db = %s\n{\n\tRemoteAccess = false\n}\n' "$R/system/security3.fdb" > "$R/databases.conf"
  printf "CREATE OR ALTER USER SYSDBA PASSWORD '%s';\nCOMMIT;\n" "$password" |
    FIREBIRD=$R FIREBIRD_LOCK=$R/lock isql-fb -q -user SYSDBA "$R/system/security3.fdb"
  FIREBIRD=$R FIREBIRD_LOCK=$R/lock setsid /usr/sbin/firebird >"$R/server.log" 2>&1 &
  echo $! > "$R/pid"
  for _ in $(seq 1 100); do
    if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      printf 'KELVANE_TEST_SERVER=127.0.0.1/%s\nKELVANE_TEST_PASSWORD=%s\n' "$port" "$password" > "$R/env"
      exit 0
    fi
    sleep 0.1
  done
  echo "the test server did not start; its log:" >&2; cat "$R/server.log" >&2; exit 1
  ;;
stop)
  if [ -f "$R/pid" ]; then
    pid=$(cat "$R/pid")
    kill "$pid" 2>/dev/null || true
    # Wait for it to end, so its folder can be removed after it.
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  fi
  ;;
esac
