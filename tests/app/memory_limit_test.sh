#!/usr/bin/env bash
# Opens a file too large for the memory the program may use and expects the out-of-memory
# report, then a window that goes on (the program ends normally after the load), never a
# crash.
#   memory_limit_test.sh VELTRIX_BINARY
set -uo pipefail
program="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen HOME="$work"

# A format-0 file of EVENTS note events under running status (7 bytes each: a note-on and the
# note-off as a note-on of velocity 0, both at delta 0).
make_song() {
  python3 - "$1" "$2" <<'PYTHON'
import struct, sys
path, events = sys.argv[1], int(sys.argv[2])
body = b"\x00\x90\x3c\x40" + b"\x00\x3c\x00\x00\x3c\x40" * (events // 2) + b"\x00\xff\x2f\x00"
with open(path, "wb") as f:
    f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480))
    f.write(b"MTrk" + struct.pack(">I", len(body)) + body)
PYTHON
}
make_song "$work/small.mid" 10
make_song "$work/medium.mid" 2000000
make_song "$work/large.mid" 24000000

# The smallest limit (in steps of 50 MB) under which the program opens a small file: the room
# it needs to start. A build with an address sanitizer reserves far more and does not start
# under any such limit.
base=""
for ((limit = 200000; limit <= 2000000; limit += 50000)); do
  if (ulimit -v "$limit" && "$program" --quit-after-load "$work/small.mid" >/dev/null 2>&1); then
    base=$limit
    break
  fi
done
if [ -z "$base" ]; then
  echo "skipped: the program does not start under a memory limit (a sanitizer build?)"
  exit 77
fi

limit=$((base + 100000))
# 2,000,000 events open within 100 MB beyond that room: their rows are made when shown.
(ulimit -v "$limit" && "$program" --quit-after-load "$work/medium.mid") >"$work/out.txt" 2>&1
status=$?
if [ "$status" -ne 0 ] || grep -q "Error #" "$work/out.txt"; then
  cat "$work/out.txt"
  echo "FAIL: 2,000,000 events did not open under a limit of $limit KB (status $status)"
  exit 1
fi

# The records of 24,000,000 events alone take far more than 100 MB.
(ulimit -v "$limit" && "$program" --quit-after-load "$work/large.mid") >"$work/out.txt" 2>&1
status=$?
cat "$work/out.txt"
if [ "$status" -ne 0 ]; then
  echo "FAIL: the program ended with status $status under a limit of $limit KB"
  exit 1
fi
if ! grep -q "Error #: 7, Out of memory" "$work/out.txt"; then
  echo "FAIL: no out-of-memory report under a limit of $limit KB"
  exit 1
fi
echo "ok: out of memory reported under $limit KB, and the program went on"
