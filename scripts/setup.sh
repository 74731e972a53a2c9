#!/usr/bin/env bash
# Shared by scripts/run and scripts/test: installs the Debian packages the build needs when they
# are missing, then configures and builds one build folder.

# Compiler, build tools, Qt 6 (with SVG for pictures of the plan) and its offscreen platform, a
# font for the widgets, Qt's own Spanish texts, and Google Benchmark for the benchmarks.
RUMBARIO_PACKAGES=(
    cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n
    fonts-dejavu-core libbenchmark-dev
)

missing_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            echo "$package"
    done
}

install_packages() {
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    echo "Instalando: $missing"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Faltan paquetes y no soy root: apt-get install $missing" >&2
            return 1
        fi
    fi
    # shellcheck disable=SC2086
    "${sudo[@]}" apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends $missing
}

# configure_and_build FOLDER [CMAKE OPTIONS...]
configure_and_build() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja "$@" >/dev/null &&
        cmake --build "$folder" --parallel "$(nproc)"
}
