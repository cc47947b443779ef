# Helpers of the scripts that run the program in a place prepared for it.
# shellcheck source=../../scripts/lib/wine.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/wine.sh"

# Copies the program into a new folder with an empty working folder beside it; prints the folder.
prepare_place() {
    local place
    place=$(mktemp -d)
    cp "$1" "$place/Tallyvane.exe"
    mkdir "$place/current"
    echo "$place"
}

# Runs a command with a wineserver of its own, ended afterwards. A namespace with mounts or a user
# of its own needs one: the wineserver opens the files itself, and the shared one sees neither.
# The server's socket lies under TMPDIR, so a new TMPDIR gives a new server.
with_own_wineserver() {
    local folder status=0
    folder=$(mktemp -d)
    TMPDIR=$folder "$@" || status=$?
    TMPDIR=$folder wineserver -k 2>/dev/null || true
    TMPDIR=$folder wineserver -w 2>/dev/null || true
    rm -rf "$folder"
    return $status
}
