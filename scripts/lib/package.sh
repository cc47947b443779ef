# Builds the releases: the per-user installer (wixl from msitools) and the portable zip.
# shellcheck source=common.sh
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The version of a configured build, as CMake wrote it from the top CMakeLists.txt.
#   build_version BUILD_FOLDER
build_version() {
    sed -n 's/^#define TALLYVANE_VERSION_TEXT "\(.*\)"$/\1/p' "$1/src/res/Version.h"
}

# Builds the installer of the 64-bit program at a version from packaging/Tallyvane.wxs.
#   build_msi PROGRAM_EXE VERSION OUTPUT_MSI
# wixl writes a package even when it ignores what it does not support, and then says so only in
# what it prints: anything it prints fails the build, and no package is left behind.
build_msi() {
    local program icon output log status=0
    # wixl finds files only by paths relative to the folder it runs in.
    program=$(realpath --relative-to="$TALLYVANE_ROOT" "$1")
    icon=src/res/Tallyvane.ico
    output=$(realpath -m "$3")
    log=$(cd "$TALLYVANE_ROOT" && wixl -a x64 -D Version="$2" -D ProgramFile="$program" \
        -D IconFile="$icon" -o "$output" packaging/Tallyvane.wxs 2>&1) || status=$?
    if [ $status -ne 0 ] || [ -n "$log" ]; then
        rm -f "$output"
        echo "wixl did not build $output cleanly (exit $status):" >&2
        echo "$log" >&2
        return 1
    fi
}
