#!/usr/bin/env bash
# Installs what is missing, builds and starts DORVANI. Arguments go to the program,
# for example --home DIR (default: ~/Dorvani).
source "$(dirname "$0")/common.sh"
install_missing
build -DBUILD_TESTING=OFF
if [[ " $* " != *" --home "* ]]; then
    set -- --home "$HOME/Dorvani" "$@"
fi
exec ./build/dorvani "$@"
