# Installs the Debian packages the builds and tests need; quiet, and skipped when all are present.
TWEAK_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine64 fonts-wine xvfb xauth
  imagemagick clang libclang-rt-14-dev xdotool)

tweak_install_deps() {
  local missing=()
  for p in "${TWEAK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq >/dev/null &&
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >/dev/null
}

# tweak_benchmark_source: prints the folder of Google Benchmark's Debian source package (fetched
# once into build/deps/), which the Windows benchmarks are built from: Debian packages Google
# Benchmark for Linux only.
tweak_benchmark_source() {
  local deps="$PWD/build/deps" sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  local found
  found=$(ls -d "$deps"/benchmark-*/ 2>/dev/null | head -n 1)
  if [ -z "$found" ]; then
    if ! grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
      printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
        $sudo tee /etc/apt/sources.list.d/tweak-deb-src.sources >/dev/null
      $sudo apt-get update -qq >/dev/null
    fi
    mkdir -p "$deps" && (cd "$deps" && apt-get source -qq benchmark >/dev/null 2>&1)
    found=$(ls -d "$deps"/benchmark-*/ 2>/dev/null | head -n 1)
  fi
  [ -n "$found" ] && echo "${found%/}"
}
