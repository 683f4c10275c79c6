# Installs what the builds and tests need, through apt-get, when it is missing.
# Sourced by tools/test and tools/run.

zef_packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  g++-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386 xvfb xauth x11-utils xdotool imagemagick fonts-ipafont-gothic locales
  nkf
)

zef_as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

zef_install_deps() {
  local missing=()
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "zefnote: adding the i386 architecture (for wine32)"
    zef_as_root dpkg --add-architecture i386
    zef_need_update=1
  fi
  local p
  for p in "${zef_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "zefnote: installing ${missing[*]}"
    # A mirror in the middle of a sync serves index files that do not match their
    # release file; a later try usually gets a consistent set.
    local try
    for try in 1 2 3 4; do
      zef_as_root apt-get update -qq 2>&1 | grep -q '^E:' || break
      echo "zefnote: apt-get update incomplete (try $try), retrying" >&2
      sleep $((try * 15))
    done
    DEBIAN_FRONTEND=noninteractive zef_as_root apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >/dev/null || { echo "zefnote: apt-get install failed" >&2; return 1; }
  fi
  # Wine takes the Windows code page from the Unix locale: ja_JP.UTF-8 must exist.
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "zefnote: generating the ja_JP.UTF-8 locale"
    zef_as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | zef_as_root tee -a /etc/locale.gen >/dev/null
    zef_as_root locale-gen >/dev/null
  fi
}

# Configures and builds one preset; prints nothing but errors and a last line.
zef_build() {
  local preset=$1
  if [ ! -f "build/$preset/build.ninja" ]; then
    cmake --preset "$preset" >"build/$preset.configure.log" 2>&1 || {
      cat "build/$preset.configure.log" >&2; echo "zefnote: configuring $preset failed" >&2; return 1; }
  fi
  cmake --build --preset "$preset" -- -k 0 >"build/$preset.build.log" 2>&1 || {
    grep -E -A5 'error|Error' "build/$preset.build.log" | head -80 >&2
    echo "zefnote: building $preset failed (build/$preset.build.log)" >&2; return 1; }
  echo "zefnote: built $preset"
}
