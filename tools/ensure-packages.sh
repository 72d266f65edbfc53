# Sourced by the root scripts: installs the Debian packages that are missing.
# apt-get update runs only when something has to be installed.

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    echo "Installing ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# What building Skyfolio needs; Arial's widths for the settings dialog's
# labels; the decoders of PNG, WebP and HEIF, and Qt's readers of TIFF and
# animated WebP; Qt's platform of Wayland sessions, and Qt's native
# interface, which names a window's Wayland surface to our own frames, and
# xkbcommon, which reads the keys typed on our layer surfaces; what
# CPack packs the Debian package with (dpkg-shlibdeps reads its
# dependencies, file finds the programs to read).
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-private-dev qt6-wayland libx11-dev libxcb1-dev libxcb-sync-dev libwayland-dev libwayland-bin
                libxkbcommon-dev wayland-protocols plasma-wayland-protocols libjpeg-dev libpng-dev libwebp-dev libheif-dev
                qt6-image-formats-plugins libgtest-dev libbenchmark-dev fonts-liberation dpkg-dev file)
# What its tests need on top: a display server split into monitors, a user's
# hands and eyes, and clang with its libFuzzer for the fuzz targets; the
# checkers of the desktop files and of xscreensaver's settings file, and
# xscreensaver itself; for the idle watch, a session bus and gdbus, and the
# headless compositors it listens to (sway with wtype's keys, grim's
# screenshots and jq to read its tree; mutter) with
# Qt's Wayland platform for the saver it starts there; a terminal window
# for the saver to cover.
TEST_PACKAGES=(xvfb x11-xserver-utils xdotool imagemagick x11-apps x11-utils clang libclang-rt-14-dev
               desktop-file-utils libxml2-utils xscreensaver dbus-daemon libglib2.0-bin sway wtype grim jq mutter qt6-wayland foot)
