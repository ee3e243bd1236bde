#!/usr/bin/env bash
# The command line as a user in a terminal sees it: --version and --help
# answer without a display, a mistyped option is refused in one line with
# status 2 and no window, a report of a record that is not stored ends with
# status 1, every message begins "parlow:", and the man page lists every
# report layout and exit status --help names.
#   command_line_test.sh <program> <man page source>
set -uo pipefail
parlow=$1
manpage=$2
. "$(dirname "$0")/install_support.sh"

# No display and a platform that needs one: opening a window would fail loudly.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$parlow" "$@"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check "--version" test "$(headless --version)" = "The Parlow's Log 3.1.0"
headless --help >"$work/help"
check "--help ends with status 0" test $? = 0
check "--help" grep -qF -- "--report <layout> <parameter>... --pdf <file>" "$work/help"

# Each wrong command line with the status it must end with.
while IFS='|' read -r status words; do
  # shellcheck disable=SC2086  # the words are meant to split
  err=$(headless $words 2>&1 >/dev/null)
  got=$?
  check "'$words' ends with status $status (got $got)" test "$got" = "$status"
  check "'$words' says why on one line" test "$(wc -l <<<"$err")" = 1
  check "'$words' begins with parlow: ($err)" grep -q '^parlow: ' <<<"$err"
done <<LINES
2|--bogus
2|--report rptScoreCard D1
2|stray
2|--report rptNoSuch D1 --pdf $work/no.pdf
2|--report rptClubData --pdf $work/no.pdf
1|--report rptClubData C999 --pdf $work/no.pdf
LINES
check "a refused report writes no file" test ! -e "$work/no.pdf"

# The man page (troff source) names what --help lists.
man_text=$(MANWIDTH=200 man -l "$manpage" 2>/dev/null)
layouts=$(sed -n '/^Report layouts/,/^$/p' "$work/help" | sed -n 's/^  \(rpt[A-Za-z0-9]*\).*/\1/p')
check "--help lists the report layouts" test "$(wc -w <<<"$layouts")" -ge 9
for layout in $layouts; do
  check "the man page lists $layout" grep -q "^ *$layout" <<<"$man_text"
done
statuses=$(sed -n '/^Exit status/,/^$/p' "$work/help" | sed -n 's/^  \([0-9][0-9]*\)  .*/\1/p')
check "--help lists the exit statuses 0, 1 and 2" test "$(echo $statuses)" = "0 1 2"
exit_section=$(sed -n '/^EXIT STATUS/,/^[A-Z]/p' <<<"$man_text")
for status in $statuses; do
  check "the man page's EXIT STATUS lists $status" grep -qE "^ +$status +[A-Z]" <<<"$exit_section"
done

finish
