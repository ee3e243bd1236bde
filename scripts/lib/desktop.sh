# Shared by the screenshot and sample scripts: a build folder with the
# targets they draw with, a virtual 1280x800 desktop, and the program started
# on it under a window manager. Source it from the repository's top folder.

# Configures the build folder when it is new, then builds the given targets.
build_targets() {
  local build=$1
  shift
  if [ ! -d "$build" ]; then
    bash scripts/setup.sh
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$build" -j2 --target "$@"
}

# Runs a command on a virtual desktop of the size the screens are made for.
on_virtual_desktop() {
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" "$@"
}

# On the virtual desktop: a window manager draws the title bars and icons a
# desktop would show; the program starts without its splash and its main
# window gets the focus; its id is left in $window. Both end with the
# calling script.
start_program_on_display() {
  local program=$1
  openbox --sm-disable &
  local manager=$!
  sleep 1
  "$program" --no-splash &
  local pid=$!
  trap "kill $pid $manager 2>/dev/null || true" EXIT
  window=$(xdotool search --sync --onlyvisible --name "^The Parlow's Log v" | head -1)
  xdotool windowfocus --sync "$window"
  sleep 1
}
