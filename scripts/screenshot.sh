#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's picture of the main window (docs/screenshot.png) under a
# private Xvfb display, from a copy of the Release program folder (make build)
# with an example list opened from the command line, so the user's own
# config.ini is not touched; a click on one of its entries shows that chord's
# fingering. Needs xvfb-run, xwininfo, xdotool and ImageMagick.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PROGRAM="$ROOT/build/release/corvalto"
OUT="${1:-$ROOT/docs/screenshot.png}"
[ -x "$PROGRAM/corvalto" ] || { echo "run 'make build' first" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "needs xdotool (apt-get install xdotool)" >&2; exit 1; }

# A fixed folder, since its path shows in the status bar.
WORK=/tmp/corvalto
rm -rf "$WORK"
mkdir -p "$WORK"
trap 'rm -rf "$WORK"' EXIT
cp -r "$PROGRAM" "$WORK/corvalto"
rm -f "$WORK/corvalto/liste/"* "$WORK/corvalto/riff/"*
: > "$WORK/corvalto/config.ini"
# A list file: title, count, entries, their pictures, then the information.
printf '%s\r\n' "Il mio primo giro" 7 "DO Maggiore" "LA Minore" "RE Minore" "SOL 7" "-" \
    "FA Maggiore" "MI Minore" do.gif la_min.gif re_min.gif sol7.gif "" fa.gif mi_min.gif \
    "Capo al II tasto" > "$WORK/corvalto/liste/giro.qvl"

cat > "$WORK/shoot.sh" <<'INNER'
#!/bin/sh
set -eu
cd "$1/corvalto"
./corvalto liste/giro.qvl &
pid=$!
id=""
for _ in $(seq 1 100); do
    id=$(xwininfo -root -tree | awk '/"Corvalto 3.0 by Virmosk - giro.qvl"/ { print $1; exit }')
    [ -n "$id" ] && break
    sleep 0.2
done
sleep 2
# The second entry of the list, "LA Minore": its name and fingering are shown.
xdotool mousemove --window "$id" 420 134 click 1
sleep 1
import -window "$id" "$1/shot.png"
kill "$pid"
INNER
chmod +x "$WORK/shoot.sh"
QT_QPA_PLATFORM=xcb LIBGL_ALWAYS_SOFTWARE=1 LC_ALL=C.UTF-8 \
    xvfb-run -a -s "-screen 0 800x600x24" "$WORK/shoot.sh" "$WORK"
mkdir -p "$(dirname "$OUT")"
convert "$WORK/shot.png" -strip -colors 96 "PNG8:$OUT"
echo "$OUT: $(wc -c < "$OUT") bytes"
