# Installs what the builds and tests need, through apt-get, when it is missing.
# Sourced by tools/test and tools/run.

# Everything but the 32-bit Wine.  Both Windows builds are made on every
# machine, so both cross compilers are here; the clang runtime for the fuzz
# build is added from the installed clang's version (zef_clang_rt_package).
zef_packages=(
  cmake ninja-build g++ clang curl
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb xauth x11-utils xdotool imagemagick fonts-ipafont-gothic locales
  nkf
  ghostscript poppler-utils   # printed jobs read back as text and page images
)
# The 32-bit Wine: wanted only where 32-bit programs execute, and not needed
# for a green run as long as the 64-bit Wine works.
zef_packages_i386=(wine32:i386)

zef_as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Whether this machine executes 32-bit x86 programs; some kernels refuse every
# one ("Exec format error").  Found out once per run by executing a 96-byte
# static i386 ELF that only exits with status 42 (it needs no 32-bit library);
# ZEF_EXEC32=1 or 0 forces the answer.  zef_exec32_how tells which it was.
zef_exec32() {
  if [ -z "${zef_exec32_answer:-}" ]; then
    case ${ZEF_EXEC32:-} in
      0 | 1)
        zef_exec32_answer=$ZEF_EXEC32
        zef_exec32_how="forced by ZEF_EXEC32=$ZEF_EXEC32"
        ;;
      *)
        [ -n "${ZEF_EXEC32:-}" ] && echo "zefnote: ZEF_EXEC32 must be 0 or 1, not '$ZEF_EXEC32'; checking" >&2
        mkdir -p build
        local probe=build/exec32-probe
        # ELF header, one loadable segment at 0x08048000, then
        # mov ebx, 42; mov eax, 1 (exit); int 0x80.
        printf '%b' '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
          '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
          '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
          '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
          '\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00' \
          '\x00\x10\x00\x00\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80' >"$probe"
        chmod +x "$probe"
        "./$probe" 2>/dev/null
        if [ $? = 42 ]; then zef_exec32_answer=1; else zef_exec32_answer=0; fi
        rm -f "$probe"
        zef_exec32_how="a 32-bit program was run"
        ;;
    esac
  fi
  [ "$zef_exec32_answer" = 1 ]
}

# Whether the Windows build PRESET (win32 or win64) can run its tests here:
# its Wine loader is installed and, for win32, 32-bit programs execute.
zef_wine_runnable() {
  case $1 in
    win32) zef_exec32 && [ -x /usr/lib/wine/wine ] ;;
    win64) [ -x /usr/lib/wine/wine64 ] ;;
    *) return 1 ;;
  esac
}

# The packages of NAME[:ARCH]... that are not installed, one a line (one dpkg
# query for all: a query costs a good part of a second on a busy machine).
zef_missing_packages() {
  dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Architecture}\n' 2>/dev/null |
    awk -v want="$*" '
      $1 == "ii" { have[$2] = 1; have[$2 ":" $3] = 1 }
      END { n = split(want, w, " "); for (i = 1; i <= n; i++) if (!(w[i] in have)) print w[i] }'
}

# The fuzz build links clang's own sanitizer and libFuzzer runtime, whose package
# is named after clang's major version.
zef_clang_rt_package() {
  local major
  major=$(clang -dumpversion 2>/dev/null | cut -d. -f1)
  [ -n "$major" ] && echo "libclang-rt-$major-dev"
}

zef_apt_updated=0
zef_apt_update() {
  [ $zef_apt_updated = 1 ] && return 0
  # A mirror in the middle of a sync serves index files that do not match their
  # release file; a later try usually gets a consistent set.
  local try
  for try in 1 2 3 4; do
    zef_as_root apt-get update -qq 2>&1 | grep -q '^E:' || break
    echo "zefnote: apt-get update incomplete (try $try), retrying" >&2
    sleep $((try * 15))
  done
  zef_apt_updated=1
}

# Installs the packages named that are missing; quiet unless it fails.
zef_apt_install() {
  local missing
  mapfile -t missing < <(zef_missing_packages "$@")
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "zefnote: installing ${missing[*]}"
  zef_apt_update
  DEBIAN_FRONTEND=noninteractive zef_as_root apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null ||
    zef_install_i386_fallback install "${missing[@]}"
}

zef_install_deps() {
  zef_apt_install "${zef_packages[@]}" || { echo "zefnote: apt-get install failed" >&2; return 1; }
  local rt
  rt=$(zef_clang_rt_package) || { echo "zefnote: clang does not tell its version" >&2; return 1; }
  zef_apt_install "$rt" || { echo "zefnote: apt-get install $rt failed" >&2; return 1; }
  if zef_exec32; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      echo "zefnote: adding the i386 architecture (for wine32)"
      zef_as_root dpkg --add-architecture i386
      zef_apt_updated=0
    fi
    zef_apt_install "${zef_packages_i386[@]}" ||
      echo "zefnote: the 32-bit Wine could not be installed; the i686 build's tests cannot run here" >&2
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
# It runs in a subshell whose exit, an interrupt included, removes the pin.
zef_install_i386_fallback() (
  local mode=$1; shift
  local pref=/etc/apt/preferences.d/zefnote-i386-fallback
  local dir=/tmp/zefnote-i386-debs
  trap 'zef_as_root rm -f "$pref"' EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM HUP
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
  return $rc
)

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
