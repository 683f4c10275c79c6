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
      "${missing[@]}" >/dev/null ||
      zef_install_i386_fallback install "${missing[@]}" ||
      { echo "zefnote: apt-get install failed" >&2; return 1; }
  fi
  # Wine takes the Windows code page from the Unix locale: ja_JP.UTF-8 must exist.
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "zefnote: generating the ja_JP.UTF-8 locale"
    zef_as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | zef_as_root tee -a /etc/locale.gen >/dev/null
    zef_as_root locale-gen >/dev/null
  fi
}

# The i386 packages of a library must have the version of its installed amd64 twin.
# When the mirror's i386 index of the security suite is missing or broken, apt finds no
# such versions and gives up.  This retries with the security suite ranked low (so new
# packages come from the main suite, whose amd64 and i386 indexes agree) and, for twins
# whose installed amd64 version exists only in the security suite, the matching i386
# package fetched from the same pool.  MODE is "install" or "simulate".
zef_install_i386_fallback() {
  local mode=$1; shift
  local pref=/etc/apt/preferences.d/zefnote-i386-fallback
  local dir=/tmp/zefnote-i386-debs
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' |
    zef_as_root tee "$pref" >/dev/null
  mkdir -p "$dir"
  echo "zefnote: retrying the install with the security suite ranked low" >&2
  local debs=() try out n v file base rc=1 added
  for try in 1 2 3 4; do
    out=$(DEBIAN_FRONTEND=noninteractive zef_as_root apt-get install -s --no-install-recommends \
      "$@" "${debs[@]}" 2>&1)
    if ! grep -q '^E:' <<<"$out"; then
      if [ "$mode" = install ]; then
        DEBIAN_FRONTEND=noninteractive zef_as_root apt-get install -y -qq --no-install-recommends \
          "$@" "${debs[@]}" >/dev/null
        rc=$?
      else
        rc=0
      fi
      break
    fi
    added=0
    for n in $(grep -oE '[a-z0-9][a-z0-9.+-]*:i386' <<<"$out" | sed 's/:i386$//' | sort -u); do
      v=$(dpkg-query -W -f='${Version}' "$n:amd64" 2>/dev/null)
      [ -n "$v" ] || continue
      apt-cache policy "$n:i386" | grep -qF " $v " && continue
      file=$(apt-cache show "$n:amd64=$v" 2>/dev/null | awk '/^Filename:/ { print $2; exit }')
      # The archive of that version: the first source line under its version line.
      base=$(apt-cache policy "$n:amd64" | awk -v v="$v" '
        $1 == v || ($1 == "***" && $2 == v) { f = 1; next }
        $2 ~ /^[0-9]+$/ || $1 == "***" { f = 0 }
        f && $2 ~ /^https?:/ { print $2; exit }')
      [ -n "$file" ] && [ -n "$base" ] || continue
      local deb="$dir/$(basename "${file%_amd64.deb}")_i386.deb"
      [ -f "$deb" ] && continue
      if curl -fsS -o "$deb" "$base/${file%_amd64.deb}_i386.deb"; then
        echo "zefnote: fetched ${n}:i386 $v from $base" >&2
        debs+=("$deb")
        added=1
      else
        rm -f "$deb"
      fi
    done
    [ "$added" = 1 ] || break
  done
  zef_as_root rm -f "$pref"
  return $rc
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
