#!/bin/sh
# Runs a test binary under a virtual X server of its own:
#   xvfb-case.sh <width>x<height> <program> [arguments...]
# -noreset: the server must not restart when a killed program was its last client.
screen=$1
shift
QT_QPA_PLATFORM=offscreen exec xvfb-run -a -s "-screen 0 ${screen}x24 -noreset" "$@"
