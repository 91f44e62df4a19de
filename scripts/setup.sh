#!/usr/bin/env bash
# Installs every Debian package Zerulin needs to build, run, test, fuzz and benchmark.
# Safe to run again: apt-get skips what is already there. Any failed install stops the script.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git clang clang-format llvm libclang-rt-14-dev
  # the program's libraries
  qt6-base-dev qt6-qpa-plugins libqt6svg6 libcurl4-openssl-dev libicu-dev libpcre2-dev
  # a CJK font so the window's texts render
  fonts-wqy-zenhei
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev libssl-dev curl python3 time
  # real-window checks and screenshots
  xvfb xdotool x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  echo "setup: all ${#packages[@]} packages are installed"
  exit 0
fi

sudo=()
((EUID == 0)) || sudo=(sudo)
echo "setup: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
echo "setup: done"
