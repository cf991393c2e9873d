#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (offscreen, no display needed).
source "$(dirname "$0")/common.sh"
install_missing
build -DBUILD_TESTING=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
