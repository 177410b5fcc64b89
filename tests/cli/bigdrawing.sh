#!/usr/bin/env bash
# Writes a drawing of N shape records of mixed kinds to standard output (CR LF lines), for the
# load, memory and interrupted-export checks.
#   tests/cli/bigdrawing.sh N [crcrlf]
# With "crcrlf" every line ends with CR CR LF, which reads as an empty line after each record.
set -euo pipefail
count="${1:?number of records}"
ending='\r\n'
[ "${2:-}" = crcrlf ] && ending='\r\r\n'
awk -v n="$count" -v eol="$ending" 'BEGIN {
  srand(7)
  split("RECT ELLIPSE LINE LINEU ROUNDRECT TEXT POLYG POLYL ARCL CHORDH", kinds, " ")
  printf "6404B0%s 0BLANK%s", eol, eol
  for (i = 0; i < n; i++) {
    k = kinds[int(rand() * 10) + 1]
    l = int(rand() * 1400); t = int(rand() * 1000)
    r = l + 1 + int(rand() * 200); b = t + 1 + int(rand() * 200)
    payload = ""
    if (k == "ROUNDRECT") payload = sprintf("%03X%03X", 10, 10)
    if (k == "TEXT") payload = "Bonjour " i
    if (k == "POLYG" || k == "POLYL")
      for (p = 0; p < 5; p++) payload = payload sprintf("%03X%03X", l + int(rand() * 200), t + int(rand() * 200))
    style = sprintf("%d%08X%d%02X%08X%08X%02X%dArial", int(rand() * 8), int(rand() * 16777215),
                    int(rand() * 5), 1 + int(rand() * 4), int(rand() * 16777215), 0, 12, 0)
    printf " 0%s %03X%03X%03X%03X%s\t%s%s", k, l, t, r, b, payload, style, eol
  }
}'
