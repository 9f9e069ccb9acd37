#!/bin/bash
# The generated bash completion, run the way bash runs it on a Tab:
#   completion-test.sh COMPLETION_DIR KAKEIBO_CLI
# Every command that kakeibo-cli --help lists must be offered, so a command
# added to the tool reaches the completion without a hand edit.
set -u
dir=$1
cli=$2
. /usr/share/bash-completion/bash_completion || exit 1
. "$dir/kakeibo-cli"
. "$dir/kakeibo"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/sub"
touch "$tmp/sheet.txt" "$tmp/second.txt"

failures=0
# completes "WORDS" (the last word is the one being typed): COMPREPLY, sorted, one line.
completes() {
    local line=$1
    read -r -a COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    local function
    function=$(complete -p "${COMP_WORDS[0]}" | sed 's/.*-F \([^ ]*\) .*/\1/')
    "$function" "${COMP_WORDS[0]}" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}
expect() {
    local got
    got=$(completes "$1")
    if [[ $got != "$2" ]]; then
        echo "FAIL: \"$1\" completes to \"$got\", expected \"$2\""
        failures=$((failures + 1))
    fi
}
expect_contains() {
    local got
    got=" $(completes "$1") "
    if [[ $got != *" $2 "* ]]; then
        echo "FAIL: \"$1\" completes to \"$got\", which lacks \"$2\""
        failures=$((failures + 1))
    fi
}

# Commands, and the commands of export.
for command in $("$cli" --help | sed -n '/^Subcommands:/,/^$/p' | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p'); do
    expect_contains "kakeibo-cli " "$command"
done
expect "kakeibo-cli ex" "export"
expect "kakeibo-cli sum-" "sum-month sum-week sum-year"
for kind in $("$cli" export --help | sed -n '/^Subcommands:/,/^$/p' | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p'); do
    expect_contains "kakeibo-cli export " "$kind"
done

# File names where a file is asked, nothing where a date is.
expect "kakeibo-cli export notes $tmp/s" "$tmp/second.txt $tmp/sheet.txt $tmp/sub"
expect "kakeibo-cli export hibi $tmp/s" ""
expect "kakeibo-cli export hibi 2026-11-01 2026-11-30 $tmp/sh" "$tmp/sheet.txt"
expect "kakeibo-cli --today 2026-12-08 export notes $tmp/sh" "$tmp/sheet.txt"

# Folders only for --dir, written apart or with "=".
expect "kakeibo-cli --dir $tmp/s" "$tmp/sub"
expect "kakeibo-cli --dir=$tmp/s" "$tmp/sub"
expect "kakeibo-cli --dir $tmp/sub sh" "show"

# Options: a command's own, and the tool's after a command too.
expect "kakeibo-cli calc 2026-12-08 --f" "--following"
expect "kakeibo-cli show --y" "--yes"
expect_contains "kakeibo-cli --" "--version"
expect "kakeibo-cli --today " ""

# The window program.
expect "kakeibo --d" "--dir"
expect "kakeibo --dir $tmp/s" "$tmp/sub"

[ "$failures" -eq 0 ] && echo "completion: every case passed"
exit $((failures > 0))
