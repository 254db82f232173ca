#!/usr/bin/env bash
# Sets up a stock Debian Postfix as the family's mail relay for postcards: it
# takes mail from the home network without a login and sends it on, through
# the family's mail provider when --relayhost names one. Debian's STARTTLS
# (its self-signed "snakeoil" certificate) is left as it is: the colouring
# book uses it and, without a login, lets a certificate of the relay's own
# pass.
#
#   setup-postfix-relay.sh --mynetworks "127.0.0.0/8 192.168.1.0/24" \
#                          [--relayhost "[smtp.provider.example]:587"] \
#                          [--config-dir DIR] [--queue-dir DIR]
#
# --config-dir and --queue-dir set up a private instance (the tests' own)
# instead of /etc/postfix and /var/spool/postfix. Where Debian's installer was
# told "No configuration" there is no main.cf yet; Debian's own start is
# written then. Run as root; afterwards "systemctl restart postfix" (or
# "postfix -c DIR start") takes the settings up.
set -euo pipefail

usage() {
  echo "usage: $0 --mynetworks \"NETS\" [--relayhost HOST] [--config-dir DIR] [--queue-dir DIR]" >&2
  exit 2
}

mynetworks=""
relayhost=""
config_dir=/etc/postfix
queue_dir=""
while [ $# -gt 0 ]; do
  case "$1" in
    --mynetworks) [ $# -ge 2 ] || usage; mynetworks=$2; shift 2 ;;
    --relayhost) [ $# -ge 2 ] || usage; relayhost=$2; shift 2 ;;
    --config-dir) [ $# -ge 2 ] || usage; config_dir=$2; shift 2 ;;
    --queue-dir) [ $# -ge 2 ] || usage; queue_dir=$2; shift 2 ;;
    *) usage ;;
  esac
done
[ -n "$mynetworks" ] || usage
command -v postconf >/dev/null || { echo "$0: Postfix is not installed (apt install postfix)" >&2; exit 1; }

mkdir -p "$config_dir"
if [ ! -f "$config_dir/main.cf" ]; then
  # What Debian's installer writes for a fresh system.
  cat /usr/share/postfix/main.cf.debian /usr/share/postfix/main.cf.tls > "$config_dir/main.cf"
fi
if [ ! -f "$config_dir/master.cf" ]; then
  cp /usr/share/postfix/master.cf.dist "$config_dir/master.cf"
fi

# Debian makes its snakeoil certificate when ssl-cert is installed; a machine
# without it gets one the same way.
if [ "$config_dir" = /etc/postfix ] && [ ! -f /etc/ssl/certs/ssl-cert-snakeoil.pem ] &&
  command -v make-ssl-cert >/dev/null; then
  make-ssl-cert generate-default-snakeoil
fi

settings=(
  "mynetworks = $mynetworks"
  "relayhost = $relayhost"
  "inet_interfaces = all"
  # Only the allowed networks may send on; others only to this machine's own.
  "smtpd_relay_restrictions = permit_mynetworks, reject_unauth_destination"
)
if [ -n "$queue_dir" ]; then
  mkdir -p "$queue_dir"
  settings+=("queue_directory = $queue_dir")
fi
postconf -c "$config_dir" -e "${settings[@]}"
echo "Postfix in $config_dir relays for $mynetworks via ${relayhost:-direct delivery}."
