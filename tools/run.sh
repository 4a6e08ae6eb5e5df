#!/bin/sh
# Starts the built editor, or says clearly why it cannot when there is no display.
set -eu
exe="$1"
shift
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Pukana needs a graphical display (X11 or Wayland), and none was found (DISPLAY is empty)." >&2
    echo "To run it without a screen, use a virtual display:" >&2
    echo "    xvfb-run -a $exe" >&2
    exit 2
fi
exec "$exe" "$@"
