#!/usr/bin/env bash
# The command line as a user in a terminal sees it: --version and --help
# answer without a display (the option lines themselves are checked by
# CommandLineTest), a mistyped option is refused in one line with a
# non-zero status and no window.
#   command_line_test.sh <program>
set -uo pipefail
parlow=$1
. "$(dirname "$0")/install_support.sh"

# No display and a platform that needs one: opening a window would fail loudly.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$parlow" "$@"; }

check "--version" test "$(headless --version)" = "The Parlow's Log 3.1.0"
check "--help" grep -qF -- "--report <layout> <parameter>... --pdf <file>" <(headless --help)

for wrong in "--bogus" "--report rptScoreCard D1" "stray"; do
  # shellcheck disable=SC2086  # the words are meant to split
  err=$(headless $wrong 2>&1 >/dev/null)
  status=$?
  check "'$wrong' ends with a non-zero status" test "$status" -ne 0
  check "'$wrong' says why on one line" test "$(wc -l <<<"$err")" = 1
  check "'$wrong' points to --help" grep -q -- "--help" <<<"$err"
done

finish
