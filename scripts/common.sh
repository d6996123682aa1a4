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

# The build folders, their options and their tests are the presets of CMakePresets.json
# (default: build/, sanitize: build-sanitize/, fuzz: build-fuzz/, bench: build-bench/,
# windows: build-windows/). CMake finds the presets in the folder it is started in.

# configure_and_build PRESET: configures the preset's build folder and builds what its build
# preset names, with one job per core.
configure_and_build() {
    (cd "$(repo_root)" &&
        cmake --preset "$1" >/dev/null &&
        cmake --build --preset "$1" --parallel "$(nproc)")
}

# run_workflow PRESET: configures, builds and tests one build folder as the workflow preset
# says, with one job per core for the build and for the tests.
run_workflow() {
    (cd "$(repo_root)" &&
        CMAKE_BUILD_PARALLEL_LEVEL=$(nproc) CTEST_PARALLEL_LEVEL=$(nproc) \
            cmake --workflow --preset "$1")
}

# What the layout check needs: Debian's clang-format, whose version fixes the layout.
KSE_FORMAT_PACKAGES=(clang-format)

# What the fuzz targets need beyond the build packages: clang and its libFuzzer runtime.
KSE_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# require_clang: fails loudly when clang++, which the fuzz preset builds with, is missing.
require_clang() {
    if ! command -v clang++ >/dev/null 2>&1; then
        echo "error: clang++ not found; the fuzz targets need clang (Debian packages: ${KSE_FUZZ_PACKAGES[*]})" >&2
        return 1
    fi
}

# build_fuzzers: configures build-fuzz/ (preset fuzz: clang and the fuzz targets) and builds
# the targets.
build_fuzzers() {
    require_clang || return 1
    configure_and_build fuzz
}
