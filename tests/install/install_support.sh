# Shared by the installation tests: failing checks, checksums of a tree, and
# starting a program the way a user's desktop would, without a display.

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
check() {  # check <what> <command>...
  local what=$1
  shift
  if ! "$@"; then fail "$what"; fi
}
finish() {
  if [ "$failures" -eq 0 ]; then
    echo "1 passed, 0 failed"
  else
    echo "0 passed, 1 failed ($failures checks)"
    exit 1
  fi
}

# Every file, link and folder below $1 with its content's checksum.
tree_sums() {
  (cd "$1" && find . -printf '%y %m %p %l\n' | sort && find . -type f -exec sha256sum {} + | sort)
}

# Starts the program as a user would, ending once its main window is drawn.
start_program() {  # start_program <executable> <data home>
  XDG_DATA_HOME=$2 QT_QPA_PLATFORM=offscreen timeout 120 "$1" --no-splash --exit-when-shown \
    >/dev/null 2>&1
}
