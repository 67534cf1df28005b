#!/usr/bin/env python3
"""The cabinet round trip: random file sets written by our cabinet writer
(qw_cabwrite) and read back by independent readers, each of which must give
exactly the names, sizes, bytes, DOS dates and attributes that went in:

  - cabextract -t (the block checksums and the decompressed data), then an
    extraction with -e CP850 compared byte for byte, and cabextract -l for the
    dates and times;
  - gcab -x, and gcab -l for the sizes, dates, times and attributes;
  - Wine's FDI (FDICopy) through tests/cab/fdi_list.exe when --fdi names it.

With --makecab the same sets are also written by the program's cabinet
component through Wine's "cabinet.dll" (qw_makecab.exe) and read back by the
same readers.

Every set is made from its own seed; a failure prints the seed, and
--seed SEED --count 1 repeats exactly that set.

  cab_roundtrip.py --writer build/native/safety/qw_cabwrite [--count N]
                   [--seed SEED] [--wine cmake/wine-run.sh] [--fdi fdi_list.exe]
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

BLOCK = 32768
SPECIAL_SIZES = [0, 1, 3, BLOCK - 1, BLOCK, BLOCK + 1, 900001]
WORDS = [b"[boot]", b"shell=Explorer.exe", b"DEVICE=C:\\WINDOWS\\HIMEM.SYS", b"Schriftarten", b"0x0000",
         b"HKEY_LOCAL_MACHINE", b"InprocServer32", b"Apartment", b"\r\n", b"=", b" ", b"\x00\x00\x00\x01"]


def content(rng, size, kind):
    if kind == "random":  # incompressible
        return rng.randbytes(size)
    if kind == "zeros":
        return bytes(size)
    out = bytearray()
    while len(out) < size:
        out += rng.choice(WORDS)
        if rng.random() < 0.05:
            out += rng.randbytes(rng.randrange(1, 40))
    return bytes(out[:size])


def dos_stamp(seconds):
    t = time.localtime(seconds)
    return (t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec - t.tm_sec % 2)


class Entry:
    def __init__(self, path, name, data, mtime, attributes):
        self.path, self.name, self.data, self.mtime, self.attributes = path, name, data, mtime, attributes


def make_set(rng, folder, big):
    """Files on disk and the list for the writer. Names are OEM (code page
    850) bytes; the set always holds the cases the format has edges at."""
    entries = []
    sizes = list(SPECIAL_SIZES) if big else rng.sample(SPECIAL_SIZES[:-1], 3)
    sizes += [rng.randrange(0, 200000) for _ in range(rng.randrange(1, 12))]
    if big:  # crosses the folder threshold several times, compressed
        sizes += [1200000, 1100000, 1000001]
    rng.shuffle(sizes)
    for i, size in enumerate(sizes):
        kind = "random" if size >= 1000000 else rng.choice(["random", "text", "text", "zeros"])
        stem = rng.choice(["SYSTEM", "user", "Größe", "ärger", "io", "Protokoll", "win", "TTFCache"])
        name = ("%s%d.%s" % (stem, i, rng.choice(["dat", "ini", "sys", "bat", "CB"]))).encode("cp850")
        sub = os.path.join(folder, "d%d" % (i % 3))
        os.makedirs(sub, exist_ok=True)
        path = os.path.join(sub, "f%d" % i)
        data = content(rng, size, kind)
        with open(path, "wb") as f:
            f.write(data)
        mtime = rng.randrange(int(time.mktime((1998, 1, 1, 0, 0, 0, 0, 0, -1))),
                              int(time.mktime((2002, 12, 31, 0, 0, 0, 0, 0, -1))))
        os.utime(path, (mtime, mtime))
        attributes = rng.choice([0x00, 0x01, 0x02, 0x04, 0x20, 0x27, 0x21, 0xA0])  # 0x80 must not survive
        entries.append(Entry(path, name, data, mtime, attributes))
    # Two files of the same name in different folders: the first one stays.
    twin = rng.choice(entries)
    other = os.path.join(folder, "twin")
    os.makedirs(other, exist_ok=True)
    twin_path = os.path.join(other, "f")
    with open(twin_path, "wb") as f:
        f.write(b"the second one, which must not be stored")
    listed = list(entries)
    listed.insert(rng.randrange(entries.index(twin) + 1, len(entries) + 1),
                  Entry(twin_path, twin.name.swapcase() if rng.random() < 0.5 else twin.name, b"", 0, 0x20))
    return entries, listed


def fail(seed, message):
    print("cab round trip FAILED (seed %d): %s" % (seed, message))
    print("repeat with: --seed %d --count 1" % seed)
    sys.exit(1)


def run(cmd, **kw):
    return subprocess.run(cmd, capture_output=True, **kw)


def check_cabextract(seed, cab, entries, work):
    r = run(["cabextract", "-t", cab])
    if r.returncode != 0:
        fail(seed, "cabextract -t: " + (r.stdout + r.stderr).decode("utf-8", "replace"))
    out = os.path.join(work, "cabextract")
    r = run(["cabextract", "-q", "-e", "CP850", "-d", out, cab])
    if r.returncode != 0:
        fail(seed, "cabextract: " + r.stderr.decode("utf-8", "replace"))
    got = sorted(os.listdir(out))
    want = sorted(e.name.decode("cp850") for e in entries)
    if got != want:
        fail(seed, "cabextract names %r, wanted %r" % (got, want))
    for e in entries:
        with open(os.path.join(out, e.name.decode("cp850")), "rb") as f:
            if f.read() != e.data:
                fail(seed, "cabextract: %r differs" % e.name)
    # "  size | dd.mm.yyyy hh:mm:ss | name"
    r = run(["cabextract", "-l", "-e", "CP850", cab])
    listed = {}
    for line in r.stdout.decode("utf-8", "replace").splitlines():
        parts = [p.strip() for p in line.split("|")]
        if len(parts) == 3 and parts[0].isdigit():
            listed[parts[2]] = (int(parts[0]), parts[1])
    for e in entries:
        y, mo, d, h, mi, s = dos_stamp(e.mtime)
        want = (len(e.data), "%02d.%02d.%04d %02d:%02d:%02d" % (d, mo, y, h, mi, s))
        if listed.get(e.name.decode("cp850")) != want:
            fail(seed, "cabextract -l shows %r for %r, wanted %r" % (listed.get(e.name.decode("cp850")), e.name, want))


def check_gcab(seed, cab, entries, work):
    out = os.path.join(work, "gcab")
    os.makedirs(out)
    r = run(["gcab", "-x", "-C", out, cab])
    if r.returncode != 0:
        fail(seed, "gcab -x: " + r.stderr.decode("utf-8", "replace"))
    got = {os.fsencode(n): n for n in os.listdir(out)}
    if len(got) != len(entries):
        fail(seed, "gcab extracted %d files, wanted %d" % (len(got), len(entries)))
    for e in entries:
        # gcab writes a name that is not UTF-8 as its raw bytes.
        match = [n for b, n in got.items() if b == e.name or b.decode("utf-8", "replace") == e.name.decode("latin-1")]
        if not match:
            fail(seed, "gcab lacks %r among %r" % (e.name, list(got)))
        with open(os.path.join(out, match[0]), "rb") as f:
            if f.read() != e.data:
                fail(seed, "gcab: %r differs" % e.name)
    # "NAME SIZE yyyy-mm-dd hh:mm:ss 0xATTR"
    r = run(["gcab", "-l", cab])
    details = {}
    for line in r.stdout.splitlines():
        parts = line.rsplit(b" ", 4)
        if len(parts) == 5:
            details[parts[0]] = (int(parts[1]), parts[2].decode() + " " + parts[3].decode(), int(parts[4], 16))
    for e in entries:
        y, mo, d, h, mi, s = dos_stamp(e.mtime)
        want = (len(e.data), "%04d-%02d-%02d %02d:%02d:%02d" % (y, mo, d, h, mi, s), e.attributes & 0x27)
        got_detail = [v for k, v in details.items() if k == e.name or k.decode("utf-8", "replace") == e.name.decode("latin-1")]
        if got_detail != [want]:
            fail(seed, "gcab -l shows %r for %r, wanted %r" % (got_detail, e.name, want))


def windows_path(path, wine):
    """The path as a program under Wine sees it (the host's root is Z:)."""
    return "Z:" + path.replace("/", "\\") if wine else path


def check_fdi(seed, cab, entries, fdi, wine, reader="FDI", command=None):
    """fdi_list.exe prints name (hex of the OEM bytes), size, date, time,
    attributes and the CRC-32 of the data, one file a line; so does our own
    reader, qw_cabread."""
    r = run(command or [wine or "wine", fdi, windows_path(cab, True)])
    if r.returncode != 0:
        fail(seed, reader + ": " + (r.stdout + r.stderr).decode("utf-8", "replace"))
    import zlib
    lines = [l.split() for l in r.stdout.decode("ascii", "replace").splitlines() if l.strip()]
    want = []
    for e in entries:
        y, mo, d, h, mi, s = dos_stamp(e.mtime)
        date = (y - 1980) << 9 | mo << 5 | d
        tm = h << 11 | mi << 5 | s // 2
        want.append([e.name.hex(), str(len(e.data)), "%04x" % date, "%04x" % tm, "%04x" % (e.attributes & 0x27),
                     "%08x" % zlib.crc32(e.data)])
    if lines != want:
        fail(seed, reader + " listed\n  %r\nwanted\n  %r" % (lines, want))


def check_reader(seed, cab, entries, args, what, stamps=True):
    """Our own cabinet reader (qw_cabread) on a cabinet of some writer."""
    command = ([args.wine] if args.wine else []) + [args.reader, windows_path(cab, args.wine)]
    if stamps:
        check_fdi(seed, cab, entries, None, None, "our reader on " + what, command)
        return
    import zlib
    r = run(command)
    if r.returncode != 0:
        fail(seed, "our reader on %s: %s" % (what, (r.stdout + r.stderr).decode("utf-8", "replace")))
    got = sorted((l.split()[0], l.split()[1], l.split()[5]) for l in r.stdout.decode("ascii").splitlines() if l)
    want = sorted((e.name.hex(), str(len(e.data)), "%08x" % zlib.crc32(e.data)) for e in entries)
    if got != want:
        fail(seed, "our reader on %s listed\n  %r\nwanted\n  %r" % (what, got, want))


def check_reader_on_gcab(seed, entries, work, args):
    """gcab -c -z writes the same files (under plain names); our reader must
    give them back byte for byte."""
    folder = os.path.join(work, "gcab-in")
    os.makedirs(folder, exist_ok=True)
    plain = []
    for i, e in enumerate(entries):
        name = "f%04d.bin" % i
        with open(os.path.join(folder, name), "wb") as f:
            f.write(e.data)
        plain.append(Entry(None, name.encode(), e.data, e.mtime, e.attributes))
    cab = os.path.join(work, "gcab.cab")
    r = run(["gcab", "-c", "-z", "-n", cab] + [os.path.join(folder, p.name.decode()) for p in plain])
    if r.returncode != 0:
        fail(seed, "gcab -c: " + r.stderr.decode("utf-8", "replace"))
    check_reader(seed, cab, plain, args, "gcab -c -z", stamps=False)


def check_component(seed, args, listed, work):
    """The set written by the program's cabinet component through Wine's
    "cabinet.dll": stored under the files' own names, first one wins, with
    the attributes Wine reports (archive) and the local DOS times."""
    cab = os.path.join(work, "component.cab")
    listing = os.path.join(work, "component.txt")
    entries, seen = [], set()
    with open(listing, "wb") as f:
        for e in listed:
            f.write(os.fsencode(windows_path(e.path, True)) + b"\n")
            name = os.path.basename(e.path).encode("cp850")
            if name.upper() in seen:
                continue
            seen.add(name.upper())
            with open(e.path, "rb") as data:
                entries.append(Entry(e.path, name, data.read(), int(os.path.getmtime(e.path)), 0x20))
    r = run([args.wine, args.makecab, windows_path(cab, True), windows_path(listing, True)])
    if r.returncode != 0 or not r.stdout.decode("ascii", "replace").strip().endswith("cabinet.dll"):
        fail(seed, "the component: " + (r.stdout + r.stderr).decode("utf-8", "replace"))
    for sub in ("cabextract", "gcab"):
        shutil.rmtree(os.path.join(work, sub), ignore_errors=True)
    check_cabextract(seed, cab, entries, work)
    check_gcab(seed, cab, entries, work)
    if args.fdi:
        check_fdi(seed, cab, entries, args.fdi, args.wine)
    if args.reader:
        check_reader(seed, cab, entries, args, "cabinet.dll's cabinet")
    print("seed %d: the same set through cabinet.dll, %d files, cabinet %d bytes: ok"
          % (seed, len(entries), os.path.getsize(cab)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--writer", required=True)
    parser.add_argument("--count", type=int, default=6)
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--fdi", default=None)
    parser.add_argument("--wine", default=None, help="runs the writer and fdi_list through this Wine command")
    parser.add_argument("--reader", default=None, help="qw_cabread: our own reader on every cabinet, and on gcab's")
    parser.add_argument("--makecab", default=None,
                        help="qw_makecab.exe: the same sets also through the program's cabinet component, "
                             "which uses Wine's cabinet.dll")
    args = parser.parse_args()
    for tool in ("cabextract", "gcab"):
        if not shutil.which(tool):
            sys.exit("cab round trip: %s is missing (tools/setup.sh installs it)" % tool)
    base = args.seed if args.seed is not None else int(time.time()) % 1000000
    for n in range(args.count):
        seed = base + n
        rng = random.Random(seed)
        work = tempfile.mkdtemp(prefix="qw-cab-")
        try:
            entries, listed = make_set(rng, os.path.join(work, "in"), big=(n == 0))
            level, prime = rng.choice([1, 6, 9]), rng.choice([0, 1])
            listing = os.path.join(work, "list.txt")
            with open(listing, "wb") as f:
                for e in listed:
                    f.write(os.fsencode(windows_path(e.path, args.wine)) + b"\t" + e.name + b"\t%x\n" % e.attributes)
            cab = os.path.join(work, "out.cab")
            r = run(([args.wine] if args.wine else []) + [args.writer, "-l", str(level), "-p", str(prime),
                                                          windows_path(cab, args.wine), windows_path(listing, args.wine)])
            if r.returncode != 0:
                fail(seed, "the writer failed: " + r.stderr.decode("utf-8", "replace"))
            total = sum(len(e.data) for e in entries)
            check_cabextract(seed, cab, entries, work)
            check_gcab(seed, cab, entries, work)
            if args.fdi:
                check_fdi(seed, cab, entries, args.fdi, args.wine)
            if args.reader:
                check_reader(seed, cab, entries, args, "our writer's cabinet")
                check_reader_on_gcab(seed, entries, work, args)
            print("seed %d: %d files, %d bytes, level %d, priming %d, cabinet %d bytes: ok"
                  % (seed, len(entries), total, level, prime, os.path.getsize(cab)))
            if args.makecab:
                check_component(seed, args, listed, work)
        finally:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
