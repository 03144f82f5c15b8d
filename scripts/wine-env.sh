# Sourced by the test and run commands: prepares the Wine prefix, keeps one
# wineserver alive for the whole run, and starts a virtual display when there
# is none (the window tests need one).
tp_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${TP_WINEPREFIX:-$tp_root/build/win32/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win32
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8

tp_xvfb_pid=
tp_start_display() {
    if [ -z "${DISPLAY:-}" ]; then
        local n
        for n in 99 98 97 96 95; do
            if [ ! -e "/tmp/.X${n}-lock" ]; then
                Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
                tp_xvfb_pid=$!
                export DISPLAY=":$n"
                local i
                for i in $(seq 1 50); do
                    [ -e "/tmp/.X11-unix/X$n" ] && break
                    sleep 0.1
                done
                echo "started a virtual display (Xvfb) on $DISPLAY"
                return 0
            fi
        done
        echo "no free display number for Xvfb" >&2
        return 1
    fi
}

tp_start_wine() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "creating the Wine prefix in $WINEPREFIX (once)"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
    fi
    # One persistent server for the run: each test then starts in well under a second.
    wineserver -p 2>/dev/null || true
    # Start Wine's own background processes now, detached from any pipe: started by
    # the first test instead, they would inherit ctest's output pipe and keep it open.
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

tp_stop_env() {
    wineserver -k 2>/dev/null || true
    if [ -n "$tp_xvfb_pid" ]; then
        kill "$tp_xvfb_pid" 2>/dev/null || true
        wait "$tp_xvfb_pid" 2>/dev/null || true
    fi
}
