# Installs the Debian packages the builds and tests need; quiet, and skipped when all are present.
TWEAK_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine64 fonts-wine xvfb xauth
  imagemagick clang libclang-rt-14-dev)

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
