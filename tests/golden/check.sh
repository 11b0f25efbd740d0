#!/bin/sh
# The results the rules have always produced, byte for byte, so that work on speed or structure
# cannot change a play unnoticed:
# - sim-*.txt: the simulator's tables (wins, mean scores, scopas of each kind) for seeds 1 to 20
#   with every human policy, without the speed line; they protect the rules, the dealing and the
#   computer's choices over thousands of matches.
# - console/*.txt and *.out: the console's transcripts, everything the table is told to show:
#   positions, captions, panel colours, score bar widths, which cards are clickable, the messages.
#   random-1 and random-3 play hands at random to their end and into the next; readme is the
#   README's example; console-test sets a table up by hand and feeds lines that are not
#   understood. Each transcript is under 7,000 lines, and diff shows where it departs.
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
