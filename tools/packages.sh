# Sourced by the set-up scripts: makes sure the Debian packages a step needs
# are installed, installing them when run as root.

# ensure_packages PACKAGE...
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "Kalmora needs these Debian packages, which are not installed:" >&2
        echo "    ${missing[*]}" >&2
        echo "Install them as root and run this command again:" >&2
        echo "    sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..."
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the viewer needs.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools fonts-liberation)
# What the tests need on top: a headless X server and tools to drive and
# photograph the real window, and the validators of the menu entry and the
# AppStream metadata.
TEST_PACKAGES=(xvfb xauth xdotool x11-apps imagemagick desktop-file-utils appstream)
