# The project's private Wine session: its own Xvfb display, its own prefix under build/ and a
# persistent wineserver. Every script and test that runs a Windows program uses it.
# shellcheck source=common.sh
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

wine_env() {
    export WINEPREFIX="$TALLYVANE_ROOT/build/wineprefix"
    export WINEDEBUG=-all,err+module
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    export WINEARCH=win64
    export LANG=C.UTF-8
}

# Starts a private Xvfb on a free display and exports DISPLAY; its pid goes to WINE_XVFB_PID.
start_xvfb() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$fifo" >/dev/null 2>&1 &
    WINE_XVFB_PID=$!
    local number
    read -r -t 20 number <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

# The size of the prefix's virtual desktop, in pixels.
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
    start_xvfb || return 1
    create_prefix
    # A server left running for this prefix (by an earlier run cut short) serves as well.
    wineserver -p 2>/dev/null || true
    configure_prefix
    wine wineboot </dev/null >/dev/null 2>&1
    trap wine_stop EXIT
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
