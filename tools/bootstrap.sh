#!/bin/sh
# Installs the Debian packages that building, running and testing Pukana need, and only
# those that are missing. Uses sudo when not run as root.
#   usage: bootstrap.sh        what building and running need
#          bootstrap.sh test   that and what only the tests need
set -eu

PACKAGES="cmake ninja-build g++ make qt6-base-dev qt6-qpa-plugins libgtest-dev libgmock-dev \
libbenchmark-dev fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation xvfb xauth \
xdotool imagemagick python3 clang libclang-rt-14-dev qt6-svg-dev qt6-translations-l10n xdg-utils \
desktop-file-utils pkg-config libkkc-dev libkkc-data libglib2.0-dev libgee-0.8-dev libjson-glib-dev"

# Only the tests need these: LibreOffice Writer checks that it reads the editor's RTF,
# pdftotext reads back what printing to a PDF file wrote.
TEST_PACKAGES="libreoffice-writer-nogui poppler-utils"
if [ "${1:-}" = "test" ]; then
    PACKAGES="$PACKAGES $TEST_PACKAGES"
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "bootstrap: installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "bootstrap: these Debian packages are missing:$missing" >&2
    echo "bootstrap: run as root, or install sudo, or install them yourself with:" >&2
    echo "    apt-get install$missing" >&2
    exit 1
fi
if ! command -v apt-get >/dev/null 2>&1; then
    echo "bootstrap: apt-get not found; this set-up needs Debian 12 (bookworm)." >&2
    echo "bootstrap: install these packages by other means:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
