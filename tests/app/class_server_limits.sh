#!/usr/bin/env bash
# The class server cuts off a request that sends more than a request's worth before it has been
# read: a large upload to the page's address is neither taken in whole nor held in memory, and
# the page is still served after it.
#   class_server_limits.sh QUIRLWEG
set -euo pipefail
program=$1
folder=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$folder"' EXIT
mkdir "$folder/site"
echo '<html>Quirlweg</html>' >"$folder/site/index.html"
HOME="$folder" QT_QPA_PLATFORM=offscreen "$program" --class --site "$folder/site" \
  --record "$folder/klasse.jsonl" >"$folder/printed" 2>&1 &
pid=$!
port=""
for _ in $(seq 100); do
  port=$(grep -o -m 1 ':[0-9]*/#board=' "$folder/printed" | tr -dc '0-9') || true
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "FAILED: the class server printed no address"; cat "$folder/printed"; exit 1; }

body=$((64 * 1024 * 1024))
if head -c "$body" /dev/zero |
  { printf 'POST / HTTP/1.1\r\nHost: quirlweg\r\nContent-Length: %d\r\n\r\n' "$body"; cat; } \
    2>/dev/null >"/dev/tcp/127.0.0.1/$port"; then
  echo "FAILED: the class server took a request of 64 MB whole"
  exit 1
fi
peak=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
if [ "$peak" -gt 100000 ]; then
  echo "FAILED: the class server grew to $peak kB on a large request"
  exit 1
fi
exec 3<>"/dev/tcp/127.0.0.1/$port"
printf 'GET / HTTP/1.1\r\nHost: quirlweg\r\nConnection: close\r\n\r\n' >&3
grep -q 'Quirlweg' <&3 || { echo "FAILED: the page is not served after the large request"; exit 1; }
echo "passed: a 64 MB request cut off, the server at $peak kB at most"
