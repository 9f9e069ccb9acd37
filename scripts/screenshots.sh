#!/bin/sh
# Pictures of every page and sub-page of the main window, its dialogs and
# the boxes of the recovery copy, the backups and a failed close, over a small
# sample book, and of the search window and the graph window's charts over a
# generated 20-year book,
# taken on the offscreen platform (no display needed).
#   scripts/screenshots.sh [build folder] [picture folder]
set -eu
BUILD=${1:-build}
OUT=${2:-screenshots}
cmake --build "$BUILD" -j2 --target test_app
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
QT_QPA_PLATFORM=offscreen KAKEIBO_SCREENSHOTS="$OUT" "$BUILD/tests/test_app" ScreenshotTool
QT_QPA_PLATFORM=offscreen KAKEIBO_SCREENSHOTS="$OUT" "$BUILD/tests/test_app" ChartScreenshotTool
echo "pictures in $OUT"
