#!/bin/sh
# Writes the benchmark deck to standard output: a spiralled curve to the right
# (1 degree, 60 degrees of deflection, 300 ft spirals), a bent line every
# 50 ft from the reference station on, each but the last asking for
# fractional points, and girder lines 1 ft apart about the control.
#
#   make-bench-deck.sh GIRDER_LINES BENT_LINES POINTS_A_SPAN
#
# The deck is English (feet); QlMetr lists it in metres.
set -eu
girders=${1:-99}
bents=${2:-80}
points=${3:-10}

awk -v girders="$girders" -v bents="$bents" -v points="$points" 'BEGIN {
    print "00BENCH DECK"
    print "00 Benchmark: " girders " girder lines, " bents " bent lines, " points " points a span"
    # Curve: R, 60 degrees, PI 50+00, 1 degree of curve, spirals 300 ft.
    print "01R 60000000   50000000 1000000 30000 30000"
    # Grades +3 %, -2.25 %, +1 %; PIs 30+00 at 632.50 and 50+00 at 615.625.
    print "02  3000000 30000   300000  6325000 30000 20000   500000  6156250 20000  1000000"
    print "03C  2000600"
    # Reference line at 16+00 on the control, skewed 10 degrees right; the
    # bent lines take its skew; the layout line is the back tangent; valid
    # data 14+00 to 72+00.
    print "04   160000000R10000000111                                   14000000   72000000"
    first = -int((girders - 1) / 2)
    for (g = 0; g < girders; ++g) {
        offset = (first + g) * 10000
        printf "050%8d4        0 -105000GIRDER %-3d%-7s\n", offset, g + 1, ""
    }
    for (b = 0; b < bents; ++b) {
        fractional = b < bents - 1 ? sprintf("%3d", points) : "   "
        printf "06%8d0R        0%s    BENT %-5d\n", b * 500000, fractional, b + 1
    }
}'
