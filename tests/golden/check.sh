#!/bin/sh
# The results the rules have always produced: the simulator's tables for seeds 1 to 20 with every
# human policy (without the speed line) and the console's transcript of every script here. Work
# on speed must leave them byte for byte as they are.
# usage: check.sh path/to/vorbia-sim path/to/vorbia-console
set -u
sim=$1
console=$2
here=$(dirname "$0")
status=0
for policy in computer greedy random plain; do
    for seed in $(seq 1 20); do
        "$sim" --seed "$seed" --human "$policy" --threads 1 --matches 100 2>/dev/null |
            grep -v '^matches per second'
    done | diff -u "$here/sim-$policy.txt" - || status=1
done
for script in "$here"/console/*.txt; do
    "$console" <"$script" | diff -u "${script%.txt}.out" - || status=1
done
exit $status
