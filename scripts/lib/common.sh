# Shared by the project's scripts: the repository root and the packages the project needs.
TALLYVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Debian packages the builds, the Wine session, the screenshots, the fuzzing, the releases (wixl
# and msitools for the installer, zip for the portable release), the print test (a private
# CUPS server with a PDF queue, and the PDF read back as text) and the browser test (headless
# Chromium printing the saved statement to a PDF) need.
TALLYVANE_PACKAGES=(cmake ninja-build g++ googletest libbenchmark-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 fonts-wine
  xvfb xauth imagemagick clang libclang-rt-14-dev clang-format
  wixl msitools zip
  cups-daemon cups-client cups-core-drivers cups-filters poppler-utils chromium)

# Installs whatever of TALLYVANE_PACKAGES is missing; as non-root prints the apt-get line and fails.
install_missing_packages() {
    local missing=() p
    for p in "${TALLYVANE_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    # An index of a mirror that is mid-sync can fail while everything needed still installs:
    # judge the install, not the update.
    apt-get update -q >/dev/null 2>&1 || true
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}
