#!/usr/bin/env python3
"""Cabinet benchmark: time and size of one cabinet of a breakpoint-shaped
file set, side by side and in the same file order, for

  - our writer, as a whole process from a file list (qw_cabwrite);
  - gcab -c -z;
  - Wine's "cabinet.dll" through our cabinet component (qw_makecab.exe of
    the win64 build under Wine), when --fci names it;
  - plain zlib deflate at level 6 of the concatenated input, the limit
    that block-wise MSZIP can approach.

Then a table of our writer's level x priming. Times are wall-clock seconds,
the best of --repeat runs.

  cab_bench.py --writer build/native/safety/qw_cabwrite
               [--fci build/win64/safety/qw_makecab.exe --wine cmake/wine-run.sh]
               [--files LIST]   one "path<TAB>stored name" a line instead of
                                the generated set (e.g. a breakpoint's files)
"""
import argparse
import os
import random
import resource
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

WORDS = [b"HKEY_LOCAL_MACHINE", b"Software", b"Microsoft", b"Windows", b"CurrentVersion", b"InprocServer32",
         b"ThreadingModel", b"Apartment", b"C:\\WINDOWS\\SYSTEM\\", b"SHELL32.DLL", b"DriverDesc", b"Class",
         b"Enum", b"PCI\\VEN_8086&DEV_7110", b"Schriftarten", b"Zubeh\xf6r", b"Netzwerk", b"DefaultIcon"]


def registry_like(rng, size):
    """Key and value records: class ids that mostly come again, names, small
    numbers and short binary values, as a registry file holds them."""
    out = bytearray(b"CREG" + bytes(28))
    guids = []
    while len(out) < size:
        r = rng.random()
        if r < 0.35:
            if guids and rng.random() < 0.8:
                out += guids[min(int(rng.expovariate(1 / 300)), len(guids) - 1)]
            else:
                guids.append(b"{%08X-%04X-11D%X-%04X-00A0C9%06X}" % (
                    rng.getrandbits(32), rng.getrandbits(16), rng.getrandbits(4), 0x8000 | rng.getrandbits(12),
                    rng.getrandbits(24)))
                out += guids[-1]
        elif r < 0.7:
            out += rng.choice(WORDS) + b"\0"
        elif r < 0.85:
            out += struct.pack("<IHHI", rng.choice([1, 3, 4]), rng.randrange(64), rng.randrange(256),
                               rng.getrandbits(32) if rng.random() < 0.3 else rng.randrange(16))
        else:
            out += bytes(rng.choice([0, 0, 0, 1, 2, 0xFF, 0x10, rng.getrandbits(8)]) for _ in range(rng.randrange(4, 40)))
    return bytes(out[:size])


def ini_like(rng, size):
    lines = []
    n = 0
    while n < size:
        if rng.random() < 0.1:
            line = b"[" + rng.choice(WORDS) + b"]"
        else:
            line = rng.choice(WORDS) + b"=" + rng.choice(WORDS) + (b"%d" % rng.randrange(1000))
        lines.append(line)
        n += len(line) + 2
    return b"\r\n".join(lines)[:size]


def make_set(folder):
    """About 20 MB: registry-like files of 1 to 8 MB and a few hundred small
    INI and text files, from a fixed seed."""
    rng = random.Random(20011)
    files = []
    for i, mb in enumerate([8, 4, 2.5, 1.5, 1, 1]):
        files.append(("REG%d.DAT" % i, registry_like(rng, int(mb * 1024 * 1024))))
    for i in range(300):
        files.append(("F%03d.INI" % i, ini_like(rng, rng.randrange(200, 12000))))
    listing = []
    for name, data in files:
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(data)
        listing.append((path, name))
    return listing


# The content table of a breakpoint on Windows 98, as the sample machine has it.
SAMPLE98_BREAKPOINT = ["system.dat", "user.dat", "autoexec.bat", "config.sys", "msdos.sys", "command.com", "io.sys",
                       "win.ini", "system.ini", "system.cb", "ttfcache", "dosstart.bat", "protocol.ini"]


def best(repeat, fn):
    """The best of the runs: CPU seconds (user + system, of the process
    itself or of the programs it ran) and wall-clock seconds. On a shared
    machine the CPU time is the steadier figure."""
    cpu, wall = [], []
    for _ in range(repeat):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        own = time.process_time()
        started = time.perf_counter()
        fn()
        wall.append(time.perf_counter() - started)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu.append(after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime + time.process_time() - own)
    return min(cpu), min(wall)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--writer", required=True)
    parser.add_argument("--fci", default=None)
    parser.add_argument("--wine", default=None)
    parser.add_argument("--files", default=None)
    parser.add_argument("--sample98", action="store_true",
                        help="the thirteen files a breakpoint takes on the sample machine (res/sample98)")
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--level", type=int, default=None, help="our writer's level (default: its own)")
    parser.add_argument("--no-table", action="store_true")
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="qw-cabbench-")
    try:
        if args.sample98:
            here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "sample98")
            listing = [(os.path.join(here, n), n) for n in SAMPLE98_BREAKPOINT]
        elif args.files:
            with open(args.files, "rb") as f:
                listing = [tuple(os.fsdecode(p) for p in line.rstrip(b"\r\n").split(b"\t")[:2]) for line in f if b"\t" in line]
        else:
            os.makedirs(os.path.join(work, "in"))
            listing = make_set(os.path.join(work, "in"))
        total = sum(os.path.getsize(p) for p, _ in listing)
        list_file = os.path.join(work, "list.txt")
        with open(list_file, "wb") as f:
            for path, name in listing:
                f.write(os.fsencode(path) + b"\t" + os.fsencode(name) + b"\n")
        print("input: %d files, %d bytes" % (len(listing), total))
        rows = []

        def ours(level=None, prime=None):
            cab = os.path.join(work, "ours.cab")
            cmd = [args.writer] + (["-l", str(level)] if level is not None else []) + \
                  (["-p", str(prime)] if prime is not None else []) + [cab, list_file]
            t = best(args.repeat, lambda: subprocess.run(cmd, check=True, capture_output=True))
            return t, os.path.getsize(cab)

        rows.append(("our writer (qw_cabwrite)",) + ours(args.level))
        # gcab stores each file under the name it is given; run it in the
        # folder of the files so that the names match ours.
        gcab_cab = os.path.join(work, "gcab.cab")
        links = os.path.join(work, "gcab-in")
        os.makedirs(links)
        for path, name in listing:
            os.symlink(os.path.abspath(path), os.path.join(links, name))
        names = [name for _, name in listing]
        t = best(args.repeat, lambda: subprocess.run(["gcab", "-c", "-z", gcab_cab] + names, cwd=links, check=True,
                                                     capture_output=True))
        rows.append(("gcab -c -z", t, os.path.getsize(gcab_cab)))
        if args.fci:
            fci_cab = os.path.join(work, "fci.cab")
            win_list = os.path.join(work, "winlist.txt")
            with open(win_list, "wb") as f:
                for path, name in listing:
                    f.write(b"Z:" + os.fsencode(os.path.abspath(path)).replace(b"/", b"\\") + b"\t" +
                            os.fsencode(name) + b"\n")
            cmd = [args.wine, args.fci, "Z:" + fci_cab.replace("/", "\\"), "Z:" + win_list.replace("/", "\\")]
            t = best(args.repeat, lambda: subprocess.run(cmd, check=True, capture_output=True))
            rows.append(("cabinet.dll through our component (Wine)", t, os.path.getsize(fci_cab)))
        blob = b"".join(open(p, "rb").read() for p, _ in listing)
        deflated = []
        t = best(args.repeat, lambda: deflated.append(len(zlib.compress(blob, 6))))
        rows.append(("zlib level 6, whole input (limit)", t, deflated[-1]))

        g_time, g_size = rows[1][1][0], rows[1][2]
        print("%-42s %8s %8s %12s %10s %9s" % ("", "cpu s", "wall s", "bytes", "gcab/this", "x gcab sz"))
        for name, (cpu, wall), size in rows:
            print("%-42s %8.3f %8.3f %12d %10.2f %9.3f" % (name, cpu, wall, size, g_time / cpu if cpu else 0,
                                                         size / g_size))
        if not args.no_table:
            print("\nour writer, level x priming: cpu seconds, bytes, gcab's time / ours, size / gcab's")
            for level in (1, 2, 3, 4, 5, 6, 9):
                cells = []
                for prime in (0, 1):
                    (cpu, _), size = ours(level, prime)
                    cells.append("%6.3f s %9d %5.2fx %6.3f" % (cpu, size, g_time / cpu, size / g_size))
                print("level %d   no priming: %s   priming: %s" % (level, cells[0], cells[1]))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
