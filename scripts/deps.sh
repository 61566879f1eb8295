# Installs the Debian packages the build and the tests need, skipping what is
# present. Sourced by run.sh and test.sh.
dsp_packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev libjpeg-dev libpng-dev
  zlib1g-dev libudev-dev libbenchmark-dev clang libclang-rt-14-dev lld fonts-dejavu-core fonts-wqy-microhei iproute2 xvfb xauth locales
  dpkg-dev"

install_deps() {
  local missing=()
  for p in $dsp_packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}
