# Sourced by the other scripts: installs the Debian packages that building,
# running and testing need, when any of them is missing.
TOLVANE_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    libgl-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev libzxing-dev
    qt6-translations-l10n
    fonts-dejavu-core xvfb xauth socat
    dpkg-dev file help2man desktop-file-utils appstream lintian
    ccache
)

tolvane_install_deps() {
    local missing=()
    for p in "${TOLVANE_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds the tree in $1 with the extra cmake arguments that follow.
tolvane_build() {
    local dir="$1"; shift
    local launcher=()
    if command -v ccache >/dev/null; then
        # Paths relative to the checkout and the working folder left out of
        # the hash, so that every clone shares the cache (debug information
        # then names the folder of the clone that filled it).
        export CCACHE_BASEDIR="$TOLVANE_ROOT"
        export CCACHE_NOHASHDIR=1
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$TOLVANE_ROOT" -B "$dir" -G Ninja "${launcher[@]}" "$@"
    fi
    cmake --build "$dir"
}

# The benchmarks (scripts/bench) compare the barcode symbols with libzint's.
TOLVANE_BENCH_PACKAGES=(libzint-dev)

# The fuzz harnesses (scripts/fuzz) build with clang and its libFuzzer runtime.
TOLVANE_FUZZ_PACKAGES=(clang libclang-rt-dev)
