# Shared part of the benchmark scripts (sourced, not run). The script that
# sources it sets $bench (its own name) first.
#
# Provides: the tools check, a private virtual screen with a window manager,
# the loopback server, a program folder with the instrumented home page,
# process trees and their memory, statistics and the closing pass/fail line.

bench_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$bench_dir/.." && pwd)
# Debian's own interpreter: the helper needs python3-xlib and python3-pyatspi.
PY=/usr/bin/python3
tool=$bench_dir/benchtool.py
verbose=${verbose:-0}

say() { echo "$bench: $*" >&2; }
die() { say "$*"; exit 2; }

# Installs the Debian packages behind the given commands when one is missing
# (as root; otherwise asks for them). Arguments: command:package ...
need_tools() {
  local missing=() t
  for t in "$@"; do
    case "${t%%:*}" in
      pyxlib) $PY -c 'import Xlib' 2>/dev/null || missing+=("${t#*:}") ;;
      pyatspi) $PY -c 'import pyatspi' 2>/dev/null || missing+=("${t#*:}") ;;
      *) command -v "${t%%:*}" >/dev/null 2>&1 || missing+=("${t#*:}") ;;
    esac
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" = 0 ]; then
    say "installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -qq "${missing[@]}" >/dev/null 2>&1 ||
      { apt-get update -qq && apt-get install -y -qq "${missing[@]}" >/dev/null; } ||
      die "could not install ${missing[*]}"
  else
    die "please install: ${missing[*]}"
  fi
}

common_tools=(/usr/bin/python3:python3 Xvfb:xvfb xdpyinfo:x11-utils openbox:openbox
              xdotool:xdotool pyxlib:python3-xlib)

atspi_tools=(pyatspi:python3-pyatspi dbus-daemon:dbus /usr/libexec/at-spi-bus-launcher:at-spi2-core)
build_tools=(cmake:cmake ninja:ninja-build)

# The viewer built against a loopback server on port $1, so that its remote
# entries of the national site ("Orvalis", support) open http://127.0.0.1:$1:
# configures and builds folder $2 (default build-latency in the repository).
# Sets $build and $host.
loopback_build() {
  host=127.0.0.1:$1 build=${2:-$repo/build-latency}
  if [ "$(sed -n 's/^TAGOVNIK_HOST_CZ:STRING=//p' "$build/CMakeCache.txt" 2>/dev/null)" != "$host" ]; then
    say "configuring $build with TAGOVNIK_HOST_CZ=$host"
    cmake -S "$repo" -B "$build" -G Ninja -DBUILD_TESTING=OFF -DTAGOVNIK_HOST_CZ="$host" \
      >"$work/configure.log" 2>&1 || { cat "$work/configure.log" >&2; die "configuring failed"; }
  fi
  say "building $build (the first time takes minutes)"
  cmake --build "$build" --target tagovnik tagovnik-baseline -j2 >"$work/build.log" 2>&1 ||
    { tail -30 "$work/build.log" >&2; die "building failed"; }
}

# The accessible controls of program $1 (which must run with
# QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1) into file $2, lines role|name|x|y|w|h.
locate_controls() {
  $PY "$tool" locate "$1" 30 >"$2" || die "no accessible controls (is the accessibility bus there?)"
}
# "x y" of the centre of control (role $2, name $3) in controls file $1.
control_centre() {
  awk -F'|' -v role="$2" -v name="$3" '$1 == role && $2 == name { print int($3 + $5 / 2), int($4 + $6 / 2); exit }' "$1"
}

work=$(mktemp -d "${TMPDIR:-/tmp}/tagovnik-$bench.XXXXXX")
pids=()   # background helpers this script started, each in a session of its own
apps=()   # programs started by bench_launch

# Every process whose parent chain leads to $1, $1 included.
descendants() {
  local root=$1
  awk -v root="$root" '
    FNR == 1 {
      line = $0; sub(/^[0-9]+ \(.*\) /, "", line); split(line, f, " ")
      pid = FILENAME; sub(/^\/proc\//, "", pid); sub(/\/stat$/, "", pid)
      parent[pid] = f[2]
    }
    END {
      for (p in parent) {
        q = p
        for (depth = 0; depth < 64 && q != "" && q != 0; depth++) {
          if (q == root) { print p; break }
          q = parent[q]
        }
      }
    }' /proc/[0-9]*/stat 2>/dev/null
}

# Ends program $1 with its whole tree and waits until every process of it is
# gone, so that no run overlaps the next.
stop_tree() {
  local root=$1 all alive p
  [ -n "$root" ] || return 0
  all=$(descendants "$root")
  kill -TERM -- "-$root" 2>/dev/null
  # shellcheck disable=SC2086
  kill -TERM $all 2>/dev/null
  for _ in $(seq 50); do
    all="$all $(descendants "$root")"
    alive=""
    for p in $all; do kill -0 "$p" 2>/dev/null && alive="$alive $p"; done
    [ -z "$alive" ] && break
    sleep 0.1
  done
  kill -KILL -- "-$root" 2>/dev/null
  # shellcheck disable=SC2086
  [ -n "$alive" ] && kill -KILL $alive 2>/dev/null
  wait "$root" 2>/dev/null
  local kept=() a
  for a in "${apps[@]}"; do [ "$a" = "$root" ] || kept+=("$a"); done
  apps=("${kept[@]}")
}

bench_cleanup() {
  local p
  for p in "${apps[@]}"; do stop_tree "$p"; done
  for p in "${pids[@]}"; do kill -- "-$p" 2>/dev/null || kill "$p" 2>/dev/null; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
  if [ "$verbose" = 1 ]; then say "work folder kept: $work"; else rm -rf "$work"; fi
}
trap bench_cleanup EXIT
trap 'exit 130' INT TERM HUP

# A private virtual screen of size $1 (WxH) with openbox, exported as DISPLAY,
# on a session D-Bus of its own (the accessibility bus starts on it on demand).
start_display() {
  local size=$1 n
  display=""
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
  done
  [ -n "$display" ] || die "no free display"
  setsid Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo -display "$display" >/dev/null 2>&1 || die "Xvfb did not start on $display"
  export DISPLAY=$display
  screen_w=${size%x*} screen_h=${size#*x}
  if command -v dbus-daemon >/dev/null 2>&1; then
    local address
    address=$(setsid dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null |
      { read -r a; read -r p; echo "$a $p"; }) || true
    if [ -n "$address" ]; then
      export DBUS_SESSION_BUS_ADDRESS=${address% *}
      pids+=("${address##* }")
    fi
  fi
  start_window_manager
}

# Openbox now and then fails to open a display that has just come up, or goes
# away later; without a window manager a window asked to show maximised keeps
# its first size, and the runs on that screen would measure nothing. Sets $wm.
start_window_manager() {
  local attempt
  for attempt in 1 2 3; do
    setsid openbox >>"$work/openbox.log" 2>&1 &
    wm=$!
    pids+=("$wm")
    for _ in $(seq 50); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && return 0
      kill -0 "$wm" 2>/dev/null || break
      sleep 0.1
    done
    say "openbox did not start on $display (attempt $attempt)"
    sleep 0.5
  done
  die "no window manager on $display: $(tail -1 "$work/openbox.log")"
}

# Before a run: the window manager is still there, or comes back (and says so).
keep_window_manager() {
  kill -0 "$wm" 2>/dev/null && return 0
  say "openbox on $display had gone ($(tail -1 "$work/openbox.log" 2>/dev/null)); starting it again"
  start_window_manager
}

# The loopback server; sets $port. $BENCH_PORT picks the port.
start_server() {
  : > "$work/beacons.log"
  setsid $PY "$tool" serve "$work" >"$work/server.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.05; done
  [ -s "$work/port" ] || { cat "$work/server.log" >&2; die "the loopback server did not start"; }
  port=$(cat "$work/port")
}

# A program folder for the viewer: a copy of the executable (it finds its pages
# through its resolved path, so no link), its home page with the load probe
# (label home, colour $2), links to the rest. $1 = the viewer. Sets $viewer.
make_program_folder() {
  local exe progdir entry name
  exe=$(readlink -f "$1") || die "no viewer at $1"
  [ -x "$exe" ] || die "no viewer at $1 (run make build first)"
  progdir=$(dirname "$exe")
  [ -f "$progdir/index.html" ] || die "no index.html beside $exe"
  mkdir -p "$work/program"
  cp "$exe" "$work/program/" || exit 2
  viewer=$work/program/$(basename "$exe")
  for entry in "$progdir"/*; do
    name=$(basename "$entry")
    [ "$name" = "$(basename "$exe")" ] || [ "$name" = index.html ] || ln -s "$entry" "$work/program/$name"
  done
  $PY "$tool" probe "$progdir/index.html" "$work/program/index.html" "$port" home "$2" "${3:-}"
  home_source=$progdir/index.html
}

# Starts a program and waits until colour $1 shows at the watch point
# ($watch_x, $watch_y), $2 seconds at most. Sets $app, $launch_ns, $seen_ns
# (0 when the colour never came). The rest of the arguments are the command.
bench_launch() {
  local colour=$1 timeout=$2 line
  shift 2
  keep_window_manager
  line=$(BENCH_PROGRAM_LOG=$work/program.log $PY "$tool" launch "$watch_x" "$watch_y" "$colour" "$timeout" -- "$@")
  read -r app launch_ns seen_ns <<<"$line"
  [ -n "$app" ] || die "could not start $1"
  apps+=("$app")
}

# "rss_kib pss_kib processes" summed over program $1 and its descendants.
tree_memory() {
  local rss=0 pss=0 count=0 p r s
  for p in $(descendants "$1"); do
    read -r r s < <(awk '/^Rss:/ { r = $2 } /^Pss:/ { s = $2 } END { print r + 0, s + 0 }' \
      "/proc/$p/smaps_rollup" 2>/dev/null) || continue
    [ "${r:-0}" -gt 0 ] || continue
    rss=$((rss + r)); pss=$((pss + s)); count=$((count + 1))
  done
  echo "$rss $pss $count"
}

# RSS (KiB) of process $1 alone.
process_rss() { awk '/^Rss:/ { print $2 }' "/proc/$1/smaps_rollup" 2>/dev/null || echo 0; }

# CPU ticks (user + system) in a stat file of /proc (a process's or a thread's);
# of process $1 alone, and of its whole tree.
stat_ticks() { awk '{ sub(/^[0-9]+ \(.*\) /, ""); print $12 + $13 }' "$1" 2>/dev/null; }
own_ticks() { stat_ticks "/proc/$1/stat"; }
tree_ticks() {
  local total=0 p t
  for p in $(descendants "$1"); do t=$(own_ticks "$p"); total=$((total + ${t:-0})); done
  echo "$total"
}

# "median p95 min max" of the numbers given.
stats() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
  if (NR == 0) { print "0 0 0 0"; exit }
  m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
  i = int(0.95 * NR + 0.999999); if (i < 1) i = 1; if (i > NR) i = NR
  printf "%g %g %g %g\n", m, v[i], v[1], v[NR] }'; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b == 0) print 999; else printf "%.3f\n", a / b }'; }

passed=0 failed=0
# goal "description" CONDITION-as-awk-expression
goal() {
  if awk "BEGIN { exit !($2) }"; then
    passed=$((passed + 1)); printf 'PASS  %s\n' "$1"
  else
    failed=$((failed + 1)); printf 'FAIL  %s\n' "$1"
  fi
}
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}
