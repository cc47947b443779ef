# The project's private Wine session: its own Xvfb display, its own prefix under build/ and a
# persistent wineserver. Every script and test that runs a Windows program uses it.
# shellcheck source=common.sh
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The session's prefix is the shared one under build/, unless a script chose a prefix of its own
# in TALLYVANE_WINEPREFIX (wine_start_at_dpi does).
wine_env() {
    export WINEPREFIX="${TALLYVANE_WINEPREFIX:-$TALLYVANE_ROOT/build/wineprefix}"
    export WINEDEBUG=-all,err+module
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    export WINEARCH=win64
    export LANG=C.UTF-8
}

# Starts a private Xvfb on a free display and exports DISPLAY; its pid goes to WINE_XVFB_PID.
# Xvfb tells its display number once it is ready. Right after a busy build it was once still
# silent after 20 s, and the whole run failed on it: it is given a minute, and a second try if it
# said nothing or ended. What it printed is shown when it fails.
start_xvfb() {
    local try
    for try in 1 2; do
        start_xvfb_once && return 0
    done
    return 1
}

start_xvfb_once() {
    local fifo log number=
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    log=$(mktemp)
    Xvfb -displayfd 3 -nolisten tcp -screen 0 "${WINE_SCREEN_SIZE}x24" 3>"$fifo" >"$log" 2>&1 &
    WINE_XVFB_PID=$!
    read -r -t 60 number <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "Xvfb did not start; it printed:" >&2
        cat "$log" >&2
        kill "$WINE_XVFB_PID" 2>/dev/null || true
        wait "$WINE_XVFB_PID" 2>/dev/null || true
        WINE_XVFB_PID=
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
    export DISPLAY=":$number"
}

# The size of the private display's screen, and of the prefix's virtual desktop, in pixels. A
# prefix at another density has the whole screen as its desktop: a form grown with the DPI still
# fits on it.
WINE_SCREEN_SIZE=1280x1024
WINE_DESKTOP_SIZE=1024x768

# The prefix, created and set up for the program.
ensure_prefix() {
    create_prefix
    configure_prefix
}

# Creates the prefix once (about 10 s).
create_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$(dirname "$WINEPREFIX")"
        wineboot --init </dev/null >/dev/null 2>&1
        wineserver -w
    fi
}

# Every program of the prefix runs inside one virtual desktop: Wine then draws captions and system
# menus itself, the desktop is one X window to take pictures of, and a dialog ends at once (without
# a desktop, ending a dialog waits about 2 s on the X server). Wine's own fonts go into the
# prefix's Fonts folder: a new prefix does not pick them up, and a dialog would otherwise measure
# its units with a host font.
configure_prefix() {
    if ! grep -q '^"Default"="'"$WINE_DESKTOP_SIZE"'"' "$WINEPREFIX/user.reg" 2>/dev/null; then
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$WINE_DESKTOP_SIZE" /f \
            </dev/null >/dev/null 2>&1
    fi
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/.tallyvane-fonts" ]; then
        mkdir -p "$fonts"
        cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
        touch "$fonts/.tallyvane-fonts"
    fi
}

# Starts the whole session: display, prefix, a persistent wineserver and Wine's helper
# processes, started detached from our pipes so that ctest never waits on them.
wine_start() {
    wine_env
    # Set first, so that a session failing half-way does not leave its display running.
    trap wine_stop EXIT
    start_xvfb || return 1
    create_prefix
    # A server left running for this prefix (by an earlier run cut short) serves as well.
    wineserver -p 2>/dev/null || true
    configure_prefix
    wine wineboot </dev/null >/dev/null 2>&1
}

# Starts a session in a prefix of its own at another screen density, leaving the shared prefix and
# its wineserver alone: a display of its own, the prefix (created once, like the shared one) and
# its own wineserver started at the DPI.
#   wine_start_at_dpi PREFIX DPI
wine_start_at_dpi() {
    TALLYVANE_WINEPREFIX=$(realpath -m "$1")
    WINE_DESKTOP_SIZE=$WINE_SCREEN_SIZE
    wine_env
    trap wine_stop EXIT
    start_xvfb || return 1
    create_prefix
    wineserver -p 2>/dev/null || true
    configure_prefix
    wine_set_dpi "$2"
}

# Sets the prefix's DPI (LogPixels, which its wineserver reads when it starts) and starts its
# wineserver again at it, with Wine's helper processes detached from our pipes.
wine_set_dpi() {
    set_prefix_dpi "$1"
    wineserver -p
    wine wineboot </dev/null >/dev/null 2>&1
}

# Writes the prefix's DPI and ends its wineserver, so that the next Wine program starts one at it.
set_prefix_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        </dev/null >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# Ends this prefix's wineserver and our Xvfb, by pid; nothing is ended by name.
wine_stop() {
    wine_env
    wineserver -k 2>/dev/null || true
    if [ -n "${WINE_XVFB_PID:-}" ]; then
        kill "$WINE_XVFB_PID" 2>/dev/null || true
        wait "$WINE_XVFB_PID" 2>/dev/null || true
        WINE_XVFB_PID=
    fi
}
