#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (offscreen, no display needed).
source "$(dirname "$0")/common.sh"
# poppler-utils lets the printing tests read back the PDF files they write.
install_missing poppler-utils
build -DBUILD_TESTING=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
