#!/usr/bin/env python3
"""Tests of check_win9x_imports.py on small PE files made here.

Run: python3 tools/check_win9x_imports_test.py
"""

import contextlib
import io
import os
import struct
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # no __pycache__ in the work tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_win9x_imports as checker  # noqa: E402

SECTION_RVA = 0x1000
SECTION_RAW = 0x400


def make_pe(imports=(), delayed=(), pe32plus=False, os_version=(4, 0), subsystem_version=(4, 0),
            old_style_delay=False):
    """A PE image whose one section holds the import and delay-import tables.

    imports, delayed: [(dll, [name or ordinal number, ...])]."""
    image_base = 0x140000000 if pe32plus else 0x400000
    width = 8 if pe32plus else 4
    ordinal_flag = 1 << (width * 8 - 1)
    section = bytearray()

    def alloc(blob):
        at = len(section)
        section.extend(blob)
        while len(section) % 8:
            section.append(0)
        return SECTION_RVA + at

    def thunk_table(names):
        entries = []
        for name in names:
            if isinstance(name, int):
                entries.append(ordinal_flag | name)
            else:
                entries.append(alloc(struct.pack("<H", 0) + name.encode() + b"\0"))
        fmt = "<Q" if pe32plus else "<I"
        return alloc(b"".join(struct.pack(fmt, e) for e in entries + [0]))

    import_dir = alloc(b"\0" * 20 * (len(imports) + 1))
    delay_dir = alloc(b"\0" * 32 * (len(delayed) + 1)) if delayed else 0
    for i, (dll, names) in enumerate(imports):
        name_rva = alloc(dll.encode() + b"\0")
        lookup = thunk_table(names)
        address = thunk_table(names)
        at = import_dir - SECTION_RVA + 20 * i
        section[at:at + 20] = struct.pack("<IIIII", lookup, 0, 0, name_rva, address)
    for i, (dll, names) in enumerate(delayed):
        name_rva = alloc(dll.encode() + b"\0")
        lookup = thunk_table(names)
        address = thunk_table(names)
        handle = alloc(b"\0" * 8)
        bias = image_base if old_style_delay else 0
        at = delay_dir - SECTION_RVA + 32 * i
        section[at:at + 32] = struct.pack("<8I", 0 if old_style_delay else 1, name_rva + bias,
                                          handle + bias, address + bias, lookup + bias, 0, 0, 0)
    while len(section) % 0x200:
        section.append(0)

    directories = [(0, 0)] * 16
    directories[1] = (import_dir, 20 * (len(imports) + 1)) if imports else (0, 0)
    directories[13] = (delay_dir, 32 * (len(delayed) + 1)) if delayed else (0, 0)
    if pe32plus:
        optional = struct.pack("<HBBIIIII", 0x20B, 2, 40, 0, 0, 0, 0x1000, SECTION_RVA)
        optional += struct.pack("<Q", image_base)
    else:
        optional = struct.pack("<HBBIIIIII", 0x10B, 2, 40, 0, 0, 0, 0x1000, SECTION_RVA, 0)
        optional += struct.pack("<I", image_base)
    optional += struct.pack("<II", 0x1000, 0x200)
    optional += struct.pack("<HHHHHH", os_version[0], os_version[1], 0, 0, *subsystem_version)
    optional += struct.pack("<IIII", 0, SECTION_RVA + len(section), SECTION_RAW, 0)
    optional += struct.pack("<HH", 2, 0)
    stack = "<QQQQ" if pe32plus else "<IIII"
    optional += struct.pack(stack, 0x100000, 0x1000, 0x100000, 0x1000)
    optional += struct.pack("<II", 0, 16)
    optional += b"".join(struct.pack("<II", *d) for d in directories)

    coff = struct.pack("<HHIIIHH", 0x8664 if pe32plus else 0x14C, 1, 0, 0, 0, len(optional), 0x102)
    section_header = struct.pack("<8sIIIIIIHHI", b".idata", len(section), SECTION_RVA, len(section),
                                 SECTION_RAW, 0, 0, 0, 0, 0xC0000040)
    dos = bytearray(0x40)
    dos[0:2] = b"MZ"
    struct.pack_into("<I", dos, 0x3C, 0x40)
    headers = bytes(dos) + b"PE\0\0" + coff + optional + section_header
    assert len(headers) <= SECTION_RAW
    return headers + b"\0" * (SECTION_RAW - len(headers)) + bytes(section)


class Fixture(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.rules = checker.Rules.load(checker.DEFAULT_RULES)

    def write(self, name, data):
        path = os.path.join(self.dir.name, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def check(self, data):
        """(passed, printed lines) for one file."""
        out = io.StringIO()
        with contextlib.redirect_stdout(out):
            passed = checker.check_file(self.write("probe.exe", data), self.rules, verbose=False)
        return passed, out.getvalue()


class ReadsImportTables(Fixture):
    def test_names_ordinals_and_delay_imports_in_both_formats(self):
        # Old-style delay descriptors (virtual addresses) exist in 32-bit files only.
        for pe32plus, old_style in ((False, False), (False, True), (True, False)):
            with self.subTest(pe32plus=pe32plus, old_style_delay=old_style):
                data = make_pe(imports=[("KERNEL32.dll", ["GetVersionExA", 17]),
                                        ("msvcrt.dll", ["malloc"])],
                               delayed=[("comdlg32.dll", ["GetOpenFileNameA"])],
                               pe32plus=pe32plus, old_style_delay=old_style)
                pe = checker.PEImage(data)
                self.assertEqual(pe.pe32plus, pe32plus)
                self.assertEqual(pe.imports(), [
                    ("KERNEL32.dll", "GetVersionExA", False), ("KERNEL32.dll", "@17", False),
                    ("msvcrt.dll", "malloc", False), ("comdlg32.dll", "GetOpenFileNameA", True)])

    def test_not_a_pe_file_fails(self):
        for data in (b"", b"MZ" + b"\0" * 100, b"\x7fELF" + b"\0" * 100):
            with self.subTest(data=data[:4]):
                passed, text = self.check(data)
                self.assertFalse(passed)
                self.assertIn("cannot read", text)


class Judges(Fixture):
    def test_imports(self):
        cases = [
            # dll, name, passes, what is printed
            ("KERNEL32.dll", "GetVersionExA", True, None),
            ("kernel32.dll", "GetTickCount64", False, "fail: kernel32.dll!GetTickCount64"),
            ("KERNEL32.dll", "AddVectoredExceptionHandler", False, "fail:"),
            ("KERNEL32.dll", "GetDiskFreeSpaceExA", False, "GetProcAddress"),
            ("KERNEL32.dll", "FlsAlloc", False, "fail:"),
            ("KERNEL32.dll", 23, False, "fail: KERNEL32.dll!@23"),
            ("KERNEL32.dll", 35, False, "fail: KERNEL32.dll!@35"),
            ("KERNEL32.dll", "QT_Thunk", False, "fail: KERNEL32.dll!QT_Thunk"),
            ("msvcrt.dll", "_fstat64", False, "fail:"),
            ("msvcrt.dll", "strcpy_s", False, "fail:"),
            ("msvcrt.dll", "_vsnprintf_s", False, "fail:"),
            ("msvcrt.dll", "__iob_func", False, "fail:"),
            ("msvcrt.dll", "_iob", True, None),
            ("msvcrt.dll", "_vsnprintf", True, None),
            ("SHLWAPI.dll", "PathFileExistsA", False, "DLL not on Windows 95/98/ME"),
            ("ws2_32.dll", "socket", False, "DLL not on"),
            ("user32.dll", "CreateWindowExW", True, "warn: user32.dll!CreateWindowExW"),
            ("user32.dll", "MessageBoxW", True, None),
            ("gdi32.dll", "TextOutW", True, None),
            ("msvcrt.dll", "_wfopen", True, "warn:"),
            ("comctl32.dll", 17, True, None),
        ]
        for dll, name, passes, printed in cases:
            with self.subTest(dll=dll, name=name):
                passed, text = self.check(make_pe(imports=[(dll, [name])]))
                self.assertEqual(passed, passes, text)
                if printed:
                    self.assertIn(printed, text)
                else:
                    self.assertNotIn("warn:", text)
                    self.assertNotIn("fail:", text)

    def test_delay_imports_are_judged_too(self):
        passed, text = self.check(make_pe(imports=[("kernel32.dll", ["Sleep"])],
                                          delayed=[("kernel32.dll", ["GetTickCount64"])]))
        self.assertFalse(passed)
        self.assertIn("GetTickCount64 [delay-loaded]", text)

    def test_known_runtime_imports_are_counted_not_warned(self):
        passed, text = self.check(make_pe(imports=[("KERNEL32.dll", ["CreateSemaphoreW"])]))
        self.assertTrue(passed)
        self.assertNotIn("warn:", text)
        self.assertIn("1 known runtime imports", text)

    def test_test_programs_note_their_runtime_and_fail_on_the_rest(self):
        runtime = [("KERNEL32.dll", ["GetTickCount64", "TryEnterCriticalSection"]), ("msvcrt.dll", ["_fstat64"])]
        out = io.StringIO()
        with contextlib.redirect_stdout(out):
            as_product = checker.check_file(self.write("a.exe", make_pe(imports=runtime)), self.rules, False)
            as_test = checker.check_file(self.write("b.exe", make_pe(imports=runtime)), self.rules, False,
                                         test_programs=True)
            beyond = checker.check_file(
                self.write("c.exe", make_pe(imports=runtime + [("kernel32.dll", ["GetFileSizeEx", "FlsAlloc"])])),
                self.rules, False, test_programs=True)
            other_dll = checker.check_file(self.write("d.exe", make_pe(imports=[("ws2_32.dll", ["socket"])])),
                                           self.rules, False, test_programs=True)
            reader = [("Cabinet.dll", ["FDICreate", "FDICopy"])]
            reader_shipped = checker.check_file(self.write("e.exe", make_pe(imports=reader)), self.rules, False)
            reader_test = checker.check_file(self.write("f.exe", make_pe(imports=reader)), self.rules, False,
                                             test_programs=True)
        text = out.getvalue()
        self.assertFalse(as_product, text)
        self.assertTrue(as_test, text)
        self.assertIn("test-only: KERNEL32.dll!GetTickCount64", text)
        self.assertIn("test program, PE32", text)
        self.assertFalse(beyond, text)
        self.assertIn("fail: kernel32.dll!FlsAlloc", text)
        self.assertFalse(other_dll, text)
        # A DLL that Windows 9x lacks is test-only where a rule says so.
        self.assertFalse(reader_shipped, text)
        self.assertTrue(reader_test, text)
        self.assertIn("test-only: Cabinet.dll!FDICopy", text)

    def test_header_versions_above_4_0_fail(self):
        cases = [((4, 0), (4, 0), True), ((5, 1), (4, 0), False), ((4, 0), (5, 2), False),
                 ((4, 10), (4, 0), False), ((3, 10), (3, 10), True)]
        for os_version, subsystem, passes in cases:
            with self.subTest(os=os_version, subsystem=subsystem):
                passed, text = self.check(make_pe(imports=[("kernel32.dll", ["Sleep"])],
                                                  os_version=os_version, subsystem_version=subsystem))
                self.assertEqual(passed, passes, text)

    def test_64_bit_file_fails(self):
        passed, text = self.check(make_pe(imports=[("kernel32.dll", ["Sleep"])], pe32plus=True))
        self.assertFalse(passed)
        self.assertIn("PE32+", text)


class CommandLine(Fixture):
    def run_main(self, *args):
        out = io.StringIO()
        with contextlib.redirect_stdout(out), contextlib.redirect_stderr(out):
            status = checker.main(list(args))
        return status, out.getvalue()

    def test_folder_search_status_and_summary(self):
        self.write("good.exe", make_pe(imports=[("kernel32.dll", ["Sleep"])]))
        os.mkdir(os.path.join(self.dir.name, "CMakeFiles"))
        self.write(os.path.join("CMakeFiles", "a.exe"), make_pe(imports=[("kernel32.dll", ["GetTickCount64"])]))
        status, text = self.run_main(self.dir.name)
        self.assertEqual(status, 0, text)
        self.assertIn("1 files checked, 1 OK, 0 failed", text)

        self.write("bad.dll", make_pe(imports=[("kernel32.dll", ["GetFileSizeEx"])]))
        status, text = self.run_main(self.dir.name)
        self.assertEqual(status, 1, text)
        self.assertIn("2 files checked, 1 OK, 1 failed", text)

    def test_nothing_to_check(self):
        self.assertEqual(self.run_main(self.dir.name)[0], 2)
        self.assertEqual(self.run_main("--allow-empty", self.dir.name)[0], 0)

    def test_unreadable_rules_line_is_an_error(self):
        rules = self.write("rules.txt", b"deny kernel32.dll\n")
        status, text = self.run_main("--rules", rules, self.dir.name)
        self.assertEqual(status, 2)
        self.assertIn("cannot read", text)


if __name__ == "__main__":
    unittest.main()
