#!/usr/bin/env bash
# Installs Veltrix into a temporary prefix beside the system's file types, says which type and
# program a style file gets as installed, chooses Veltrix for style files as the README says,
# opens a style file with xdg-open under a virtual X server, as a file manager's double click
# does, and saves a picture of the screen.
#   scripts/xdg_open_screenshot.sh OUTPUT.png [BUILD_DIR]   (default: build, built already)
# Needs xvfb, xdg-utils, libfile-mimeinfo-perl and xwd (x11-apps).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath "$1")
build=$(cd "${2:-$here/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"
mkdir -p "$work/home" "$work/files"
"$build/veltrix-example" "$work/files/Example.sty"

# A user of their own (no settings yet, so the window starts as on a first run) whose file
# types and programs are the system's with the prefix's in front, as after an install.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_DIRS=$prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}
export PATH=$prefix/bin:$PATH
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION
# A desktop that tells files by name only may take a .sty file for a TeX style.
type=$(xdg-mime query filetype "$work/files/Example.sty")
echo "as installed: type: $type, program: $(xdg-mime query default "$type")"
# The README's choice of Veltrix for style files: the style type, and the type this desktop
# gives the name when that is another one.
xdg-mime default veltrix.desktop application/x-yamaha-style
[ "$type" = application/x-yamaha-style ] || xdg-mime default veltrix.desktop "$type"
echo "after the choice: program: $(xdg-mime query default "$type")"

# No window manager: the window lies at the screen's top left corner, in its start size.
xvfb-run -a -s "-screen 0 800x720x24" bash -s "$work" <<'RUN'
work=$1
xdg-open "$work/files/Example.sty" &
opener=$!
# The program runs as the opener's child; it is waited for and ended by its own id.
program=""
for _ in $(seq 50); do
  program=$(pgrep -P "$opener" -x veltrix | head -1) && [ -n "$program" ] && break
  sleep 0.2
done
sleep 3
xwd -root -silent >"$work/screen.xwd"
[ -n "$program" ] && kill "$program"
wait "$opener" 2>/dev/null || true
RUN
python3 "$here/scripts/xwd_to_png.py" "$work/screen.xwd" "$output" 0 0 "${SCREENSHOT_WIDTH:-800}" \
  "${SCREENSHOT_HEIGHT:-681}"
echo "saved $output"
