# shellcheck shell=bash
# Shared by the end-to-end scripts: a private X server, the program on it, and a person's clicks and keys
# through xdotool. Every wait is bounded and everything started here is ended on exit, so a hung program
# fails the test instead of the run. Source it, then call e2e_init.

E2E_PIDS=()
E2E_TMP=""

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    [[ -n "$E2E_TMP" && "${E2E_KEEP:-}" != 1 ]] && rm -rf "$E2E_TMP"
    return 0
}

e2e_init() {
    local tool
    for tool in Xvfb xdotool xclip; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed (tools/install-deps installs it)"
    done
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/veradex-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    # The program must meet a real display server, whatever the test environment asks for.
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Polls `command...` every 0.1 s until it succeeds or `seconds` have passed.
e2e_wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# Starts Xvfb on a display number it finds free and exports DISPLAY.
e2e_start_xvfb() {
    local numfile="$E2E_TMP/display"
    : >"$numfile"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" 2>"$E2E_TMP/xvfb.log" &
    E2E_PIDS+=($!)
    e2e_wait_for 15 grep -q '^[0-9]' "$numfile" || {
        cat "$E2E_TMP/xvfb.log" >&2
        e2e_fail "Xvfb did not start"
    }
    DISPLAY=":$(head -n1 "$numfile")"
    export DISPLAY
    e2e_wait_for 10 xdotool getmouselocation >/dev/null 2>&1 || e2e_fail "display $DISPLAY does not answer"
}

# Starts `program args...` with `dir` as its working directory; sets E2E_APP to its process id.
e2e_start_app() {
    local dir=$1
    shift
    (cd "$dir" && exec "$@") >"$E2E_TMP/app.log" 2>&1 &
    E2E_APP=$!
    E2E_PIDS+=("$E2E_APP")
}

# Waits for the main window of process `pid` to be shown; sets E2E_WIN.
e2e_wait_window() {
    local pid=$1 deadline=$((SECONDS + 60))
    E2E_WIN=""
    while [[ -z "$E2E_WIN" ]]; do
        e2e_running "$pid" || {
            cat "$E2E_TMP/app.log" >&2
            e2e_fail "the program ended before its window was shown"
        }
        ((SECONDS < deadline)) || e2e_fail "no window of process $pid within 60 s"
        E2E_WIN=$(xdotool search --onlyvisible --pid "$pid" --name '洋ラン属種名検索' 2>/dev/null | head -n1 || true)
        [[ -n "$E2E_WIN" ]] || sleep 0.2
    done
    # No window manager gives the focus, so the test hands it over as a click of the user would.
    timeout 5 xdotool windowfocus --sync "$E2E_WIN" >/dev/null 2>&1 || true
    sleep 0.5
}

# True while process `pid` runs; an ended child that the shell has not reaped yet counts as ended.
e2e_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ "${stat:0:1}" != Z ]]
}

e2e_ended() {
    ! e2e_running "$1"
}

# Waits up to `seconds` for process `pid` to end and returns its exit status.
e2e_wait_exit() {
    local pid=$1 seconds=$2
    e2e_wait_for "$seconds" e2e_ended "$pid" || e2e_fail "process $pid still runs after ${seconds} s"
    wait "$pid"
}

# Reads the click points of the main window: e2e_layout LAYOUT_PROGRAM DATA_DIR [ROW COL] fills E2E_AT.
declare -A E2E_AT
e2e_layout() {
    local program=$1
    shift
    local out name x y
    out=$(QT_QPA_PLATFORM=xcb timeout 30 "$program" "$@") || e2e_fail "the layout helper failed"
    while read -r name x y; do
        E2E_AT[$name]="$x $y"
    done <<<"$out"
}

# Moves the pointer to the named point of the window and clicks `count` times.
e2e_click() {
    local name=$1 count=${2:-1}
    [[ -n "${E2E_AT[$name]:-}" ]] || e2e_fail "no click point $name"
    # shellcheck disable=SC2086
    xdotool mousemove --window "$E2E_WIN" ${E2E_AT[$name]}
    sleep 0.2
    xdotool click --repeat "$count" --delay 120 1
    sleep 0.4
}

e2e_type() {
    xdotool type --delay 60 -- "$1"
    sleep 0.3
}

e2e_key() {
    xdotool key "$@"
    sleep 0.2
}

# The clipboard as the display server hands it to another program, or nothing when no program owns it.
e2e_clipboard() {
    timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null || true
}

e2e_screenshot() {
    timeout 20 import -window "$E2E_WIN" "$1" 2>/dev/null
}
