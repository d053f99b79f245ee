#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# with-cups-pdf.sh COMMAND [ARG...]
#
# Runs COMMAND twice against a CUPS of its own that has a cups-pdf printer:
#   1. while it runs, with CUPS_SERVER pointing at it, CATCHSCALE_CUPS_PDF_PRINTER naming the
#      printer and CATCHSCALE_CUPS_PDF_OUT the folder where cups-pdf puts this user's jobs;
#   2. once it has stopped, with CATCHSCALE_CUPS_GONE_PRINTER naming the printer it had and
#      CUPS_SERVER still pointing at the dead socket, where no print system answers.
# That CUPS listens only on a socket in a temporary folder and keeps its printers, jobs and logs
# there (the printer goes with the folder), so a CUPS the developer runs is neither seen nor
# touched. One run at a time per machine: every run's jobs land in the same cups-pdf folder.
#
# Exits with COMMAND's failure, or 77 (skipped) with a one-line reason when no CUPS can be had.
set -uo pipefail

printer=CatchScalePDF

skip() {
    echo "with-cups-pdf: skipped: $*" >&2
    exit 77
}

[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARG...]" >&2; exit 2; }
# cups-pdf hands each file to the job's owner, which only works when CUPS runs as root.
[ "$(id -u)" -eq 0 ] || skip "starting CUPS for cups-pdf needs root"
export PATH="$PATH:/usr/sbin:/sbin"
for tool in cupsd lpadmin lpstat lpinfo; do
    command -v "$tool" >/dev/null || skip "no $tool (install the package cups)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "no cups-pdf (install printer-driver-cups-pdf)"
command -v flock >/dev/null || skip "no flock (install util-linux)"

# Held by this shell alone: a scheduler left behind must not keep the next run waiting.
exec 9>/tmp/catchscale-cups-pdf.lock
flock -w 120 9 || skip "another run has kept the cups-pdf folder for 2 minutes"

# cups-pdf's settings: the last line that sets one, else its built-in value.
setting() {
    local value
    value=$(sed -n "s/^[[:space:]]*$1[[:space:]]\+//p" /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
    echo "${value:-$2}"
}
# Where cups-pdf writes a job of this user: its "Out" folder, ${HOME} and ${USER} being the
# owner's (a user it does not know would get AnonDirName instead).
user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
out=$(setting Out '/var/spool/cups-pdf/${USER}')
out=${out//\$\{HOME\}/$home}
out=${out//\$\{USER\}/$user}
out=${out%/}
# What this run adds besides its PDF files: perhaps that folder, and the printer's own log.
log=$(setting Log /var/log/cups)/cups-pdf-${printer}_log
[ -d "$out" ] && made_out=false || made_out=true
[ -e "$log" ] && made_log=false || made_log=true

state=$(mktemp -d "${TMPDIR:-/tmp}/catchscale-cups.XXXXXX") || skip "no temporary folder"
chmod 711 "$state" # CUPS runs its filters as lp; they reach the spool inside
cat >"$state/cupsd.conf" <<EOF
Listen $state/cups.sock
Browsing No
WebInterface No
LogLevel warn
# Only this script and its command use the socket, so nothing asks for a password, and a job's
# name is shown to whoever asks.
<Policy default>
  JobPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$state/cups-files.conf" <<EOF
ServerRoot $state
RequestRoot $state/spool
CacheDir $state/cache
StateDir $state/state
ErrorLog $state/error_log
AccessLog $state/access_log
PageLog $state/page_log
Printcap $state/printcap
EOF
export CUPS_SERVER="$state/cups.sock"

cupsd_pid=
stop_cups() {
    [ -n "$cupsd_pid" ] || return 0
    kill -TERM "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
    cupsd_pid=
}
finish() {
    stop_cups
    rm -rf "$state"
    if $made_out; then rmdir "$out" 2>/dev/null; fi # only when empty
    if $made_log; then rm -f "$log"; fi
    return 0
}
trap finish EXIT
trap 'exit 143' INT TERM

cupsd -f -c "$state/cupsd.conf" -s "$state/cups-files.conf" >"$state/cupsd.out" 2>&1 9>&- &
cupsd_pid=$!
for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    kill -0 "$cupsd_pid" 2>/dev/null || break
    sleep 0.1
done
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    why=$(cat "$state/cupsd.out" "$state/error_log" 2>/dev/null | tail -n 1)
    skip "cupsd did not start${why:+: $why}"
fi

model=$(lpinfo -m 2>/dev/null | awk '$1 ~ /cups-pdf\/CUPS-PDF_opt\.ppd$/ { print $1; exit }')
[ -n "$model" ] || skip "CUPS offers no CUPS-PDF driver (install printer-driver-cups-pdf)"
if ! lpadmin -p "$printer" -E -v cups-pdf:/ -m "$model" 2>"$state/lpadmin.err"; then
    echo "with-cups-pdf: lpadmin could not add $printer: $(tail -n 1 "$state/lpadmin.err")" >&2
    exit 1
fi

CATCHSCALE_CUPS_PDF_PRINTER=$printer CATCHSCALE_CUPS_PDF_OUT=$out "$@"
running=$?
stop_cups
CATCHSCALE_CUPS_GONE_PRINTER=$printer "$@"
stopped=$?
[ "$running" -eq 0 ] || exit "$running"
exit "$stopped"
