#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program
# as two users would: each gets a log folder of their own under their data
# folder, made from the installed files on the first start and kept on the
# next; an upgrade refreshes their help, texts and pictures but not their
# logs; and the installed tree is never written to.
#   install_test.sh <build folder>
set -uo pipefail
build=$1
. "$(dirname "$0")/install_support.sh"

work=$(mktemp -d)
trap 'kill "$first_user" 2>/dev/null; rm -rf "$work"' EXIT
first_user=""
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || { fail "cmake --install"; finish; }
tree_sums "$prefix" >"$work/installed.sums"

parlow=$prefix/bin/parlow
templates=$prefix/share/parlow
ann=$work/ann/.local/share
mine=$ann/parlow
golfers() { sqlite3 "$mine/green/parlow.plg" "SELECT FullName FROM tblGolfer ORDER BY ID"; }

# First start: the folder is made from the templates.
check "first start of the installed program" start_program "$parlow" "$ann"
for file in green/parlow.plg help/plg.hlp "help/The Parlow Log Help.rtf" text/About.rtf \
  images/kw6182.gif images/kw-logo01.gif images/kw-logo02.gif; do
  check "$file copied into the user's folder" cmp -s "$templates/$file" "$mine/$file"
done
check "the lock file lives in the user's folder" test -f "$mine/.parlow.lock"
for file in Parlow libzeviza.so installed-copy; do
  check "$file stays out of the user's folder" test ! -e "$mine/$file"
done
check "the user's database is writable by the user" test -w "$mine/green/parlow.plg"

# Second start: the user's records are kept as they are.
sqlite3 "$mine/green/parlow.plg" \
  "INSERT INTO tblGolfer (GolferID, FullName) VALUES ('D1', 'Zoë O''Brien')" ||
  fail "adding a golfer to the user's database"
check "second start of the installed program" start_program "$parlow" "$ann"
check "the user's golfer survives the second start" test "$(golfers)" = "Zoë O'Brien"

# An upgrade over copies an older version made (here: one that noted no
# version, as 3.1.0 before this): the help, texts and pictures are the
# installed ones again, the log and its backups are as they were.
rm "$mine/.copied-version"
echo "an old help page" >"$mine/help/plg.hlp"
rm "$mine/images/kw-logo01.gif"
log_before=$(sha256sum <"$mine/green/parlow.plg")
(cd "$mine/green" && find backup -type f -exec sha256sum {} +) >"$work/backups.sums"
check "start after an upgrade" start_program "$parlow" "$ann"
check "the help is the new version's" cmp -s "$templates/help/plg.hlp" "$mine/help/plg.hlp"
check "a picture the old copy lacked is back" test -f "$mine/images/kw-logo01.gif"
check "the copies note the version" test "$(cat "$mine/.copied-version")" = 3.1.0
check "the user's log is untouched by the upgrade" test "$(sha256sum <"$mine/green/parlow.plg")" = "$log_before"
check "the user's backups are untouched by the upgrade" \
  bash -c 'cd "$1" && test -s "$2" && sha256sum --quiet -c "$2"' _ "$mine/green" "$work/backups.sums"

# Two users at once: each has their own log and their own lock.
bob=$work/bob/data
XDG_DATA_HOME=$ann QT_QPA_PLATFORM=offscreen "$parlow" --no-splash >/dev/null 2>&1 &
first_user=$!
sleep 2
check "a second user starts while the first is running" start_program "$parlow" "$bob"
check "the second user's log is fresh" \
  test "$(sqlite3 "$bob/parlow/green/parlow.plg" 'SELECT COUNT(*) FROM tblGolfer')" = 0
check "the first user is still running" kill -0 "$first_user"
kill "$first_user" && wait "$first_user" 2>/dev/null
check "the first user's golfer is still there" test "$(golfers)" = "Zoë O'Brien"

check "the installed tree is untouched" diff -u "$work/installed.sums" <(tree_sums "$prefix")

# A copy of a build's program folder (no marker) keeps using its own folder.
cp -a "$build/Parlow" "$work/portable"
check "a build's program folder starts" start_program "$work/portable/Parlow" "$work/none"
check "a build's program folder keeps its lock" test -f "$work/portable/.parlow.lock"
check "a build's program folder leaves the data folder alone" test ! -e "$work/none"

finish
