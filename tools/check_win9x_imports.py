#!/usr/bin/env python3
"""Checks that Windows programs load on Windows 95, 98 and ME.

Reads the import table (and the delay-import table) of every .exe, .dll, .ocx
and .cpl given, or found under the given folders (default: build/win32), and
judges each import by the rules in tools/win9x_import_denylist.txt:

  FAIL  an import from a DLL that is not allowed, or a denied function
        (added in Windows 2000 or later, NT only, or msvcrt of Visual C++ 7+);
        a PE header whose OS or subsystem version is above 4.0;
        a 64-bit (PE32+) file
  warn  a W function that Windows 9x only stubs, or a listed risky import

With --test-programs the files are test programs that are never shipped (the
i686 build of the tests): a denied import that the rule file lists as "test",
one of their own runtime, is listed as test-only instead of failing.

Prints one line per file (OK or FAIL) followed by what was found, then a
summary. Exit status: 0 when every file passed, 1 when one failed, 2 on a
usage error or when there was nothing to check (unless --allow-empty).

Only the Python standard library is used; the PE format is read with struct.
"""

import argparse
import fnmatch
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
DEFAULT_RULES = os.path.join(HERE, "win9x_import_denylist.txt")
DEFAULT_DIR = os.path.join(REPO, "build", "win32")
BINARY_SUFFIXES = (".exe", ".dll", ".ocx", ".cpl")
SKIP_DIRS = {"CMakeFiles"}  # CMake's compiler-identification programs

IMAGE_FILE_MACHINE = {0x14C: "i386", 0x8664: "x86-64", 0x1C4: "arm", 0xAA64: "arm64"}


class PEError(Exception):
    pass


# --------------------------------------------------------------------------
# PE reading
# --------------------------------------------------------------------------
class PEImage:
    """The parts of a PE file that the check needs."""

    def __init__(self, data):
        self.data = data
        if len(data) < 0x40 or data[:2] != b"MZ":
            raise PEError("not an MZ executable")
        (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
        if pe_offset + 24 > len(data) or data[pe_offset:pe_offset + 4] != b"PE\0\0":
            raise PEError("no PE signature")
        coff = pe_offset + 4
        (self.machine, section_count, _, _, _, optional_size, self.characteristics) = \
            struct.unpack_from("<HHIIIHH", data, coff)
        opt = coff + 20
        if optional_size < 2 or opt + optional_size > len(data):
            raise PEError("truncated optional header")
        (self.magic,) = struct.unpack_from("<H", data, opt)
        if self.magic == 0x10B:
            self.pe32plus = False
            (self.image_base,) = struct.unpack_from("<I", data, opt + 28)
            dirs_at, count_at = opt + 96, opt + 92
        elif self.magic == 0x20B:
            self.pe32plus = True
            (self.image_base,) = struct.unpack_from("<Q", data, opt + 24)
            dirs_at, count_at = opt + 112, opt + 108
        else:
            raise PEError("unknown optional header magic 0x%x" % self.magic)
        (self.os_major, self.os_minor, _, _, self.subsys_major, self.subsys_minor) = \
            struct.unpack_from("<HHHHHH", data, opt + 40)
        (self.subsystem,) = struct.unpack_from("<H", data, opt + 68)
        (dir_count,) = struct.unpack_from("<I", data, count_at)
        dir_count = min(dir_count, 16, max(0, (opt + optional_size - dirs_at) // 8))
        self.directories = [struct.unpack_from("<II", data, dirs_at + 8 * i) for i in range(dir_count)]
        self.sections = []
        sec = opt + optional_size
        for i in range(section_count):
            at = sec + 40 * i
            if at + 40 > len(data):
                raise PEError("truncated section table")
            name = data[at:at + 8].rstrip(b"\0").decode("latin-1")
            vsize, vaddr, raw_size, raw_ptr = struct.unpack_from("<IIII", data, at + 8)
            self.sections.append((name, vaddr, max(vsize, raw_size), raw_ptr, raw_size))

    def directory(self, index):
        if index < len(self.directories):
            return self.directories[index]
        return (0, 0)

    def offset(self, rva):
        for _, vaddr, span, raw_ptr, raw_size in self.sections:
            if vaddr <= rva < vaddr + span:
                delta = rva - vaddr
                if delta >= raw_size:
                    raise PEError("RVA 0x%x lies in uninitialised data" % rva)
                return raw_ptr + delta
        if rva < len(self.data) and (not self.sections or rva < self.sections[0][3]):
            return rva  # within the headers
        raise PEError("RVA 0x%x is in no section" % rva)

    def u32(self, rva):
        return struct.unpack_from("<I", self.data, self.offset(rva))[0]

    def cstring(self, rva, limit=512):
        at = self.offset(rva)
        end = self.data.find(b"\0", at, at + limit)
        if end < 0:
            raise PEError("unterminated name at RVA 0x%x" % rva)
        return self.data[at:end].decode("latin-1")

    def thunks(self, table_rva):
        """Names in an import lookup table: 'Name' or '@ordinal'."""
        names = []
        width = 8 if self.pe32plus else 4
        fmt = "<Q" if self.pe32plus else "<I"
        flag = 1 << (width * 8 - 1)
        rva = table_rva
        while True:
            (entry,) = struct.unpack_from(fmt, self.data, self.offset(rva))
            if entry == 0:
                return names
            if entry & flag:
                names.append("@%d" % (entry & 0xFFFF))
            else:
                names.append(self.cstring((entry & 0x7FFFFFFF) + 2))  # past the hint
            rva += width
            if len(names) > 65536:
                raise PEError("import table without an end")

    def imports(self):
        """[(dll, name, delayed)] of the import and delay-import tables."""
        found = []
        rva, size = self.directory(1)
        if rva and size:
            at = rva
            while True:
                original_first, _, _, name_rva, first = struct.unpack_from("<IIIII", self.data, self.offset(at))
                if not (original_first or name_rva or first):
                    break
                dll = self.cstring(name_rva)
                for name in self.thunks(original_first or first):
                    found.append((dll, name, False))
                at += 20
        rva, size = self.directory(13)
        if rva and size:
            at = rva
            while True:
                attributes, name_rva, _, _, int_rva, _, _, _ = struct.unpack_from("<8I", self.data, self.offset(at))
                if not name_rva:
                    break
                if not attributes & 1:  # old-style descriptor: virtual addresses
                    name_rva -= self.image_base
                    int_rva -= self.image_base
                dll = self.cstring(name_rva)
                for name in self.thunks(int_rva):
                    found.append((dll, name, True))
                at += 32
        return found


# --------------------------------------------------------------------------
# Rules
# --------------------------------------------------------------------------
class Rules:
    def __init__(self):
        self.dlls = set()
        self.deny = []    # (dll, pattern, why)
        self.warn = []
        self.known = []
        self.test = []
        self.wide = set()
        self.wide_ok = set()

    @classmethod
    def load(cls, path):
        rules = cls()
        with open(path, encoding="utf-8") as f:
            for number, raw in enumerate(f, 1):
                line, _, comment = raw.partition(" #")
                if line.lstrip().startswith("#"):
                    continue
                words = line.split()
                if not words:
                    continue
                why = comment.strip()
                kind, args = words[0], words[1:]
                expect = {"dll": 1, "wide": 1, "deny": 2, "warn": 2, "known": 2, "test": 2,
                          "wide-ok": 2}.get(kind)
                if expect is None or len(args) != expect:
                    raise ValueError("%s:%d: cannot read %r" % (path, number, raw.rstrip()))
                dll = args[0].lower()
                if kind == "dll":
                    rules.dlls.add(dll)
                elif kind == "wide":
                    rules.wide.add(dll)
                elif kind == "wide-ok":
                    rules.wide_ok.add((dll, args[1]))
                else:
                    getattr(rules, kind).append((dll, args[1], why))
        return rules

    @staticmethod
    def _match(table, dll, name):
        for rule_dll, pattern, why in table:
            if rule_dll == dll and fnmatch.fnmatchcase(name, pattern):
                return why or "listed"
        return None

    def judge(self, dll, name, test_programs=False):
        """('fail' | 'test' | 'warn' | 'known' | None, reason)."""
        dll = dll.lower()
        if dll not in self.dlls:
            why = "DLL not on Windows 95/98/ME"
            test_why = self._match(self.test, dll, name) if test_programs else None
            if test_why:
                return "test", "%s; %s" % (why, test_why)
            return "fail", why
        why = self._match(self.deny, dll, name)
        if why:
            test_why = self._match(self.test, dll, name) if test_programs else None
            if test_why:
                return "test", "%s; %s" % (why, test_why)
            return "fail", why
        why = self._match(self.known, dll, name)
        if why:
            return "known", why
        why = self._match(self.warn, dll, name)
        if why:
            return "warn", why
        if dll in self.wide and name.endswith("W") and not name.startswith("@") \
                and (dll, name) not in self.wide_ok:
            return "warn", "W function: a stub on Windows 9x"
        return None, ""


# --------------------------------------------------------------------------
# Checking
# --------------------------------------------------------------------------
def check_file(path, rules, verbose, test_programs=False):
    """Prints the verdict for one file; True when it passed."""
    try:
        with open(path, "rb") as f:
            pe = PEImage(f.read())
        imports = pe.imports()
    except (OSError, PEError, struct.error) as e:
        print("FAIL  %s: cannot read: %s" % (path, e))
        return False

    problems, warnings, known, test_only = [], [], [], []
    if pe.pe32plus:
        problems.append("64-bit (PE32+) file: Windows 9x loads only PE32")
    if (pe.os_major, pe.os_minor) > (4, 0):
        problems.append("OS version %d.%d in the PE header (at most 4.0)" % (pe.os_major, pe.os_minor))
    if (pe.subsys_major, pe.subsys_minor) > (4, 0):
        problems.append("subsystem version %d.%d in the PE header (at most 4.0)"
                        % (pe.subsys_major, pe.subsys_minor))
    dlls = set()
    for dll, name, delayed in imports:
        dlls.add(dll.lower())
        verdict, why = rules.judge(dll, name, test_programs)
        text = "%s!%s%s  (%s)" % (dll, name, " [delay-loaded]" if delayed else "", why)
        if verdict == "fail":
            problems.append(text)
        elif verdict == "test":
            test_only.append(text)
        elif verdict == "warn":
            warnings.append(text)
        elif verdict == "known":
            known.append(text)

    kind = "PE32+" if pe.pe32plus else "PE32"
    machine = IMAGE_FILE_MACHINE.get(pe.machine, "machine 0x%x" % pe.machine)
    summary = "%s %s, OS %d.%d, subsystem %d.%d, %d imports from %d DLLs" % (
        kind, machine, pe.os_major, pe.os_minor, pe.subsys_major, pe.subsys_minor, len(imports), len(dlls))
    if known and not verbose:
        summary += ", %d known runtime imports" % len(known)
    if test_programs:
        summary = "test program, " + summary
    print("%-4s  %s (%s)" % ("FAIL" if problems else "OK", path, summary))
    for text in problems:
        print("      fail: " + text)
    for text in test_only:
        print("      test-only: " + text)
    for text in warnings:
        print("      warn: " + text)
    if verbose:
        for text in known:
            print("      known: " + text)
    return not problems


def binaries_under(folder):
    for root, dirs, files in os.walk(folder):
        dirs[:] = sorted(d for d in dirs if d not in SKIP_DIRS)
        for name in sorted(files):
            if name.lower().endswith(BINARY_SUFFIXES):
                yield os.path.join(root, name)


def main(argv):
    parser = argparse.ArgumentParser(description="Check PE imports against Windows 95/98/ME.")
    parser.add_argument("paths", nargs="*", help="files, or folders to search (default: build/win32)")
    parser.add_argument("--rules", default=DEFAULT_RULES, help="rule file (default: %(default)s)")
    parser.add_argument("--allow-empty", action="store_true", help="exit 0 when there is nothing to check")
    parser.add_argument("-v", "--verbose", action="store_true", help="also list the known runtime imports")
    parser.add_argument("--test-programs", action="store_true",
                        help="the files are test programs, never shipped: the denied imports of their runtime "
                             "(rules \"test\") are listed as test-only, not failed")
    args = parser.parse_args(argv)

    try:
        rules = Rules.load(args.rules)
    except (OSError, ValueError) as e:
        print("check_win9x_imports: %s" % e, file=sys.stderr)
        return 2

    files = []
    for path in args.paths or [DEFAULT_DIR]:
        if os.path.isdir(path):
            files.extend(binaries_under(path))
        elif os.path.isfile(path):
            files.append(path)
        else:
            print("check_win9x_imports: no such file or folder: %s" % path, file=sys.stderr)
            return 2
    if not files:
        print("win9x imports: no .exe or .dll found under %s" % ", ".join(args.paths or [DEFAULT_DIR]))
        return 0 if args.allow_empty else 2

    if args.test_programs:
        print("win9x imports: test programs, never shipped; the imports of their own runtime are test-only")
    failed = sum(1 for path in files if not check_file(path, rules, args.verbose, args.test_programs))
    print("win9x imports: %d %s checked, %d OK, %d failed"
          % (len(files), "test programs" if args.test_programs else "files", len(files) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
