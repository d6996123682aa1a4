# Shared by the set-up scripts: install what is missing, configure and build.
# shellcheck shell=bash

repo_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

# Debian packages the build, the tests and the demo need (bsdutils: `script`, the terminal of
# the final-wait test; zip and unzip: the release packing test; git: the source-archive
# test; util-linux: setpriv, with which a test runs the program as an ordinary user).
KSE_PACKAGES=(cmake g++ make qt6-base-dev libsqlite3-dev libgtest-dev sqlite3 bsdutils zip unzip git
    util-linux)

install_missing_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
    local build_dir=$1; shift
    cmake -S "$(repo_root)" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$build_dir" --parallel "$(nproc)"
}

# What the layout check needs: Debian's clang-format, whose version fixes the layout.
KSE_FORMAT_PACKAGES=(clang-format)

# What the fuzz targets need beyond the build packages: clang and its libFuzzer runtime.
KSE_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# build_fuzzers BUILD_DIR: configures BUILD_DIR with clang and the fuzz targets, and
# builds them. Fails loudly when clang is missing.
build_fuzzers() {
    local build_dir=$1
    if ! command -v clang++ >/dev/null 2>&1; then
        echo "error: clang++ not found; the fuzz targets need clang (Debian packages: ${KSE_FUZZ_PACKAGES[*]})" >&2
        return 1
    fi
    cmake -S "$(repo_root)" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DKSE_FUZZ=ON >/dev/null
    cmake --build "$build_dir" --target kse_fuzzers --parallel "$(nproc)"
}

# build_bench TARGET...: builds TARGETs in Release, without the tests, in build-bench/ (the
# benchmark's build folder: scripts/bench, scripts/bench-generate).
build_bench() {
    local build_dir
    build_dir="$(repo_root)/build-bench"
    install_missing_packages cmake g++ make qt6-base-dev libsqlite3-dev
    cmake -S "$(repo_root)" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build_dir" --parallel "$(nproc)" --target "$@" >/dev/null
}
