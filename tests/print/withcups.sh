#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a CUPS server of its own: configuration, spool, logs, a free
# port and a socket under one temporary folder, and one cups-pdf queue as the default.
# A CUPS already running on the machine is neither needed nor touched.
#   withcups.sh COMMAND [ARG...]
# The command gets CUPS_SERVER (the socket), VORNAK_TEST_QUEUE (the queue's name),
# VORNAK_TEST_PDF_DIR (where cups-pdf writes the PDF of every job it prints) and
# VORNAK_TEST_PPD (the queue's driver, for more queues of the same kind).
# Anything that keeps the server from starting fails the run with the reason.
set -euo pipefail
export PATH=$PATH:/usr/sbin

fail() {
    echo "withcups.sh: $*" >&2
    exit 1
}

cupsd=/usr/sbin/cupsd
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for needed in "$cupsd" /usr/lib/cups/backend/cups-pdf "$ppd" /usr/sbin/lpadmin /usr/bin/lpstat; do
    [[ -e "$needed" ]] || fail "$needed is missing: install cups and printer-driver-cups-pdf"
done

# cupsd runs the cups-pdf backend (mode 0700, owned by root) only when cupsd itself is root.
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    sudo -n true 2>/dev/null || fail "cupsd must run as root for the cups-pdf backend: run as root or with sudo"
    as_root=(sudo -n)
fi

dir=$(mktemp -d /tmp/vornak-cups.XXXXXX)
# cupsd's filters run as the lp user and read the spool and the queue's PPD from here.
chmod 755 "$dir"
mkdir -p "$dir"/{etc,log,pdf,client,home,spool/tmp,cache,state}
queue=vornak-test-${dir##*.}
# cups-pdf reads the configuration of a queue whose device is cups-pdf:/NAME from this
# fixed place; it sends this queue's PDF, spool and log into the temporary folder.
pdfconf=/etc/cups/cups-pdf-$queue.conf
pid=

cleanup() {
    if [[ -n "$pid" ]]; then
        "${as_root[@]}" kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do [[ -d /proc/$pid ]] || break; sleep 0.1; done
        [[ -d /proc/$pid ]] && "${as_root[@]}" kill -9 "$pid" 2>/dev/null
    fi
    "${as_root[@]}" rm -f "$pdfconf"
    "${as_root[@]}" rm -rf "$dir"
}
trap cleanup EXIT

show_logs() {
    for log in "$dir/cupsd.out" "$dir/log/error_log" "$dir/log/cups-pdf-${queue}_log"; do
        "${as_root[@]}" test -s "$log" && { echo "--- $log"; "${as_root[@]}" tail -n 30 "$log"; } >&2
    done
    return 0
}

port=
for _ in $(seq 20); do
    candidate=$((20000 + RANDOM % 40000))
    # A port something answers on is taken.
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then
        port=$candidate
        break
    fi
done
[[ -n "$port" ]] || fail "no free port found between 20000 and 60000"

cat >"$dir/etc/cupsd.conf" <<EOF
Listen 127.0.0.1:$port
Listen $dir/cups.sock
LogLevel info
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
EOF
printf 'Out %s\nAnonDirName %s\nSpool %s\nLog %s\n' "$dir/pdf" "$dir/pdf" "$dir/cups-pdf-spool" "$dir/log" |
    "${as_root[@]}" tee "$pdfconf" >/dev/null || fail "cannot write $pdfconf"

"${as_root[@]}" "$cupsd" -t -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/cupsd.out" 2>&1 ||
    { cat "$dir/cupsd.out" >&2; fail "cupsd refuses its configuration"; }
"${as_root[@]}" "$cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/cupsd.out" 2>&1 </dev/null &
pid=$!

export CUPS_SERVER=$dir/cups.sock
# No system or user setting may choose another printer for the tests: the client's settings
# folder, the home folder (~/.cups/lpoptions) and the printer variables are the test's own.
export CUPS_SERVERROOT=$dir/client HOME=$dir/home
unset LPDEST PRINTER
running() { [[ "$(LC_ALL=C lpstat -r 2>&1)" == "scheduler is running" ]]; }
for _ in $(seq 100); do
    running && break
    [[ -d /proc/$pid ]] || { show_logs; fail "cupsd ended at start"; }
    sleep 0.1
done
running || { show_logs; fail "cupsd did not answer on $CUPS_SERVER within 10 seconds"; }

# Ghostscript's PostScript drops the text's Unicode names, so the PDF that cups-pdf
# writes back would not be searchable; poppler's cairo renderer keeps them.
lpadmin -p "$queue" -v "cups-pdf:/$queue" -P "$ppd" -o pdftops-renderer-default=pdftocairo -E \
    2>"$dir/lpadmin.err" || { cat "$dir/lpadmin.err" >&2; show_logs; fail "cannot add the cups-pdf queue"; }
lpadmin -d "$queue" 2>>"$dir/lpadmin.err" || { cat "$dir/lpadmin.err" >&2; fail "cannot make $queue the default"; }
default=$(LC_ALL=C lpstat -d 2>&1)
[[ "$default" == *": $queue" ]] || fail "the default printer is not the test queue ($default)"

echo "CUPS on $CUPS_SERVER and port $port (pid $pid), queue $queue writing to $dir/pdf"
export VORNAK_TEST_QUEUE=$queue VORNAK_TEST_PDF_DIR=$dir/pdf VORNAK_TEST_PPD=$ppd
status=0
"$@" || status=$?
[[ $status -eq 0 ]] || show_logs
exit "$status"
