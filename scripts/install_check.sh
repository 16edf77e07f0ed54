#!/usr/bin/env bash
# Checks the installed Veltrix as a user would meet it: installs the build into a temporary
# prefix, validates the desktop entry, asks the file-type database for a style file's type,
# moves the installed tree and runs the programs from there, renders both man pages, checks
# the bash completion against --help, then builds the Debian package, shows its dependencies
# and runs lintian over it (an error fails the check).
#   scripts/install_check.sh [BUILD_DIR]   (default: build, configured and built already)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
check() {  # check NAME COMMAND...: runs the command, counts and reports the outcome
  local name=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    passed=$((passed + 1))
    echo "ok: $name"
  else
    failed=$((failed + 1))
    echo "FAILED: $name"
    sed 's/^/    /' "$work/out" | tail -20
  fi
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
expected=(bin/veltrix bin/veltrix-list lib/veltrix/libhpmidifile.so
  share/applications/veltrix.desktop share/mime/packages/veltrix.xml
  share/icons/hicolor/scalable/apps/veltrix.svg share/icons/hicolor/48x48/apps/veltrix.png
  share/icons/hicolor/128x128/apps/veltrix.png share/icons/hicolor/256x256/apps/veltrix.png
  share/doc/veltrix/Veltrix.pdf share/man/man1/veltrix.1.gz share/man/man1/veltrix-list.1.gz
  share/bash-completion/completions/veltrix-list)
all_there() {
  local missing=0
  for file in "${expected[@]}"; do
    [ -f "$prefix/$file" ] || { echo "missing: $file"; missing=1; }
  done
  return $missing
}
check "installed files" all_there
icons_have_their_sizes() {
  local size
  for size in 48 128 256; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/veltrix.png" |
      grep -q "PNG image data, $size x $size" || { echo "not ${size}x${size}"; return 1; }
  done
}
check "icons of 48, 128 and 256 pixels" icons_have_their_sizes
check "desktop-file-validate" desktop-file-validate "$prefix/share/applications/veltrix.desktop"

# A style file starts as a MIDI file does; its name says it is a style.
printf 'MThd\0\0\0\6\0\0\0\1\1\340MTrk\0\0\0\4\0\377\57\0' >"$work/some.sty"
check "update-mime-database" update-mime-database "$prefix/share/mime"
style_type() {
  local type
  type=$(XDG_DATA_DIRS=$prefix/share xdg-mime query filetype "$work/some.sty")
  echo "$type"
  [ "$type" = application/x-yamaha-style ]
}
check "xdg-mime query filetype some.sty" style_type

runpath_is_relative() {
  local program
  for program in veltrix veltrix-list; do
    readelf -d "$prefix/bin/$program" | grep -E 'R(UN)?PATH' | tee -a "$work/runpaths" |
      grep -q 'Library r[a-z]*path: \[\$ORIGIN/../lib/veltrix\]' || return 1
  done
}
check "RUNPATH relative to the programs" runpath_is_relative

# The installed tree works wherever it is moved to.
moved=$work/moved
mv "$prefix" "$moved"
check "veltrix-list --help from the moved prefix" \
  bash -c "'$moved/bin/veltrix-list' --help | grep -q '^Usage: veltrix-list'"
check "veltrix-list lists a file from the moved prefix" \
  bash -c "cp '$work/some.sty' '$work/some.mid' && '$moved/bin/veltrix-list' '$work/some.mid' | head -1 | grep -q ID"
check "veltrix --version from the moved prefix" \
  bash -c "'$moved/bin/veltrix' --version | grep -q '^veltrix [0-9]'"
render_man() {
  local page=$1 errors
  errors=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >"$work/page.txt")
  [ -z "$errors" ] || { echo "$errors"; return 1; }
  grep -q "^SYNOPSIS" "$work/page.txt" && grep -q "^OPTIONS" "$work/page.txt"
}
check "man -l veltrix.1" render_man "$moved/share/man/man1/veltrix.1.gz"
check "man -l veltrix-list.1" render_man "$moved/share/man/man1/veltrix-list.1.gz"
completes() {  # completes EXPECTED WORD...: what bash offers after the words
  local expected=$1 offered
  shift
  offered=$(bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    _veltrix_list; echo "${COMPREPLY[*]}"' _ \
    "$moved/share/bash-completion/completions/veltrix-list" veltrix-list "$@")
  echo "$* -> $offered"
  [ "$offered" = "$expected" ]
}
completion_knows_every_option() {
  local option missing=0
  for option in $("$moved/bin/veltrix-list" --help | sed -n 's/^  \(--[a-z-]*\).*/\1/p'); do
    [ "$option" = "--" ] && continue
    completes "$option" "$option" >/dev/null || { echo "not completed: $option"; missing=1; }
  done
  completes "json jsonl" --format j && completes "midi" --view mi && return $missing
}
check "bash completion offers every option" completion_knows_every_option

# The Debian package.
(cd "$build" && rm -f veltrix_*.deb && cpack -G DEB >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$build"/veltrix_*_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Architecture|Depends):'
check "the package has dependencies" bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6"
check "the package holds the man pages and the desktop entry" bash -c \
  "dpkg-deb -c '$deb' | grep -q 'usr/share/man/man1/veltrix-list.1.gz' && dpkg-deb -c '$deb' | grep -q 'usr/share/applications/veltrix.desktop'"
lintian_clean() {
  lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' |
    tee "$work/lintian.txt"
  echo "lintian: $(grep -c '^E:' "$work/lintian.txt" || true) errors, $(grep -c '^W:' "$work/lintian.txt" || true) warnings"
  ! grep -q '^E:' "$work/lintian.txt"
}
check "lintian finds no error" lintian_clean
sed 's/^/    /' "$work/out"

echo "install_check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
