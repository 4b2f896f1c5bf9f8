# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the benchmark scripts: a private X server for the length of one script.

# Commands run when the script exits, last registered first.
AT_EXIT=()
at_exit() {
    AT_EXIT=("$1" "${AT_EXIT[@]}")
    trap 'for c in "${AT_EXIT[@]}"; do eval "$c" || true; done' EXIT
}

# Starts Xvfb on a free display (800 by 800, 24-bit, black root) and exports DISPLAY, with a
# private runtime directory for Qt and no session bus. Both go away when the calling script exits.
# In a network namespace of the script's own (see isolate) the server listens on its abstract
# socket only: a socket file in /tmp/.X11-unix could be replaced by a server in another
# namespace that picks the same number, as it does not see this one.
start_x_server() {
    command -v Xvfb >/dev/null || { echo "Xvfb is missing (scripts/install-deps installs it)" >&2; exit 2; }
    local fifo listen=()
    [ "${BLOKKA_BENCH_ISOLATED:-0}" = 1 ] && listen=(-nolisten unix)
    fifo=$(mktemp -u /tmp/blokka-bench-display.XXXXXX)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 800x800x24 -br -nolisten tcp "${listen[@]}" 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    # The values are written into the command now, so that a second server has its own.
    at_exit "kill $XVFB_PID 2>/dev/null; wait $XVFB_PID 2>/dev/null"
    local number
    read -r number <"$fifo"
    rm -f "$fifo"
    [ -n "$number" ] || { echo "Xvfb did not start" >&2; exit 2; }
    export DISPLAY=":$number"
    XDG_RUNTIME_DIR=$(mktemp -d /tmp/blokka-bench-runtime.XXXXXX)
    export XDG_RUNTIME_DIR
    # Without a session bus Qt would have one started for the display, outliving the script.
    export DBUS_SESSION_BUS_ADDRESS=disabled:
    at_exit "rm -rf '$XDG_RUNTIME_DIR'"
}

# Median of the numbers on standard input.
median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "n/a"; else if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The value of key=value field $1 in the line $2.
field() {
    sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"
}

# Blokka refuses to start while another instance of this user runs: it holds an abstract unix
# socket named after the user. Such sockets belong to a network namespace, so a benchmark runs
# in a namespace of its own where it can, its X server and programs together: then neither a
# game the user is playing nor a test running at the same time stops the measured one, nor is
# disturbed by it. Runs the calling script anew in such a namespace, unless it already runs in
# one of its own or namespaces are not allowed; BLOKKA_BENCH_ISOLATED then tells which.
isolate() {  # "$0" "$@"
    [ -n "${BLOKKA_BENCH_ISOLATED:-}" ] && return 0
    local prefix
    prefix=$(namespace_prefix)
    [ -n "$prefix" ] && exec env BLOKKA_BENCH_ISOLATED=1 $prefix "$@"
    export BLOKKA_BENCH_ISOLATED=0
}

# The command that runs a program in a network namespace of its own, or nothing where
# namespaces are not allowed.
namespace_prefix() {
    local prefix
    for prefix in "unshare -n" "unshare -rn"; do
        $prefix true 2>/dev/null && { echo "$prefix"; return 0; }
    done
    return 0
}

# Without a namespace of its own, waits up to two minutes for any other Blokka of this user to
# end; fails if it does not.
wait_until_no_blokka_runs() {
    [ "${BLOKKA_BENCH_ISOLATED:-0}" = 1 ] && return 0
    local name="@blokka-$(id -u)" waited=0
    while grep -q -- "$name\$" /proc/net/unix; do
        [ "$waited" -eq 0 ] && echo "  (waiting for another Blokka of this user to end)" >&2
        waited=$((waited + 1))
        [ "$waited" -gt 240 ] && { echo "another Blokka keeps running" >&2; return 1; }
        sleep 0.5
    done
}
