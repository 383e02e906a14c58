# Shared by scripts/run, scripts/test, scripts/fuzz and scripts/bench: install what is missing,
# configure, build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${TALVINOR_BUILD_DIR:-$ROOT/build}"
# The sanitizer build: Debug (assertions on) with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD_DIR="${TALVINOR_ASAN_BUILD_DIR:-$ROOT/build-asan}"

install_packages() {
    local wanted missing=()
    wanted=$(grep -v '^\s*#' "$ROOT/scripts/packages.txt" | sed '/^\s*$/d')
    for pkg in $wanted; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure [build type [build folder [more CMake arguments...]]]
configure() {
    local build_type="${1:-RelWithDebInfo}"
    local dir="${2:-$BUILD_DIR}"
    shift $(( $# < 2 ? $# : 2 ))
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" "${launcher[@]}" "$@" >/dev/null
}

# build [build folder [targets...]]: the targets named, or every target.
build() {
    local dir="${1:-$BUILD_DIR}"
    shift $(( $# < 1 ? $# : 1 ))
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$dir" --parallel "${TALVINOR_JOBS:-$(nproc)}" "${targets[@]}"
}

# configure_and_build [build type [build folder [more CMake arguments...]]]: every target.
configure_and_build() {
    configure "$@"
    build "${2:-$BUILD_DIR}"
}

configure_and_build_sanitized() {
    configure_and_build Debug "$ASAN_BUILD_DIR" -DTALVINOR_SANITIZE=ON -DTALVINOR_BENCHMARKS=OFF
}

# How the sanitizers report: stop at the first finding with a stack. Leaks are not checked (the
# toolkit keeps caches for the life of the process).
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=0:halt_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
