#!/bin/sh
# The generated manual pages: man formats them without a warning, and the
# page of kakeibo-cli names every command and option its --help names.
#   man-test.sh PAGES_DIR KAKEIBO_CLI KAKEIBO
set -u
dir=$1
cli=$2
window=$3
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for page in kakeibo kakeibo-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$dir/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns on $page(1): $warnings"
done

text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$dir/kakeibo-cli.1.gz" 2>/dev/null)
for command in $("$cli" --help | sed -n '/^Subcommands:/,/^$/p' | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p'); do
    printf '%s\n' "$text" | grep -q "^       $command" || fail "kakeibo-cli(1) lacks the command $command"
done
for kind in $("$cli" export --help | sed -n '/^Subcommands:/,/^$/p' | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p'); do
    printf '%s\n' "$text" | grep -q "^       export $kind" || fail "kakeibo-cli(1) lacks export $kind"
done
for option in $("$cli" --help | sed -n 's/^  .*\(--[a-z-]*\).*/\1/p'); do
    printf '%s\n' "$text" | grep -q -- "$option" || fail "kakeibo-cli(1) lacks the option $option"
done
printf '%s\n' "$text" | grep -q "みらぶの家計簿" || fail "kakeibo-cli(1) lacks the program's Japanese name"

window_text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$dir/kakeibo.1.gz" 2>/dev/null)
for option in --dir --version --help; do
    printf '%s\n' "$window_text" | grep -q -- "$option" || fail "kakeibo(1) lacks the option $option"
done
printf '%s\n' "$window_text" | grep -q "XDG_DATA_HOME" || fail "kakeibo(1) does not say where the book lives"
"$window" --help | grep -q -- "--dir DIR" || fail "kakeibo --help lacks --dir"

[ "$failures" -eq 0 ] && echo "manual pages: every check passed"
exit $((failures > 0))
