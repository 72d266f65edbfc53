# Sourced by the root scripts: installs the Debian packages that are missing.
# apt-get update runs only when something has to be installed. A name ending
# in "?" is wanted where this release offers it (a plugin that an older
# release builds into its library) and passed over where it does not.

package_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
package_offered() { [ -n "$(apt-cache show --no-all-versions "$1" 2>/dev/null)" ]; }

# Sets missing_packages to the names among "$@" to install.
find_missing_packages() {
    missing_packages=()
    local package name
    for package in "$@"; do
        name=${package%\?}
        package_installed "$name" && continue
        [ "$name" != "$package" ] && ! package_offered "$name" && continue
        missing_packages+=("$name")
    done
}

ensure_packages() {
    find_missing_packages "$@"
    [ ${#missing_packages[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please install as root: ${missing_packages[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update
    # The fresh lists tell what this release offers.
    find_missing_packages "$@"
    echo "Installing ${missing_packages[*]}"
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing_packages[@]}"
}

# What building Skyfolio needs; Arial's widths for the settings dialog's
# labels; the decoders of PNG, WebP and HEIF, and Qt's readers of TIFF and
# animated WebP; Qt's platform of Wayland sessions, and Qt's native
# interface, which names a window's Wayland surface to our own frames, and
# xkbcommon, which reads the keys typed on our layer surfaces; what
# CPack packs the Debian package with (dpkg-shlibdeps reads its
# dependencies, file finds the programs to read).
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-private-dev qt6-wayland libx11-dev libxcb1-dev libxcb-shm0-dev libxcb-sync-dev libwayland-dev libwayland-bin
                libxkbcommon-dev wayland-protocols plasma-wayland-protocols libjpeg-dev libpng-dev libwebp-dev libheif-dev
                qt6-image-formats-plugins libgtest-dev libbenchmark-dev fonts-liberation dpkg-dev file)
# What its tests need on top: a display server split into monitors, a user's
# hands and eyes, and clang with its libFuzzer for the fuzz targets (the
# release's own version of both); libheif's HEVC encoder, which makes the
# HEIC test pictures and is a plugin of its own from Debian 13 on; the
# checkers of the desktop files and of xscreensaver's settings file, and
# xscreensaver itself; for the idle watch, a session bus and gdbus, and the
# headless compositors it listens to (sway with wtype's keys, grim's
# screenshots and jq to read its tree; mutter) with Qt's Wayland platform for
# the saver it starts there, and a terminal window for the saver to cover;
# fonts of other widths than Arial's, in which the settings dialog must still
# show every caption whole.
TEST_PACKAGES=(xvfb x11-xserver-utils xdotool imagemagick x11-apps x11-utils clang libclang-rt-dev "libheif-plugin-x265?"
               desktop-file-utils libxml2-utils xscreensaver dbus-daemon libglib2.0-bin sway wtype grim jq mutter foot
               fonts-dejavu-core fonts-cantarell)
