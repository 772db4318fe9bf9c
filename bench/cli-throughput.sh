#!/usr/bin/env bash
# Throughput of zemtrix-calc: 20,000 typical formulas on standard input, one process; the median
# of several runs, in formulas per second.
set -euo pipefail
calc=${1:-build/bin/zemtrix-calc}
runs=${RUNS:-7}
count=20000
input=$(mktemp)
trap 'rm -f "$input"' EXIT

formulas=(
  "sin(30)+cos(60)*sqrt(16)/log(100)"
  "(1000)*1.08+ANS*2-fact(5)/3"
  "2^10 + 3.5E2 * (1 - 0.25)%"
  "sqrt(2)*pi/4 + ln(10) - exp(1)"
  "１２３４×５６÷７８＋ＡＮＳ－９"
  "(17 MOD 5) + 0xFF AND 0b1010 * 3"
  "asin(0.5)+atanr(1)+sinh 0.5+V1"
  "((1.5+2.25)*(3.125-4))^2 / 7"
)
for ((i = 0; i < count; i++)); do echo "${formulas[i % ${#formulas[@]}]}"; done > "$input"

times=()
for ((r = 0; r < runs; r++)); do
  start=$(date +%s%N)
  LC_ALL=C "$calc" < "$input" > /dev/null 2>&1 || true
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "zemtrix-calc: $count formulas in ${median} us (median of $runs runs): $(( count * 1000000 / median )) formulas/s"
