#!/usr/bin/env bash
# A print system of its own for the print tests: a cupsd on a private
# configuration folder and port with one cups-pdf queue, the default
# destination, whose PDFs land in that folder. It never talks to the
# machine's own daemon and never writes into the machine's spool or logs.
#
#   scripts/private-cups.sh start FOLDER   starts it; prints "server=localhost:PORT",
#                                          "queue=NAME", "device=URI" (the queue's
#                                          cups-pdf device) and "output=FOLDER/pdf"
#   scripts/private-cups.sh stop FOLDER    stops it and removes what it added
#
# start exits with 77 and says why when this machine cannot run it (cupsd
# runs the cups-pdf backend as root, so it needs root, and the cups-pdf
# package); with 1 when it should have started and did not.
set -euo pipefail

command=${1:-}
folder=${2:-}
if [ -z "$command" ] || [ -z "$folder" ]; then
  echo "usage: $0 start|stop FOLDER" >&2
  exit 2
fi

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
backend=/usr/lib/cups/backend/cups-pdf
machine_conf=/etc/cups/cups-pdf.conf

cannot() {
  echo "no private print system: $*" >&2
  exit 77
}

# Something that should have worked did not: a failure, not a skip.
broken() {
  echo "the private print system failed: $*" >&2
  exit 1
}

stop() {
  if [ -f "$folder/cupsd.pid" ]; then
    pid=$(cat "$folder/cupsd.pid")
    if kill "$pid" 2>/dev/null; then
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$folder/cupsd.pid"
  fi
  if [ -f "$folder/queue-conf" ]; then
    rm -f "$(cat "$folder/queue-conf")"
    rm -f "$folder/queue-conf"
  fi
}

# A port nothing listens on.
free_port() {
  local port
  for _ in $(seq 50); do
    port=$((20000 + RANDOM % 40000))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return
    fi
  done
  broken "no free port"
}

write_configuration() {
  local port=$1
  mkdir -p "$folder"/{etc/ppd,spool/tmp,cache,state,log,pdf,cups-pdf-spool,gs-tmp}
  # cupsd runs its filters as lp: they must reach the spool.
  chmod 0755 "$folder"
  chmod 1777 "$folder/gs-tmp"
  cat >"$folder/etc/cups-files.conf" <<EOF
ServerRoot $folder/etc
RequestRoot $folder/spool
TempDir $folder/spool/tmp
CacheDir $folder/cache
StateDir $folder/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
Printcap $folder/printcap
User lp
Group lp
SystemGroup root
EOF
  # No authentication: only this machine can reach the port.
  cat >"$folder/etc/cupsd.conf" <<EOF
LogLevel info
Listen localhost:$port
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow localhost
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  # cups-pdf reads its settings from the machine's configuration folder;
  # this copy sends everything it writes into the private folder.
  cat >"$folder/cups-pdf.conf" <<EOF
Out $folder/pdf
AnonDirName $folder/pdf
Spool $folder/cups-pdf-spool
GSTmp $folder/gs-tmp
Log $folder/log
LogType 3
Grp root
Label 1
EOF
}

# cupsd in a mount namespace of its own in which the private cups-pdf
# settings cover the machine's, for the device "cups-pdf:/". Where
# namespaces are not allowed: the device "cups-pdf:/QUEUE", for which
# cups-pdf reads cups-pdf-QUEUE.conf instead of its own settings, with that
# file for the private queue alone, removed again at the stop.
# Sets device.
start_daemon() {
  local queue=$1
  local daemon=(cupsd -f -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf")
  if unshare --mount --propagation private -- \
    mount --bind "$folder/cups-pdf.conf" "$machine_conf" 2>/dev/null; then
    device="cups-pdf:/"
    unshare --mount --propagation private -- sh -c \
      'mount --bind "$1" "$2" && shift 2 && exec "$@"' sh "$folder/cups-pdf.conf" "$machine_conf" \
      "${daemon[@]}" >"$folder/log/cupsd.out" 2>&1 &
  else
    device="cups-pdf:/$queue"
    local queue_conf="/etc/cups/cups-pdf-$queue.conf"
    cp "$folder/cups-pdf.conf" "$queue_conf"
    echo "$queue_conf" >"$folder/queue-conf"
    "${daemon[@]}" >"$folder/log/cupsd.out" 2>&1 &
  fi
  echo $! >"$folder/cupsd.pid"
}

# lpadmin on the private server, tried again while a daemon that has just
# come up is not yet ready for it.
admin() {
  local server=$1
  shift
  for _ in $(seq 20); do
    lpadmin -h "$server" "$@" 2>>"$folder/log/lpadmin.out" && return
    sleep 0.25
  done
  cat "$folder/log/lpadmin.out" >&2
  stop
  broken "lpadmin $*"
}

start() {
  [ "$(id -u)" -eq 0 ] || cannot "cupsd must run as root to run the cups-pdf backend"
  for tool in cupsd lpadmin lpstat gs; do
    command -v "$tool" >/dev/null || cannot "$tool is not installed"
  done
  [ -x "$backend" ] && [ -f "$ppd" ] && [ -f "$machine_conf" ] || cannot "printer-driver-cups-pdf is not installed"

  stop
  local port queue server device
  port=$(free_port)
  queue="kakeibo-test-$$"
  server="localhost:$port"
  write_configuration "$port"
  start_daemon "$queue"

  for _ in $(seq 100); do
    lpstat -h "$server" -r >/dev/null 2>&1 && break
    kill -0 "$(cat "$folder/cupsd.pid")" 2>/dev/null || { cat "$folder/log/"* >&2; broken "cupsd did not start"; }
    sleep 0.1
  done
  lpstat -h "$server" -r >/dev/null 2>&1 || { stop; broken "cupsd does not answer on $server"; }
  admin "$server" -p "$queue" -v "$device" -P "$ppd" -E
  admin "$server" -d "$queue"
  echo "server=$server"
  echo "queue=$queue"
  echo "device=$device"
  echo "output=$folder/pdf"
}

case "$command" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop FOLDER" >&2; exit 2 ;;
esac
