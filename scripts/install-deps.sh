#!/bin/sh
# Installs every Debian 12 package needed to build, run and test Vorkast.
# Does nothing when all of them are already installed.
set -eu

PACKAGES="build-essential cmake ninja-build pkgconf ccache
qt6-base-dev qt6-svg-dev libqt6svg6 libqt6sql6-sqlite qt6-qpa-plugins
libsqlite3-dev sqlite3 libxlsxwriter-dev zlib1g-dev
clang libclang-rt-14-dev
python3 python3-openpyxl
fonts-dejavu-core fonts-liberation fonts-comic-neue
xvfb xauth imagemagick xdotool"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
