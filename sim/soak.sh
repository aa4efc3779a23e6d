#!/usr/bin/env bash
# Soak test of the simulated switch: mixed GET-NEXT, GETBULK and SET traffic in
# v1, v2c and v3, with the agent's resident memory sampled as it goes.
# Usage: sim/soak.sh [BUILD_DIR] [REQUESTS]   (defaults: build, 20000)
set -euo pipefail
build=${1:-build}
target=${2:-20000}
sim="$build/sim/vn2400-sim"
state=$(mktemp -d)
out="$state/sim.out"
"$sim" --listen 127.0.0.1:0 --state-dir "$state" >"$out" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$state"' EXIT
for _ in $(seq 50); do grep -q "listening on" "$out" && break; sleep 0.1; done
port=$(sed -n 's/^listening on 127.0.0.1:\([0-9]*\)$/\1/p' "$out")
agent="127.0.0.1:$port"
v3="-v3 -l authPriv -u shades -a SHA -A shapassword -x DES -X despassword"
rss() { awk '/^VmRSS/ {print $2}' "/proc/$pid/status"; }
static=1.3.6.1.2.1.17.7.1.4.3.1
requests=0
round() {
  # One round: a v2c walk of the bridge MIBs, a v1 walk of the interfaces, a v3 bulk
  # walk of the enterprise ports, ten row creations and deletions and ten scalar writes.
  local n
  n=$(snmpwalk -v2c -c public -m '' -On "$agent" 1.3.6.1.2.1.17 | wc -l); requests=$((requests + n + 1))
  n=$(snmpwalk -v1 -c public -m '' -On "$agent" 1.3.6.1.2.1.2 | wc -l); requests=$((requests + n + 1))
  n=$(snmpbulkwalk $v3 -m '' -On -Cr20 "$agent" 1.3.6.1.4.1.98762.11.63.6.2.2 | wc -l)
  requests=$((requests + n / 20 + 2))
  for v in $(seq 200 209); do
    snmpset -v2c -c private -m '' -On "$agent" $static.5.$v i 4 $static.1.$v s "soak$v" \
      $static.2.$v x 0000000000000003 >/dev/null
    snmpset -v2c -c private -m '' -On "$agent" $static.5.$v i 6 >/dev/null
    snmpset -v2c -c private -m '' -On "$agent" 1.3.6.1.2.1.1.5.0 s "soak$v" >/dev/null
    snmpset -v2c -c private -m '' -On "$agent" 1.3.6.1.2.1.1.5.0 i 1 >/dev/null 2>&1 || true
    requests=$((requests + 4))
  done
}
round
start_rss=$(rss)
start=$(date +%s.%N)
echo "after warm-up: $requests requests, VmRSS ${start_rss} kB"
rounds=1
while [ "$requests" -lt "$target" ]; do
  round
  rounds=$((rounds + 1))
  echo "round $rounds: $requests requests, VmRSS $(rss) kB"
done
end=$(date +%s.%N)
end_rss=$(rss)
echo "BENCH sim_soak_requests $requests requests"
echo "BENCH sim_soak_rss_start $start_rss kB"
echo "BENCH sim_soak_rss_end $end_rss kB"
echo "BENCH sim_soak_rss_growth $((end_rss - start_rss)) kB"
echo "BENCH sim_soak_seconds $(echo "$end - $start" | bc) s"
