#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with; only those that are missing.
# With --fuzz also clang and its libFuzzer runtime, for the fuzz preset.
set -euo pipefail

packages=(
    build-essential cmake pkg-config ninja-build ccache git
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6opengl6-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-translations-l10n
    qt6-serialport-dev qt6-multimedia-dev qt6-charts-dev
    libqt6sql6-sqlite libqt6sql6-odbc libqt6sql6-psql
    libsndfile1-dev libfreexl-dev libzip-dev libspandsp-dev libsoxr-dev
    unixodbc-dev odbc-postgresql tdsodbc
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-wqy-microhei xvfb xauth postgresql espeak-ng sox libreoffice-calc-nogui
)

for arg in "$@"; do
    case $arg in
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *)
        echo "usage: $0 [--fuzz]" >&2
        exit 2
        ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    # dpkg-query prints "install ok installed" only for a fully installed package.
    if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all packages present"
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages: ${missing[*]}" >&2
    echo "setup: run this script as root to install them" >&2
    exit 1
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
