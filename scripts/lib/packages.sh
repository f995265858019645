# Debian packages of the build, the program and the tests, and their installation.
# Sourced by scripts/run, scripts/test and bench/run.

# To configure and build everything, tests included (Qt Test comes with qtbase5-dev).
# libqt5multimedia5-plugins holds Qt's PulseAudio back-end: without it Qt sees no audio device.
ZIB_BUILD_PACKAGES=(cmake g++ make qtbase5-dev qtmultimedia5-dev libqt5multimedia5-plugins
                    qttools5-dev qttools5-dev-tools)

# Only the tests need these: a private sound server (pulseaudio, which brings pactl), sox for
# reading WAV files back (soxi) and exiftool for their INFO list (sox skips it), xmllint for
# reading the XML files back, a virtual X display and the tools that look at its windows, what
# builds and checks the Debian package (dpkg-shlibdeps, file, desktop-file-validate, appstreamcli),
# and clang with its runtime libraries (libFuzzer, the sanitizers) for the fuzz targets.
ZIB_TEST_PACKAGES=(pulseaudio sox libimage-exiftool-perl libxml2-utils xvfb x11-utils
                   dpkg-dev file desktop-file-utils appstream clang libclang-rt-dev)

# What builds the Debian package: CPack computes its dependencies with dpkg-shlibdeps, which
# recognises the program with file.
ZIB_PACKAGE_PACKAGES=(dpkg-dev file)

# Only bench/run needs these: Google Benchmark, FFTW 3 (the FFT's anchor, linked by bench_fft
# alone), sox (the WAV rendering's anchor) and a private sound server for the tuner's figures.
ZIB_BENCH_PACKAGES=(libbenchmark-dev libfftw3-dev sox pulseaudio)

# Prints the packages among "$@" that are not installed, one a line.
zib_missing_packages() {
    local package
    for package in "$@"; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
            echo "$package"
        fi
    done
}

# Installs the packages among "$@" that are missing, through sudo when not root.
zib_install_packages() {
    local missing
    mapfile -t missing < <(zib_missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0

    local -a as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "missing packages (${missing[*]}) and no sudo to install them: run as root" >&2
            return 1
        fi
        as_root=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    # Another apt run on the machine holds the lock for a while: wait for it rather than fail.
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -q &&
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 \
            install -y -q --no-install-recommends "${missing[@]}"
}
