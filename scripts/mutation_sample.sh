#!/usr/bin/env bash
# Samples small faults in the product code and tells which ones the tests catch.
#   scripts/mutation_sample.sh SEED N
# Picks source lines of src/ at random (SEED makes the pick repeatable) and makes one small
# change in each: < and <=, > and >=, == and !=, && and || swapped, an integer constant one more
# or one less, a `return true` made `return false` and back. After each change it rebuilds
# incrementally, runs the tests, restores the line and prints "caught" or "NOT CAUGHT". A change
# that does not compile is passed over and another line is picked, until N changes compiled.
#
# Everything happens in a copy of the tree (MUTATION_WORK, default /tmp/mutation-SEED) with its
# own build folder; the clone this script lives in is never written. The copy's line is restored
# after every change and on any exit, and the copy is refreshed from the clone at the start.
#
# Tests run: the non-GUI test programs (test_core ... test_hpmidifile), the one of the changed
# file's own folder first, each stopping at its first failure, the others only while nothing
# failed. They cover every layer below the window, and the lister program, which tests/cli runs.
# The Qt window's code (src/app) is not sampled: only the GUI tests see it, and they need a
# display server and the whole Qt build. src/builder (the test-file builder), src/manual (the
# help-page generator) and src/hpmidifile's example program are not product behaviour the
# viewer shows, and are not sampled either. The real files beside the clone are linked into
# the copy, so the tests that read them run as they do here.
#
# Changes that behave exactly like the original are listed by hand in
# scripts/mutation_equivalents.txt (file | changed line | why); they are reported, not run and
# not counted. Environment:
#   MUTATION_WORK   the copy's folder (default /tmp/mutation-SEED)
#   MUTATION_PICK   space-separated numbers of changes (as printed after #) to run again, e.g.
#                   "3 17", instead of the first N that compile
#   MUTATION_JOBS   build jobs (default 2)
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: scripts/mutation_sample.sh SEED N" >&2
  exit 2
fi
seed="$1"
count="$2"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="${MUTATION_WORK:-/tmp/mutation-$seed}"
copy="$work/veltrix"
build="$copy/build"
mkdir -p "$work"

# The clone's files as they are now. A file whose content changed since the last run is
# copied with the time of copying: with its own (older) time it could look older than an
# object the last run rebuilt after a change to a header, and would not be compiled again.
# Files no longer in the clone leave the copy.
mkdir -p "$copy"
stage="$work/stage"
rm -rf "$stage"
mkdir -p "$stage"
tar -C "$root" --exclude='./build*' --exclude='./.git' -cf - . | tar -C "$stage" -xf -
(cd "$stage" && find . -type f -print0) | while IFS= read -r -d '' file; do
  if ! cmp -s "$stage/$file" "$copy/$file"; then
    mkdir -p "$(dirname "$copy/$file")"
    cp "$stage/$file" "$copy/$file"
  fi
done
(cd "$copy" && find . -path ./build -prune -o -type f -print0) | while IFS= read -r -d '' file; do
  [ -e "$stage/$file" ] || rm -f "$copy/$file"
done
rm -rf "$stage"
# The tests find the real files at ../shared/data/real from the source tree.
if [ -d "$root/../shared" ]; then
  ln -sfn "$(cd "$root/../shared" && pwd)" "$work/shared"
fi

# Paths relative to the copy, so two copies share the compiler cache.
export CCACHE_BASEDIR="$work" CCACHE_NOHASHDIR=1
cmake -S "$copy" -B "$build" -G Ninja -DVELTRIX_BUILD_GUI=OFF -DVELTRIX_WERROR=OFF \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null

exec /usr/bin/python3 - "$copy" "$seed" "$count" "$root/scripts/mutation_equivalents.txt" \
  "${MUTATION_PICK:-}" "${MUTATION_JOBS:-2}" <<'PYTHON'
import os, random, re, signal, subprocess, sys, time

copy, seed, count, equivalents_file, pick_text, jobs = sys.argv[1:7]
count = int(count)
picked_only = {int(p) for p in pick_text.split()} if pick_text.strip() else None
build = os.path.join(copy, "build")
areas = ["core", "midi", "universal", "sysex", "yamaha", "style", "timing", "check", "views",
         "shell", "lyrics", "overview", "cli", "hpmidifile"]
skipped_folders = ("src/app/", "src/builder/", "src/manual/")
skipped_files = ("src/hpmidifile/example_main.cpp",)

# --- restoring the copy on every way out ---------------------------------------------------
pending = {}  # path -> original text of a file that is changed right now


def restore():
    for path, text in list(pending.items()):
        with open(path, "w") as f:
            f.write(text)
        del pending[path]


def on_signal(number, frame):
    restore()
    sys.exit(128 + number)


for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
    signal.signal(s, on_signal)

# --- where changes can be made ---------------------------------------------------------------
def code_only(line, in_block):
    """The line with string and character literals and comments blanked (same length), and
    whether a block comment is still open at its end."""
    out = list(line)
    i = 0
    quote = None
    while i < len(line):
        c = line[i]
        if in_block:
            end = line.find("*/", i)
            stop = len(line) if end < 0 else end + 2
            for k in range(i, stop):
                out[k] = " "
            i = stop
            in_block = end < 0
            continue
        if quote:
            if c == "\\":
                out[i] = " "
                if i + 1 < len(line):
                    out[i + 1] = " "
                i += 2
                continue
            if c == quote:
                quote = None
            else:
                out[i] = " "
            i += 1
            continue
        if line.startswith("//", i):
            for k in range(i, len(line)):
                out[k] = " "
            break
        if line.startswith("/*", i):
            in_block = True
            continue
        if c == '"' or (c == "'" and not (i > 0 and line[i - 1].isalnum())):
            quote = c
        i += 1
    return "".join(out), in_block


SWAPS = [(" <= ", " < "), (" < ", " <= "), (" >= ", " > "), (" > ", " >= "),
         (" == ", " != "), (" != ", " == "), (" && ", " || "), (" || ", " && ")]
NUMBER = re.compile(r"(?<![\w.'])(0[xX][0-9A-Fa-f]+|\d+)([uUlL]*)(?![\w.'])")


def changes_of(line, code):
    """Every single change the line allows: (column, old text, new text, operator name)."""
    stripped = code.strip()
    if not stripped or stripped.startswith("#") or "static_assert" in code or \
            "template" in code or stripped.startswith("namespace"):
        return []
    found = []
    for old, new in SWAPS:
        start = 0
        while (at := code.find(old, start)) >= 0:
            found.append((at, old, new, f"{old.strip()} -> {new.strip()}"))
            start = at + 1
    for m in NUMBER.finditer(code):
        digits, suffix = m.group(1), m.group(2)
        value = int(digits, 16) if digits[:2].lower() == "0x" else int(digits)
        for step in (1, -1):
            v = value + step
            if v < 0:
                continue
            if digits[:2].lower() == "0x":
                text = digits[:2] + format(v, "X").rjust(len(digits) - 2, "0")
            else:
                text = str(v)
            found.append((m.start(), digits + suffix, text + suffix, f"{digits} -> {text}"))
    for old, new in (("return true;", "return false;"), ("return false;", "return true;")):
        at = code.find(old)
        if at >= 0:
            found.append((at, old, new, f"{old[:-1]} -> {new[:-1]}"))
    return found


sources = []
for folder, _, names in os.walk(os.path.join(copy, "src")):
    for name in names:
        if name.endswith((".cpp", ".h")):
            rel = os.path.relpath(os.path.join(folder, name), copy)
            if not rel.startswith(skipped_folders) and rel not in skipped_files:
                sources.append(rel)
sources.sort()

candidates = []  # (file, line number, [changes])
for rel in sources:
    with open(os.path.join(copy, rel)) as f:
        lines = f.read().split("\n")
    in_block = False
    for number, line in enumerate(lines, 1):
        code, in_block = code_only(line, in_block)
        changes = changes_of(line, code)
        if changes:
            candidates.append((rel, number, changes))

rng = random.Random(int(seed))
rng.shuffle(candidates)

equivalents = {}
if os.path.exists(equivalents_file):
    with open(equivalents_file) as f:
        for entry in f:
            entry = entry.rstrip("\n")
            if not entry.strip() or entry.lstrip().startswith("#"):
                continue
            parts = entry.split(" | ")
            if len(parts) >= 3:
                equivalents[(parts[0].strip(), " | ".join(parts[1:-1]).strip())] = parts[-1].strip()

# --- building and testing ----------------------------------------------------------------------
binaries = [f"test_{a}" for a in areas if os.path.isdir(os.path.join(copy, "tests", a))]


def ninja(targets):
    return subprocess.run(["ninja", "-C", build, f"-j{jobs}"] + targets,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def run_tests(order, limits):
    """The first test program that fails (with its first failing test), or None. They run in
    the build folder: with the compiler cache's relative paths, a test finds files beside its
    source through __FILE__ (../tests/...) from there."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for binary in order:
        try:
            result = subprocess.run([os.path.join(build, binary), "--gtest_fail_fast",
                                     "--gtest_brief=1"], cwd=build,
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                                    timeout=limits.get(binary, 600), env=env)
        except subprocess.TimeoutExpired:
            return f"{binary} (timed out)"
        if result.returncode != 0:
            failed = re.findall(r"\[  FAILED  \] (\S+)", result.stdout)
            return f"{binary} {failed[0] if failed else '(exit ' + str(result.returncode) + ')'}"
    return None


print(f"seed {seed}, {count} changes; building the unchanged copy", flush=True)
if ninja(binaries).returncode != 0:
    sys.exit("the unchanged copy does not build")
limits = {}
for binary in binaries:
    started = time.monotonic()
    if run_tests([binary], {}) is not None:
        sys.exit(f"{binary} fails without any change")
    limits[binary] = 3 * (time.monotonic() - started) + 30

caught = survived = equivalent = 0
survivors = []
made = 0
try:
    for index, (rel, number, changes) in enumerate(candidates, 1):
        if picked_only is None and made >= count:
            break
        if picked_only is not None and index > max(picked_only):
            break
        column, old, new, name = rng.choice(changes)
        if picked_only is not None and index not in picked_only:
            continue
        path = os.path.join(copy, rel)
        with open(path) as f:
            text = f.read()
        lines = text.split("\n")
        original = lines[number - 1]
        changed = original[:column] + new + original[column + len(old):]
        key = (rel, changed.strip())
        label = f"#{index:<4} {rel}:{number}  [{name}]  {changed.strip()}"
        if key in equivalents:
            made += 1
            equivalent += 1
            print(f"equivalent   {label}\n             ({equivalents[key]})", flush=True)
            continue
        lines[number - 1] = changed
        pending[path] = text
        with open(path, "w") as f:
            f.write("\n".join(lines))
        try:
            area = rel.split("/")[1]
            own = [f"test_{area}"] if f"test_{area}" in binaries else []
            rest = [b for b in binaries if b not in own]
            built = ninja(own) if own else ninja(rest)
            if built.returncode != 0:
                continue  # does not compile: another line is picked
            verdict = run_tests(own, limits) if own else None
            if verdict is None:
                if own:
                    built = ninja(rest)
                if built.returncode != 0:
                    continue
                verdict = run_tests(rest, limits)
        finally:
            restore()
        made += 1
        if verdict is None:
            survived += 1
            survivors.append(label)
            print(f"NOT CAUGHT   {label}", flush=True)
        else:
            caught += 1
            print(f"caught       {label}\n             by {verdict}", flush=True)
finally:
    restore()
    ninja(binaries)  # leaves the copy's build matching its unchanged sources

counted = caught + survived
score = 100.0 * caught / counted if counted else 0.0
print(f"\nseed {seed}: {caught} of {counted} caught ({score:.0f} %), "
      f"{equivalent} equivalent not counted")
for label in survivors:
    print(f"  not caught: {label}")
PYTHON
