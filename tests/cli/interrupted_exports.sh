#!/usr/bin/env bash
# Kills `qeldraw --export` at random moments and checks that the output folder then holds the
# previous file or the complete new one, and nothing else.
#   tests/cli/interrupted_exports.sh QELDRAW RECORDS KILLS WORK
# Each kill exports a drawing of RECORDS shapes to BMP, JPEG, GIF, WMF, EMF or DRF in turn, over
# an older export of another drawing (or, one time in three, where no file was yet).
set -euo pipefail
qeldraw="$1" records="$2" kills="$3" work="$4"
here="$(cd "$(dirname "$0")" && pwd)"
export QT_QPA_PLATFORM=offscreen
rm -rf "$work"
mkdir -p "$work/in" "$work/old" "$work/new" "$work/out"
"$here/bigdrawing.sh" "$records" > "$work/in/big.drf"
"$here/bigdrawing.sh" 50 > "$work/in/small.drf"

exts=(bmp jpg gif wmf emf drf)
declare -A micros end
for ext in "${exts[@]}"; do
  "$qeldraw" --export "$work/in/small.drf" "$work/old/out.$ext"
  start=$(date +%s%N)
  "$qeldraw" --export "$work/in/big.drf" "$work/new/out.$ext"
  micros[$ext]=$(( ($(date +%s%N) - start) / 1000 ))
  end[$ext]=${micros[$ext]}
  echo "export to $ext: $(( micros[$ext] / 1000 )) ms"
done

# After an odd kill: the export's end estimate times N/20 (later when the kill came too early).
follow() { if (( k % 2 )); then end[$ext]=$(( end[$ext] * $1 / 20 )); fi; }

old=0 new=0 none=0 stray=0 corrupt=0
for ((k = 0; k < kills; k++)); do
  ext=${exts[k % 6]}
  out="$work/out/out.$ext"
  rm -rf "$work/out" && mkdir "$work/out"
  fresh=$(( RANDOM % 3 == 0 ))
  [ "$fresh" = 1 ] || cp "$work/old/out.$ext" "$out"
  "$qeldraw" --export "$work/in/big.drf" "$out" 2>/dev/null &
  pid=$!
  # Even kills anywhere up to half as long again as an export took alone; odd ones around the
  # moment the export ends, where the file is written and put into place. That moment moves
  # with the machine's load, so its estimate follows what the kills find.
  if (( k % 2 == 0 )); then
    delay=$(( (RANDOM * 32768 + RANDOM) % (micros[$ext] * 3 / 2 + 1) ))
  else
    delay=$(( end[$ext] * 4 / 5 + (RANDOM * 32768 + RANDOM) % (end[$ext] * 2 / 5 + 1) ))
  fi
  sleep "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  listing=$(ls -A "$work/out")
  if [ -z "$listing" ] && [ "$fresh" = 1 ]; then
    none=$((none + 1))
    follow 21
  elif [ "$listing" != "out.$ext" ]; then
    echo "kill $k ($ext, ${delay} us): the folder holds: ${listing:-nothing}"
    if [ -z "$listing" ]; then corrupt=$((corrupt + 1)); else stray=$((stray + 1)); fi
  elif cmp -s "$out" "$work/new/out.$ext"; then
    new=$((new + 1))
    follow 19
  elif [ "$fresh" = 0 ] && cmp -s "$out" "$work/old/out.$ext"; then
    old=$((old + 1))
    follow 21
  else
    echo "kill $k ($ext, ${delay} us): out.$ext is neither the old nor the new file"
    corrupt=$((corrupt + 1))
  fi
done
echo "$kills kills: $old old file kept, $new new file complete, $none no file yet, $stray stray files, $corrupt corrupt"
echo "$(( old + new + none )) passed, $(( stray + corrupt )) failed"
[ $(( stray + corrupt )) -eq 0 ]
