#!/usr/bin/env bash
# Installs what is missing, builds llama.cpp once into a cache folder, builds Tessaquill,
# then runs the application or the test suite.
#
#   tools/setup.sh run     install, build, start the application
#   tools/setup.sh test    install, build, run every test
#   tools/setup.sh deps | llama | build   single steps
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="${TESSAQUILL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaquill}"
llama_pkg="node-llama-cpp@3.21.1"
llama_dir="$cache/llama.cpp-3.21.1"
build_dir="${TESSAQUILL_BUILD:-$here/build}"
jobs="$(nproc)"

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-multimedia-dev
  libatspi2.0-dev at-spi2-core libdbus-1-dev dbus dbus-x11 libglib2.0-dev gsettings-desktop-schemas
  libsecret-1-dev libsecret-tools gnome-keyring
  libssl-dev libenchant-2-dev libicu-dev
  # Spelling dictionaries of the interface languages Debian has one for (none for fa fi ja
  # kn mr ms pa ta ur zh; Filipino takes the Tagalog one).
  hunspell-en-us hunspell-ar hunspell-bn hunspell-ca hunspell-cs hunspell-da hunspell-de-de hunspell-el
  hunspell-es myspell-tl hunspell-fr hunspell-gu hunspell-he hunspell-hi hunspell-hr hunspell-hu hunspell-id
  hunspell-it hunspell-ko hunspell-ml hunspell-no hunspell-nl hunspell-pl hunspell-pt-br hunspell-ro
  hunspell-ru hunspell-sk hunspell-sv hunspell-sw hunspell-te hunspell-th hunspell-tr hunspell-uk hunspell-vi
  libxkbcommon-dev libxkbcommon-x11-dev libx11-dev libx11-xcb-dev libxext-dev libxfixes-dev
  libxi-dev libxtst-dev libxcb1-dev libxcb-ewmh-dev libxcb-icccm4-dev libxcb-xinput-dev
  libxcb-xtest0-dev libxcb-shape0-dev libxcb-image0-dev libxcb-composite0-dev
  tesseract-ocr tesseract-ocr-eng libtesseract-dev libleptonica-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth openbox zenity mousepad xdotool x11-utils imagemagick trayer xcompmgr firefox-esr chromium
  fonts-dejavu-core fonts-noto-color-emoji fonts-noto-core fonts-noto-cjk fonts-comfortaa
)

step_deps() {
  [ "${TQ_SKIP_DEPS:-}" = 1 ] && return 0
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  # npm fetches the llama.cpp source package; any installed Node.js will do.
  command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)
  if [ ${#missing[@]} -eq 0 ]; then return 0; fi
  echo "Installing ${#missing[@]} missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

step_llama() {
  if [ -f "$llama_dir/install/.done" ]; then
    # Caches made before llama-cpp.h (llama.cpp's owning pointers) was installed.
    [ -f "$llama_dir/install/include/llama-cpp.h" ] || cp "$llama_dir/src/include/llama-cpp.h" "$llama_dir/install/include/"
    return 0
  fi
  echo "Building llama.cpp once into $llama_dir"
  rm -rf "$llama_dir"
  mkdir -p "$llama_dir"
  local tmp
  tmp="$(mktemp -d)"
  (cd "$tmp" && npm pack --silent "$llama_pkg" >/dev/null && tar xzf node-llama-cpp-*.tgz package/llama)
  git clone --quiet "$tmp/package/llama/gitRelease.bundle" "$llama_dir/src"
  (cd "$llama_dir/src" && for p in "$tmp"/package/llama/patches/*.diff; do [ -f "$p" ] && git apply "$p" || true; done)
  rm -rf "$tmp"
  cmake -S "$llama_dir/src" -B "$llama_dir/build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=ON \
    -DGGML_NATIVE=ON -DGGML_OPENMP=ON -DLLAMA_CURL=OFF -DLLAMA_OPENSSL=OFF \
    -DLLAMA_BUILD_TESTS=OFF -DLLAMA_BUILD_EXAMPLES=OFF -DLLAMA_BUILD_TOOLS=ON -DLLAMA_BUILD_SERVER=ON \
    -DCMAKE_INSTALL_PREFIX="$llama_dir/install" >/dev/null
  cmake --build "$llama_dir/build" -j "$jobs" --target llama ggml llama-server llama-bench
  local inst="$llama_dir/install"
  mkdir -p "$inst/bin" "$inst/lib" "$inst/include"
  cp "$llama_dir/build/bin/llama-server" "$llama_dir/build/bin/llama-bench" "$inst/bin/"
  cp "$llama_dir/build/src/libllama.a" "$llama_dir"/build/ggml/src/libggml*.a "$inst/lib/"
  cp "$llama_dir"/src/include/llama.h "$llama_dir"/src/include/llama-cpp.h "$llama_dir"/src/ggml/include/*.h "$inst/include/"
  touch "$llama_dir/install/.done"
}

step_build() {
  cmake -S "$here" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTQ_LLAMA_DIR="$llama_dir" >/dev/null
  cmake --build "$build_dir" -j "$jobs"
}

step_run() {
  if [ -z "${DISPLAY:-}" ]; then
    echo "Tessaquill needs an X11 desktop session, and this shell has no DISPLAY. Run this command from a terminal on your desktop." >&2
    exit 1
  fi
  exec "$build_dir/app/tessaquill" "$@"
}

# Short libFuzzer runs (clang, AddressSanitizer) of every target under tests/fuzz.
step_fuzz() {
  (cd "$here" && cmake --preset fuzz -DTQ_LLAMA_DIR="$llama_dir" >/dev/null)
  cmake --build "$here/build-fuzz" -j "$jobs" --target tq_fuzz
  local work f
  work="$(mktemp -d)"
  for f in "$here"/build-fuzz/tests/fuzz/tq_fuzz_*; do
    [ -x "$f" ] || continue
    echo "Fuzzing $(basename "$f") for 20 s"
    (cd "$work" && "$f" -max_total_time=20 >"$work/log" 2>&1) || { tail -n 60 "$work/log"; return 1; }
  done
  rm -rf "$work"
}

step_test() {
  step_fuzz
  bash "$here/tools/desktop-session.sh" ctest --test-dir "$build_dir" --output-on-failure -j 4 --timeout 600
}

case "${1:-}" in
  deps) step_deps ;;
  llama) step_deps; step_llama ;;
  build) step_deps; step_llama; step_build ;;
  run) shift; step_deps; step_llama; step_build; step_run "$@" ;;
  test) step_deps; step_llama; step_build; step_test ;;
  *) echo "usage: tools/setup.sh run|test|deps|llama|build" >&2; exit 2 ;;
esac
