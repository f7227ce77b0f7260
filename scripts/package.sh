#!/usr/bin/env bash
# Builds the Debian packages voice-notice and voice-notice-dev from the release preset into
# build/release/packages.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset release
cmake --build --preset release
(cd build/release && cpack -G DEB -B "$PWD/packages")
ls -1 build/release/packages/*.deb
