# Shared by scripts/run and scripts/test: installs the Debian/Ubuntu packages that are missing.
# Sourced, not run.

# install_missing PACKAGE...: apt-get installs those of PACKAGE... that are not installed yet, as root or
# through sudo.
install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What every build needs.
BUILD_PACKAGES=(g++ cmake ninja-build)
# What the tests and the benchmark need besides: node runs scrambled blocks, and Chromium shows the forms
# they write as a browser does.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev nodejs chromium)
# What the window program needs.
# fonts-wine holds an outline "MS Sans Serif" with the metrics of the Windows font the layouts were
# drawn for; fonts-liberation2 has the stand-ins for "Courier New" and "Arial".
UI_PACKAGES=(qt6-base-dev fonts-wine fonts-liberation2)
