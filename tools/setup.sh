#!/usr/bin/env bash
# Installs what building, running and testing Korvex needs on Debian 12, and only what is missing.
set -euo pipefail

packages=(
    make cmake g++ pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools
    clang libclang-rt-14-dev clang-format
    libbenchmark-dev
    # Every text of the nine languages: DejaVu Sans for Latin, Cyrillic and the ℃ and ℉ that
    # WenQuanYi Micro Hei draws empty, WenQuanYi for Chinese, Japanese and Korean.
    fonts-dejavu-core fonts-wqy-microhei
    desktop-file-utils appstream dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
        sudo=(sudo)
    else
        echo "Run as root or install sudo to install: ${missing[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
