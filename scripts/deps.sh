#!/usr/bin/env bash
# Installs the Debian packages that building, testing and screenshots need,
# when any of them is missing. Sourced by run.sh and test.sh.
fixturo_install_deps() {
    local packages=(build-essential cmake libgtest-dev qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
                    qt6-translations-l10n
                    fonts-liberation2 xvfb xauth imagemagick python3 poppler-utils "$@")
    local missing=()
    local p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}
