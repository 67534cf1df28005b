#!/usr/bin/env bash
# Lays the sample Windows 98 machine of res/sample98 into a Wine prefix:
#   - every file of layout.txt at its place (C:\ is drive_c, %WINDIR% is
#     C:\windows), in the case of a file of that name that Wine already has
#     (win.ini, system.ini), with the DOS attributes that layout.txt gives
#     (H hidden, S system, R read-only), set through Wine's own attrib;
#   - the values of registry.reg, imported with regedit.
# Nothing of the program goes into the prefix.
#
# tools/setup.sh runs it at every set-up. It first compares the prefix with
# res/sample98 from the Linux side (files, attributes, and the values in Wine's
# registry files) and does nothing when all match; when anything differs, for
# instance after the program applied changed settings in ./run.sh, it lays the
# whole machine out again and checks the result.
#
# Usage: tools/install_sample_machine.sh [--force] [PREFIX]
#   PREFIX defaults to $WINEPREFIX, else build/wineprefix. The prefix must
#   exist (tools/setup.sh makes it); a 32-bit one (build/wineprefix32) is laid
#   out through 32-bit Wine.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sample=$repo/res/sample98

force=0
if [ "${1:-}" = "--force" ]; then
  force=1
  shift
fi
prefix=${1:-${WINEPREFIX:-$repo/build/wineprefix}}
prefix=$(cd "$prefix" 2>/dev/null && pwd) || { echo "sample machine: no prefix at ${1:-${WINEPREFIX:-build/wineprefix}}" >&2; exit 1; }

say() { printf 'sample machine: %s\n' "$*"; }
die() { printf 'sample machine: ERROR: %s\n' "$*" >&2; exit 1; }

[ -f "$prefix/system.reg" ] && [ -d "$prefix/drive_c/windows" ] || die "$prefix is not a Wine prefix"
[ -f "$sample/layout.txt" ] && [ -f "$sample/registry.reg" ] || die "$sample lacks layout.txt or registry.reg"

# The 32-bit prefix of the i686 build is run by 32-bit Wine, the other by wine64.
if grep -q '^#arch=win32' "$prefix/system.reg"; then
  export WINEARCH=win32
  wine=/usr/lib/wine/wine
else
  export WINEARCH=win64
  wine=/usr/lib/wine/wine64
fi
[ -x "$wine" ] || die "$prefix needs $wine, which is not installed"
export WINEPREFIX=$prefix WINEDEBUG=-all LANG=de_DE.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=wineserver

# Reads layout.txt, registry.reg and the prefix from the Linux side.
#   plan:  one line per file: source, Unix target, Windows target, attributes
#   check: what differs from the sample, one line each; nothing when all match
sample_tool() {
  python3 - "$1" "$sample" "$prefix" <<'PY'
import os, re, stat, sys

mode, sample, prefix = sys.argv[1:4]
drive_c = os.path.join(prefix, "drive_c")


def layout():
    """(source name, Windows path, attribute letters) per line of layout.txt."""
    rows = []
    with open(os.path.join(sample, "layout.txt"), encoding="cp1252") as f:
        for line in f:
            line = line.strip()
            if line and not line.startswith(";"):
                source, target, attributes = line.split("=")
                rows.append((source, target, attributes.upper()))
    return rows


def unix_path(windows_path):
    """C:\\ and %WINDIR% under drive_c; each part in the case of an entry that
    already exists, else as written."""
    path = windows_path.replace("%WINDIR%", "C:\\windows")
    if not path.upper().startswith("C:\\"):
        sys.exit("layout.txt: %s is not on drive C:" % windows_path)
    here = drive_c
    for part in path[3:].split("\\"):
        try:
            found = [e for e in os.listdir(here) if e.lower() == part.lower()]
        except FileNotFoundError:
            found = []
        here = os.path.join(here, found[0] if found else part)
    return here


# Wine keeps hidden and system in the extended attribute user.DOSATTRIB
# ("0x%x") and read-only as a file without write permission.
DOS_BITS = {"R": 0x1, "H": 0x2, "S": 0x4}


def dos_attributes(path):
    try:
        value = int(os.getxattr(path, "user.DOSATTRIB").split(b"\0")[0], 16)
    except OSError:
        value = 0
    value &= DOS_BITS["H"] | DOS_BITS["S"]
    if not os.stat(path).st_mode & (stat.S_IWUSR | stat.S_IWGRP | stat.S_IWOTH):
        value |= DOS_BITS["R"]
    return value


def wanted_attributes(letters):
    return sum(DOS_BITS[c] for c in letters)


def unescape(text):
    """The string escapes of REGEDIT4 and of Wine's registry files."""
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            n = text[i + 1]
            if n == "x":
                m = re.match(r"[0-9a-fA-F]{1,4}", text[i + 2:])
                out.append(chr(int(m.group(0), 16)))
                i += 2 + len(m.group(0))
                continue
            out.append({"n": "\n", "r": "\r", "t": "\t", "0": "\0"}.get(n, n))
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def parse_value(data):
    """A value's data in REGEDIT4 or Wine notation, as (type, content)."""
    if data.startswith('"'):
        return ("sz", unescape(data[1:-1]))
    if data.startswith("str(2):"):
        return ("expand_sz", unescape(data[8:-1]))
    if data.startswith("dword:"):
        return ("dword", int(data[6:], 16))
    m = re.match(r"hex(?:\((\w+)\))?:(.*)", data, re.S)
    if m:
        kind = int(m.group(1) or "3", 16)
        digits = re.sub(r"[^0-9a-fA-F,]", "", m.group(2))
        return ("hex%d" % kind, bytes(int(b, 16) for b in digits.split(",") if b))
    return ("other", data)


def entries(lines):
    """Joins continued lines and splits "name"=data / @=data."""
    joined, pending = [], ""
    for line in lines:
        line = line.rstrip("\r\n")
        if pending:
            line = pending + line.lstrip()
            pending = ""
        if line.endswith("\\") and not line.endswith('\\\\"') and re.match(r'^(@|").*=hex', line):
            pending = line[:-1]
            continue
        joined.append(line)
    for line in joined:
        if line.startswith("@="):
            yield "", line[2:]
        else:
            m = re.match(r'^"((?:[^"\\]|\\.)*)"=(.*)$', line)
            if m:
                yield unescape(m.group(1)).lower(), m.group(2)


ROOTS = {
    "HKEY_CURRENT_USER": ("user.reg", ""),
    "HKEY_LOCAL_MACHINE": ("system.reg", ""),
    "HKEY_CLASSES_ROOT": ("system.reg", "Software\\Classes\\"),
}


def sample_values():
    """{(registry file, key in lower case): {value name: (type, content)}}."""
    with open(os.path.join(sample, "registry.reg"), encoding="cp1252") as f:
        lines = f.read().splitlines()
    if not lines or lines[0].strip() != "REGEDIT4":
        sys.exit("registry.reg does not start with REGEDIT4")
    values, key, block = {}, None, []

    def flush():
        if key is not None:
            values.setdefault(key, {}).update((n, parse_value(d)) for n, d in entries(block))

    for line in lines[1:]:
        m = re.match(r"^\[([^\]]+)\]\s*$", line)
        if m:
            flush()
            root, _, path = m.group(1).partition("\\")
            if root.upper() not in ROOTS:
                sys.exit("registry.reg: root %s is not handled" % root)
            hive, base = ROOTS[root.upper()]
            key, block = (hive, (base + path).lower()), []
        elif line.strip():
            block.append(line)
    flush()
    return values


def wine_values(hive, wanted_keys):
    values, key, block = {}, None, []
    with open(os.path.join(prefix, hive), encoding="utf-8", errors="replace") as f:
        for line in f:
            if line.startswith("["):
                if key in wanted_keys:
                    values[key] = dict((n, parse_value(d)) for n, d in entries(block))
                m = re.match(r"^\[(.*)\]\s+\d+", line)
                key, block = (hive, unescape(m.group(1)).lower()) if m else None, []
            elif key in wanted_keys and not line.startswith("#"):
                block.append(line)
    if key in wanted_keys:
        values[key] = dict((n, parse_value(d)) for n, d in entries(block))
    return values


def check():
    problems = []
    for source, target, letters in layout():
        path = unix_path(target)
        try:
            with open(path, "rb") as f:
                same = f.read() == open(os.path.join(sample, source), "rb").read()
        except FileNotFoundError:
            problems.append("%s is missing" % target)
            continue
        if not same:
            problems.append("%s differs from res/sample98/%s" % (target, source))
        if dos_attributes(path) != wanted_attributes(letters):
            problems.append("%s has attributes 0x%x, not %s" % (target, dos_attributes(path), letters or "none"))
    wanted = sample_values()
    present = {}
    for hive in sorted({h for h, _ in wanted}):
        present.update(wine_values(hive, {k for k in wanted if k[0] == hive}))
    for key, names in wanted.items():
        have = present.get(key)
        if have is None:
            problems.append("registry key %s is missing" % key[1])
            continue
        for name, value in names.items():
            if have.get(name) != value:
                problems.append("registry value %s\\%s is %r, not %r" % (key[1], name or "@", have.get(name), value))
    return problems


if mode == "plan":
    for source, target, letters in layout():
        print("\t".join((source, unix_path(target), target.replace("%WINDIR%", "C:\\windows"), letters)))
elif mode == "check":
    for problem in check():
        print(problem)
else:
    sys.exit("unknown mode " + mode)
PY
}

# Two set-ups at once (run.sh beside test.sh) must not lay out into each other.
exec 9>"$prefix/.quellwerk-sample.lock"
flock 9

if [ "$force" -eq 0 ]; then
  differences=$(sample_tool check) || die "cannot compare the prefix with $sample"
  if [ -z "$differences" ]; then
    say "in place ($prefix)"
    exit 0
  fi
  say "laying out again, the prefix differs from the sample:"
  head -n 8 <<<"$differences" | sed 's/^/  /'
  [ "$(wc -l <<<"$differences")" -le 8 ] || echo "  ..."
fi

started=$(date +%s)
plan=$(sample_tool plan) || die "cannot read $sample/layout.txt"

# Fresh files: a new inode carries no attributes of the one it replaces.
attrib_script=
while IFS=$'\t' read -r source target windows_path letters; do
  mkdir -p "$(dirname "$target")"
  rm -f "$target"
  cp "$sample/$source" "$target"
  chmod 644 "$target"
  # Wine's attrib takes one attribute per call; read-only goes last.
  for letter in H S R; do
    case "$letters" in
      *"$letter"*) attrib_script+="attrib +${letter,,} $windows_path & " ;;
    esac
  done
  [ -n "$letters" ] && attrib_script+="attrib $windows_path & "
done <<<"$plan"

if [ -n "$attrib_script" ]; then
  listing=$("$wine" cmd /c "${attrib_script% & }" 2>&1 | tr -d '\r') || die "attrib failed: $listing"
  # The listings ("A S  HR   C:\MSDOS.SYS") must show every letter asked for.
  while IFS=$'\t' read -r source target windows_path letters; do
    [ -n "$letters" ] || continue
    shown=$(grep -iF "$windows_path" <<<"$listing" | head -n1)
    flags=${shown%%[A-Za-z]:\\*}
    for ((i = 0; i < ${#letters}; i++)); do
      [[ "$flags" == *"${letters:i:1}"* ]] || die "attrib shows '$shown' for $windows_path, wanted $letters"
    done
  done <<<"$plan"
fi

# regedit reads a REGEDIT4 file in the ANSI code page, which is 1252 for German.
cp "$sample/registry.reg" "$prefix/drive_c/windows/temp/quellwerk-sample98.reg"
"$wine" regedit /S 'C:\windows\temp\quellwerk-sample98.reg' || die "regedit could not import registry.reg"
rm -f "$prefix/drive_c/windows/temp/quellwerk-sample98.reg"

# The registry reaches its files when the wineserver of the prefix ends.
"$wineserver" -w
differences=$(sample_tool check) || die "cannot compare the prefix with $sample"
if [ -n "$differences" ]; then
  printf '%s\n' "$differences" >&2
  die "the prefix does not hold the sample machine after laying it out"
fi
say "laid out in $(( $(date +%s) - started )) s ($prefix)"
