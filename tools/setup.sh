#!/usr/bin/env bash
# Prepares this machine for building and testing Quellwerk. Used by run.sh and
# test.sh; safe to run any number of times, and quick when nothing is missing.
#
#   1. Debian packages: the MinGW-w64 compilers, Wine, Xvfb, GoogleTest, clang
#      with its fuzzer runtime, the zlib/libjpeg/libpng dev packages ...
#   2. The de_DE.UTF-8 locale (Wine runs in German).
#   3. libjpeg-turbo and libpng cross-built from Debian's source packages for
#      both MinGW targets, into a cache outside the work tree:
#        ${QW_CACHE:-$HOME/.cache/quellwerk}/thirdparty/<win64|win32>/{include,lib}
#   4. A 64-bit Wine prefix in build/wineprefix that says it is Windows 98.
#   5. The sample machine inside that prefix, once tools/install_sample_machine.sh
#      exists.
#   6. Where the kernel runs 32-bit x86 code (tools/can_run_i386.sh): Debian's
#      32-bit Wine (wine32:i386, through the i386 architecture) beside the
#      64-bit one, a 32-bit prefix in build/wineprefix32, also Windows 98 in
#      German, and the sample machine inside it. There the product, the i686
#      build, runs as it would on Windows 98. Elsewhere one line says so.
#
# Runs as root, or as another user through sudo for the package steps.
# Environment: QW_CACHE (cache folder), QW_WINEPREFIX and QW_WINEPREFIX32
# (prefixes other than build/wineprefix and build/wineprefix32), QW_JOBS
# (parallel compile jobs, default 2), QW_NO_I386=1 (act as on a kernel
# without 32-bit code).
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export HOME="${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}"
cache=${QW_CACHE:-$HOME/.cache/quellwerk}
jobs=${QW_JOBS:-2}
wineprefix=${QW_WINEPREFIX:-$repo/build/wineprefix}
wineprefix32=${QW_WINEPREFIX32:-$repo/build/wineprefix32}

# Bump when the way a step builds its result changes: the step then runs again.
thirdparty_recipe=1
wineprefix_recipe=1

say() { printf 'setup: %s\n' "$*"; }
die() { printf 'setup: ERROR: %s\n' "$*" >&2; exit 1; }

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  as_root=(__no_root__)
fi
root() {
  [ "${as_root[*]-}" = "__no_root__" ] && die "need root (or sudo) for: $*"
  "${as_root[@]}" "$@"
}

# ---------------------------------------------------------------------------
# 1. Debian packages
# ---------------------------------------------------------------------------
packages=(
  g++-mingw-w64-x86-64-posix  # tests under Wine: GoogleTest needs std::mutex
  g++-mingw-w64-i686-win32    # the product for Windows 95/98/ME
  g++-mingw-w64-i686-posix    # the i686 build of the tests (std::mutex again)
  binutils-mingw-w64          # windres, objdump for both targets
  libz-mingw-w64-dev          # zlib for libpng in both MinGW targets
  wine wine64 fonts-wine
  xvfb xdotool imagemagick x11-apps   # a display and screenshots
  cabextract gcab
  googletest                  # sources in /usr/src/googletest, built per target
  zlib1g-dev libjpeg62-turbo-dev libpng-dev   # native build
  locales dpkg-dev            # de_DE.UTF-8; dpkg-source for apt-get source
  cmake ninja-build
  clang libclang-rt-14-dev    # libFuzzer, ASan and LSan runtimes
  python3                     # tools/check_win9x_imports.py
  python3-pil                 # tools/make_pictures.py (for /usr/bin/python3)
  python3-reportlab           # tools/make_order_form.py: bestellen.pdf
  fonts-dejavu-core           # tools/make_pictures.py: the wordmarks
)

apt_updated=0
apt_update() {
  [ "$apt_updated" -eq 1 ] && return
  say "apt-get update"
  root apt-get update -qq
  apt_updated=1
}

ensure_packages() {
  local installed missing=() p
  installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null \
    | awk '$2 == "installed" { sub(/:.*/, "", $1); print $1 }' || true)
  for p in "${packages[@]}"; do
    grep -qx -- "$p" <<<"$installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    say "packages: all ${#packages[@]} installed"
    return
  fi
  say "packages: installing ${missing[*]}"
  apt_update
  root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

# ---------------------------------------------------------------------------
# 2. German locale
# ---------------------------------------------------------------------------
ensure_locale() {
  if locale -a 2>/dev/null | grep -ix 'de_DE\.utf-\?8' >/dev/null; then
    say "locale: de_DE.UTF-8 present"
    return
  fi
  say "locale: generating de_DE.UTF-8"
  if grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | root tee -a /etc/locale.gen >/dev/null
  fi
  root locale-gen >/dev/null
}

# ---------------------------------------------------------------------------
# 3. libjpeg-turbo and libpng for both MinGW targets
# ---------------------------------------------------------------------------
have_deb_src() {
  grep -Eqs '^[[:space:]]*Types:.*deb-src' /etc/apt/sources.list.d/*.sources \
    || grep -Eqs '^[[:space:]]*deb-src[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list
}

# A fresh machine lists only binary packages: add the source entries of the
# very archives it already uses.
ensure_deb_src() {
  if have_deb_src; then
    return
  fi
  local deb822=/etc/apt/sources.list.d/debian.sources
  if [ -f "$deb822" ]; then
    say "apt: adding deb-src entries for the archives of $deb822"
    awk 'BEGIN { RS = ""; FS = "\n" }
      { types = ""; rest = ""
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^#/) continue
          if (tolower($i) ~ /^types:/) { types = $i; continue }
          rest = rest $i "\n"
        }
        if (types ~ /[: \t]deb([ \t]|$)/) printf "%sTypes: deb-src\n%s", (n++ ? "\n" : ""), rest
      }' "$deb822" | root tee /etc/apt/sources.list.d/quellwerk-deb-src.sources >/dev/null
  elif [ -f /etc/apt/sources.list ]; then
    say "apt: adding deb-src entries for the archives of /etc/apt/sources.list"
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list \
      | root tee /etc/apt/sources.list.d/quellwerk-deb-src.list >/dev/null
  else
    die "no apt source list found to derive deb-src entries from"
  fi
  apt_updated=0
  apt_update
}

# Newest unpacked source folder of a package, e.g. src/libpng1.6-1.6.39.
source_dir() {
  local found
  found=$(ls -d "$cache/src/$1"-[0-9]*/ 2>/dev/null | sort -V | tail -n1 || true)
  echo "${found%/}"
}

fetch_sources() {
  mkdir -p "$cache/src"
  local pkg need=()
  for pkg in libjpeg-turbo libpng1.6; do
    [ -n "$(source_dir "$pkg")" ] || need+=("$pkg")
  done
  [ ${#need[@]} -eq 0 ] && return
  ensure_deb_src
  for pkg in "${need[@]}"; do
    fetch_source "$pkg"
  done
}

# The newest version first; a mirror may lack the newest source files (seen
# with the security archive), so older versions of the release follow.
fetch_source() {
  local pkg=$1 version versions log=$cache/src/apt-get-source.log
  versions=$(apt-cache showsrc "$pkg" 2>/dev/null | sed -n 's/^Version: //p' | sort -rV | uniq || true)
  if [ -z "$versions" ]; then  # deb-src entries whose lists were never fetched
    apt_update
    versions=$(apt-cache showsrc "$pkg" 2>/dev/null | sed -n 's/^Version: //p' | sort -rV | uniq || true)
  fi
  for version in $versions; do
    say "thirdparty: apt-get source $pkg=$version"
    if (cd "$cache/src" && apt-get source -q "$pkg=$version" >"$log" 2>&1) && [ -n "$(source_dir "$pkg")" ]; then
      rm -f "$log"
      return
    fi
    say "thirdparty: $pkg=$version could not be fetched: $(grep -m1 '^E:' "$log" | cut -c1-160)"
  done
  die "apt-get source $pkg: no version could be fetched (see $log)"
}

thirdparty_key() {  # what the built libraries depend on; a change rebuilds them
  local cc_pkg=$1
  echo "recipe=$thirdparty_recipe compiler=$(dpkg-query -W -f='${Version}' "$cc_pkg" 2>/dev/null)" \
    "jpeg=$(basename "$(source_dir libjpeg-turbo)") png=$(basename "$(source_dir libpng1.6)")"
}

build_thirdparty_target() {
  local target=$1 toolchain=$2 triplet=$3 cflags=$4 cc_pkg=$5
  local dest=$cache/thirdparty/$target stamp=$cache/thirdparty/$target/.stamp
  local key
  key=$(thirdparty_key "$cc_pkg")
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ]; then
    say "thirdparty $target: up to date ($dest)"
    return
  fi
  fetch_sources
  key=$(thirdparty_key "$cc_pkg")
  local jpeg_src png_src work stage started
  jpeg_src=$(source_dir libjpeg-turbo)
  png_src=$(source_dir libpng1.6)
  work=$cache/build/$target
  stage=$cache/thirdparty/.$target.new
  started=$(date +%s)
  say "thirdparty $target: building $(basename "$jpeg_src") and $(basename "$png_src")"
  rm -rf "$work" "$stage"
  mkdir -p "$work" "$stage/include" "$stage/lib"

  # Static libjpeg only: no SIMD (the product runs on any i686), no TurboJPEG
  # API, no command-line tools.
  cmake -S "$jpeg_src" -B "$work/jpeg" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS="$cflags" -DCMAKE_INSTALL_PREFIX="$stage" \
    -DENABLE_SHARED=0 -DENABLE_STATIC=1 -DWITH_SIMD=0 -DWITH_TURBOJPEG=0 \
    >"$work.jpeg-configure.log" 2>&1 || { cat "$work.jpeg-configure.log"; die "libjpeg-turbo configure ($target)"; }
  cmake --build "$work/jpeg" --target jpeg-static --parallel "$jobs" >"$work.jpeg-build.log" 2>&1 \
    || { tail -n 40 "$work.jpeg-build.log"; die "libjpeg-turbo build ($target)"; }
  cp "$work/jpeg/libjpeg.a" "$stage/lib/"
  cp "$jpeg_src/jpeglib.h" "$jpeg_src/jerror.h" "$jpeg_src/jmorecfg.h" "$work/jpeg/jconfig.h" "$stage/include/"

  # Static libpng over Debian's MinGW zlib; plain C filters (no SSE2 on a
  # Windows 95 machine).
  cmake -S "$png_src" -B "$work/png" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS="$cflags" -DCMAKE_INSTALL_PREFIX="$stage" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF \
    -DZLIB_INCLUDE_DIR="/usr/$triplet/include" -DZLIB_LIBRARY="/usr/$triplet/lib/libz.a" \
    >"$work.png-configure.log" 2>&1 || { cat "$work.png-configure.log"; die "libpng configure ($target)"; }
  cmake --build "$work/png" --target png_static --parallel "$jobs" >"$work.png-build.log" 2>&1 \
    || { tail -n 40 "$work.png-build.log"; die "libpng build ($target)"; }
  cp "$work/png/libpng16.a" "$stage/lib/"
  cp "$png_src/png.h" "$png_src/pngconf.h" "$work/png/pnglibconf.h" "$stage/include/"

  echo "$key" >"$stage/.stamp"
  rm -rf "$dest"
  mv "$stage" "$dest"
  rm -rf "$work" "$work".*.log
  rmdir "$cache/build" 2>/dev/null || true
  say "thirdparty $target: done in $(( $(date +%s) - started )) s ($dest)"
}

ensure_thirdparty() {
  mkdir -p "$cache/thirdparty"
  # Two set-ups at once (run.sh beside test.sh) must not build into each other.
  exec 8>"$cache/.thirdparty.lock"
  flock 8
  build_thirdparty_target win64 toolchain-mingw64.cmake x86_64-w64-mingw32 "" g++-mingw-w64-x86-64-posix
  build_thirdparty_target win32 toolchain-mingw32.cmake i686-w64-mingw32 "-march=i686" g++-mingw-w64-i686-win32
  flock -u 8
}

# ---------------------------------------------------------------------------
# 4. Wine prefixes: Windows 98, German; 64-bit, and 32-bit where it can run
# ---------------------------------------------------------------------------
# wine_env PREFIX ARCH: the environment of a Wine run in that prefix.
wine_env() {
  export WINEPREFIX="$1" WINEARCH=$2 WINEDEBUG=-all LANG=de_DE.UTF-8
  export WINEDLLOVERRIDES="mscoree,mshtml="  # no offer to install Mono or Gecko
}

# The loader of each Wine: wine64 from the package wine64, wine from wine32.
wine_loader() {
  case $1 in
    win64) echo /usr/lib/wine/wine64 ;;
    win32) echo /usr/lib/wine/wine ;;
  esac
}

# One wineserver serves both (Debian's wrapper picks wineserver64 as well).
wineserver_bin() {
  if [ -x /usr/lib/wine/wineserver64 ]; then echo /usr/lib/wine/wineserver64; else echo wineserver; fi
}

# ensure_wineprefix PREFIX ARCH WINE-PACKAGE
ensure_wineprefix() {
  local prefix=$1 arch=$2 wine_pkg=$3
  local stamp=$prefix/.quellwerk-prefix wine
  local key="recipe=$wineprefix_recipe wine=$(dpkg-query -W -f='${Version}' "$wine_pkg" 2>/dev/null) version=win98"
  [ "$arch" = win64 ] || key+=" arch=$arch"
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ]; then
    say "wine prefix ($arch): ready ($prefix)"
    return
  fi
  wine=$(wine_loader "$arch")
  local started
  started=$(date +%s)
  say "wine prefix ($arch): creating $prefix (this takes a while)"
  # A prefix without our stamp was left half-made: start it afresh.
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  (
    wine_env "$prefix" "$arch"
    "$wine" wineboot -i >/dev/null 2>&1 || true
    "$(wineserver_bin)" -w
    "$wine" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win98 /f >/dev/null 2>&1
    "$(wineserver_bin)" -w
    "$wine" reg query 'HKCU\Software\Wine' /v Version 2>/dev/null | tr -d '\r' | grep 'win98' >/dev/null \
      || die "wine prefix ($arch): the Windows version did not take"
    "$(wineserver_bin)" -w
  )
  [ -f "$prefix/system.reg" ] || die "wine prefix ($arch): wineboot made no registry in $prefix"
  if [ "$arch" = win32 ]; then
    grep -q '^#arch=win32' "$prefix/system.reg" || die "wine prefix ($arch): $prefix is not a 32-bit prefix"
  fi
  echo "$key" >"$stamp"
  say "wine prefix ($arch): done in $(( $(date +%s) - started )) s"
}

# ---------------------------------------------------------------------------
# 5. The sample Windows 98 machine inside a prefix
# ---------------------------------------------------------------------------
# tools/install_sample_machine.sh, once it exists, lays the sample machine from
# res/ into the prefix. It runs at every set-up with WINEPREFIX set and the
# prefix as its argument, so it must itself be idempotent and quick when done.
# install_sample_machine PREFIX ARCH
install_sample_machine() {
  local hook=$repo/tools/install_sample_machine.sh
  if [ ! -f "$hook" ]; then
    return
  fi
  say "sample machine: $hook $1"
  ( wine_env "$1" "$2"; bash "$hook" "$1" )
}

# ---------------------------------------------------------------------------
# 6. 32-bit Wine, where the kernel runs 32-bit x86 code
# ---------------------------------------------------------------------------
# Debian's way to have both: the i386 architecture and wine32:i386 of the
# same version beside wine64.
ensure_wine32() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    say "wine32: adding the i386 architecture"
    root dpkg --add-architecture i386
    apt_updated=0
  fi
  if [ "$(dpkg-query -W -f='${db:Status-Status}' wine32:i386 2>/dev/null)" = installed ]; then
    say "wine32: installed ($(dpkg-query -W -f='${Version}' wine32:i386))"
    return
  fi
  local version
  version=$(dpkg-query -W -f='${Version}' wine64)
  say "wine32: installing wine32:i386=$version beside wine64"
  apt_update
  root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "wine32:i386=$version"
}

ensure_32bit_side() {
  local why
  if ! why=$(bash "$repo/tools/can_run_i386.sh"); then
    say "32-bit Wine: left out, $why; the i686 build is not run here"
    return
  fi
  ensure_wine32
  ensure_wineprefix "$wineprefix32" win32 wine32:i386
  install_sample_machine "$wineprefix32" win32
}

# ---------------------------------------------------------------------------
# 7. The order form, laid into the program folder with the program
# ---------------------------------------------------------------------------
ensure_order_form() {
  [ -f "$repo/res/bestellen.pdf" ] && return
  say "order form: tools/make_order_form.py"
  /usr/bin/python3 "$repo/tools/make_order_form.py" --out "$repo/res/bestellen.pdf"
}

# ---------------------------------------------------------------------------
# 8. The hosted ActiveX modules registered on the sample machine
# ---------------------------------------------------------------------------
# Once a build has made them, "qw32perfx.ocx" and "qw32reax.ocx" of
# build/<win64|win32>/modules are registered in the prefix of that build with
# regsvr32, as the suite's set-up does on Windows. A registration that
# already names the file is left alone.
# register_modules PREFIX ARCH BUILD
register_modules() {
  local prefix=$1 arch=$2 folder=$repo/build/$3/modules f windows escaped
  [ -f "$prefix/system.reg" ] || return 0
  # Only the hosted controls are COM servers; the other .ocx files we ship
  # are stand-ins that carry a version and nothing to register.
  for f in "$folder"/qw32perfx.ocx "$folder"/qw32reax.ocx; do
    [ -f "$f" ] || continue
    windows="Z:${f//\//\\}"
    escaped=${windows//\\/\\\\}
    grep -qiF "@=\"$escaped\"" "$prefix/system.reg" && continue
    say "modules: regsvr32 $(basename "$f") ($arch)"
    ( wine_env "$prefix" "$arch"; "$(wine_loader "$arch")" regsvr32 /s "$windows" >/dev/null 2>&1
      "$(wineserver_bin)" -w ) || say "modules: regsvr32 $(basename "$f") failed ($arch)"
  done
}

# ---------------------------------------------------------------------------
started=$(date +%s)
ensure_packages
ensure_locale
ensure_thirdparty
ensure_wineprefix "$wineprefix" win64 wine64
install_sample_machine "$wineprefix" win64
ensure_32bit_side
ensure_order_form
register_modules "$wineprefix" win64 win64
[ -f "$wineprefix32/system.reg" ] && register_modules "$wineprefix32" win32 win32
say "ready in $(( $(date +%s) - started )) s"
