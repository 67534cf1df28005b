#!/usr/bin/env python3
"""Writes the sample Windows 98 machine into res/sample98: the system files
of a German Windows 98 SE installation and the registry values that the
program reads, as REGEDIT4 text. Text files are Windows-1252 with CR LF."""
import os
import struct
import sys

out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "sample98")
os.makedirs(out, exist_ok=True)


def write_text(name, lines):
    with open(os.path.join(out, name), "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))


msdos = [
    "[Paths]",
    "WinDir=C:\\WINDOWS",
    "WinBootDir=C:\\WINDOWS",
    "HostWinBootDrv=C",
    "",
    "[Options]",
    "BootMulti=1",
    "BootGUI=1",
    "DoubleBuffer=1",
    "AutoScan=1",
    "WinVer=4.10.2222",
    ";",
    ";Die folgenden Zeilen werden für die Kompatibilität mit anderen Programmen benötigt.",
    ";Entfernen Sie sie nicht (MSDOS.SYS muss größer als 1024 Byte sein).",
]
msdos += [";" + "x" * 69 + chr(ord("a") + i) for i in range(19)]
write_text("msdos.sys", msdos)

write_text("win.ini", [
    "; für 16-Bit-Anwendungen",
    "[windows]",
    "load=",
    "run=",
    "NullPort=Keine",
    "device=HP LaserJet 4L,HPPCL5MS,LPT1:",
    "",
    "[Desktop]",
    "Wallpaper=(Kein)",
    "TileWallpaper=0",
    "WallpaperStyle=0",
    "Pattern=(Kein)",
    "",
    "[intl]",
    "iCountry=49",
    "sCountry=Deutschland",
    "sLanguage=deu",
    "sList=;",
    "sDecimal=,",
    "sThousand=.",
    "sShortDate=dd.MM.yyyy",
    "sCurrency=DM",
    "",
    "[Options]",
    "NoDownMessage=0",
    "",
    "[fonts]",
    "",
    "[Ports]",
    "LPT1:=",
    "COM1:=9600,n,8,1,x",
    "FILE:=",
    "",
    "[mci extensions]",
    "wav=waveaudio",
    "mid=sequencer",
    "avi=AVIVideo",
])

write_text("system.ini", [
    "[boot]",
    "oemfonts.fon=vgaoem.fon",
    "shell=Explorer.exe",
    "system.drv=system.drv",
    "drivers=mmsystem.dll power.drv",
    "user.exe=user.exe",
    "gdi.exe=gdi.exe",
    "sound.drv=mmsound.drv",
    "keyboard.drv=keyboard.drv",
    "mouse.drv=mouse.drv",
    "display.drv=pnpdrvr.drv",
    "language.dll=",
    "",
    "[boot.description]",
    "keyboard.typ=Standardtastatur",
    "mouse.drv=Standardmaus",
    "",
    "[386Enh]",
    "ebios=*ebios",
    "woafont=dosapp.fon",
    "mouse=*vmouse, msmouse.vxd",
    "device=*dynapage",
    "device=*vcd",
    "device=*vpd",
    "device=*int13",
    "keyboard=*vkd",
    "display=*vdd,*vflatd",
    "",
    "[NonWindowsApp]",
    "TTInitialSizes=4 5 6 7 8 9 10 11 12 13 14 15 16 18 20 22",
    "",
    "[vcache]",
    "",
    "[power.drv]",
    "",
    "[drivers]",
    "wave=mmdrv.dll",
    "timer=timer.drv",
    "",
    "[mci]",
    "cdaudio=mcicda.drv",
    "sequencer=mciseq.drv",
    "waveaudio=mciwave.drv",
    "avivideo=mciavi.drv",
])


def logo(name, seed):
    """A 320 x 400 bitmap with 8 bits per pixel, as the start and shut-down
    screens of Windows 9x are stored."""
    width, height = 320, 400
    palette = b"".join(struct.pack("<BBBB", (i * seed) % 256, (i * 3) % 256, (255 - i), 0) for i in range(256))
    pixels = bytes(((x // 20) + (y // 25) * seed) % 256 for y in range(height) for x in range(width))
    header_size = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    head = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    with open(os.path.join(out, name), "wb") as f:
        f.write(head + info + palette + pixels)


logo("logo.sys", 7)
logo("logos.sys", 11)
logo("logow.sys", 13)

reg = [
    "REGEDIT4",
    "",
    "[HKEY_CURRENT_USER\\Control Panel\\Sound]",
    '"Beep"="yes"',
    '"ExtendedSounds"="yes"',
    "",
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\FileSystem]",
    '"NameNumericTail"=hex:01',
    '"Win31FileSystem"=hex:00',
    "",
    "[HKEY_CURRENT_USER\\Control Panel\\Mouse]",
    '"SnapToDefaultButton"=dword:00000000',
    '"DoubleClickSpeed"="500"',
    "",
    "[HKEY_CLASSES_ROOT\\.bmp]",
    '@="Paint.Picture"',
    "",
    "[HKEY_CLASSES_ROOT\\Paint.Picture]",
    '@="Bitmap"',
    "",
    "[HKEY_CLASSES_ROOT\\Paint.Picture\\DefaultIcon]",
    '@="C:\\\\Programme\\\\Zubehör\\\\MSPAINT.EXE,1"',
    "",
    "[HKEY_CURRENT_USER\\Control Panel\\desktop]",
    '"SmoothScroll"=dword:00000000',
    '"FontSmoothing"="0"',
    '"DragFullWindows"="0"',
    '"ScreenSaveActive"="1"',
    "",
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced]",
    '"StartMenuScrollPrograms"="YES"',
    '"NoNetcrawling"=dword:00000000',
    '"ShowInfoTip"=dword:00000001',
    "",
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]",
    '"RegisteredOwner"="Jörg Sommer"',
    '"RegisteredOrganization"="Sommer Elektrotechnik GmbH"',
    '"Version"="Windows 98"',
    '"VersionNumber"="4.10.2222"',
    '"SubVersionNumber"=" A "',
    '"ProductName"="Microsoft Windows 98"',
    "",
    "[HKEY_LOCAL_MACHINE\\Network\\Logon]",
    '"MustBeValidated"=dword:00000000',
    '"PrimaryProvider"="Microsoft Network"',
    "",
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]",
    '"FullScreen"="no"',
    '"Start Page"="about:blank"',
    "",
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans]",
    '@="Netzwerkprotokoll"',
    '"Class"="NetTrans"',
    "",
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000]",
    '"DriverDesc"="TCP/IP"',
    '"IPAddress"="192.168.0.10"',
    '"IPMask"="255.255.255.0"',
    "",
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans\\0001]",
    '"DriverDesc"="NetBEUI"',
    "",
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans\\0002]",
    '"DriverDesc"="IPX/SPX-kompatibles Protokoll"',
    "",
]
write_text("registry.reg", reg)

# The password file of the suite: a text file of lines despite its name.
# Line 8 holds the check value of the password, here the marker that no
# password is set.
write_text("sysbtnc.dll", [
    "Halvorn Systemdienste",
    "Version=1.0",
    "Kennung=QW-98-0417",
    ";",
    "; Diese Datei wird von Halvorn Quellwerk verwendet.",
    "; Bitte nicht löschen oder verändern.",
    ";",
    'Rb"k71Qx',
])


# ------------------------------------------------------------------
# The files that a breakpoint archives besides the INI files: the registry
# files, the boot files and the caches of the Windows folder. All are made
# here from a fixed seed; none is taken from a Windows installation, and no
# program reads the two registry files as a registry.
import random

rng = random.Random(19980625)

WORDS = ["Microsoft", "Windows", "CurrentVersion", "Explorer", "Shell", "Folders", "Setup", "Uninstall",
         "Internet", "Settings", "Policies", "Control", "Class", "Enum", "Services", "VxD", "Network",
         "Display", "Fonts", "Multimedia", "Audio", "Drivers", "Printers", "Desktop", "Appearance",
         "Schemes", "Keyboard", "Layouts", "Mouse", "Ports", "Modem", "Sound", "Media", "Plus",
         "Zubehör", "Programme", "Systemsteuerung", "Netzwerk", "Drucker", "Schriftarten", "Autostart"]
VALUE_NAMES = ["DriverDesc", "Class", "ProviderName", "DevLoader", "DriverDate", "InfPath", "InfSection",
               "HardwareID", "CompatibleIDs", "Mfg", "ConfigFlags", "ThreadingModel", "DefaultIcon",
               "InprocServer32", "ProgID", "Version", "DisplayName", "UninstallString", "Path", "NoDisplay",
               "Flags", "Attributes", "Capabilities", "EditFlags", "FriendlyName", "PortName"]
DLLS = ["SHELL32.DLL", "OLE32.DLL", "MSHTML.DLL", "SHDOCVW.DLL", "URLMON.DLL", "WININET.DLL", "COMCTL32.DLL",
        "MMSYSTEM.DLL", "QUARTZ.DLL", "MSVBVM60.DLL", "OLEAUT32.DLL", "BROWSEUI.DLL", "MSOSS.DLL", "SETUPX.DLL"]


GUIDS = []


def guid():
    """A class id; as in a real registry most of them come again and again
    (classes, interfaces, type libraries name each other)."""
    if GUIDS and rng.random() < 0.8:
        return GUIDS[min(int(rng.expovariate(1 / 300)), len(GUIDS) - 1)]
    text = "{%08X-%04X-11D%X-%04X-00A0C9%06X}" % (rng.getrandbits(32), rng.getrandbits(16), rng.getrandbits(4),
                                                  0x8000 | rng.getrandbits(12), rng.getrandbits(24))
    GUIDS.append(text)
    return text


def key_name():
    kind = rng.random()
    if kind < 0.45:
        return guid()
    if kind < 0.6:
        return "%04d" % rng.randrange(0, 40)
    if kind < 0.75:
        return "PCI\\VEN_%04X&DEV_%04X&SUBSYS_%08X" % (rng.getrandbits(16), rng.getrandbits(16), rng.getrandbits(32))
    return rng.choice(WORDS) + ("" if rng.random() < 0.6 else rng.choice(WORDS))


def value():
    """(type, name, data): text, DWORD or binary as in a real registry."""
    name = rng.choice(VALUE_NAMES) if rng.random() < 0.9 else ""
    kind = rng.random()
    if kind < 0.55:
        text = rng.choice([
            "C:\\WINDOWS\\SYSTEM\\" + rng.choice(DLLS),
            "Apartment",
            rng.choice(WORDS) + " " + rng.choice(WORDS),
            "%s,%d" % ("C:\\WINDOWS\\SYSTEM\\" + rng.choice(DLLS), rng.randrange(-200, 200)),
            guid(),
            "%d/%d/%d" % (rng.randrange(1, 13), rng.randrange(1, 29), rng.choice([1997, 1998, 1999])),
        ])
        return 1, name, text.encode("cp1252") + b"\0"
    if kind < 0.8:
        return 4, name, struct.pack("<I", rng.choice([0, 1, 2, 0x10, 0x80000000, rng.getrandbits(32)]))
    return 3, name, bytes(rng.choice([0, 0, 0, 1, 2, 0xFF, 0x10, rng.getrandbits(8)]) for _ in range(rng.randrange(4, 40)))


def registry_file(target_size):
    """A "CREG" file: the header, an "RGKN" block of key nodes, then "RGDB"
    blocks of key records with their values."""
    keys = []
    size = 0
    while size < target_size:
        values = [value() for _ in range(rng.randrange(0, 7))]
        name = key_name().encode("cp1252")
        keys.append((name, values))
        size += 28 + 20 + len(name) + sum(12 + len(n) + len(d) for _, n, d in values)
    nodes = bytearray(b"RGKN" + struct.pack("<III", 0, 0x20, 0) + bytes(0x10))
    for i in range(len(keys)):
        parent = 0x20 + 0x20 + 0x1C * max(0, (i - 1) // 3)
        nodes += struct.pack("<IIIIIIHH", 0, sum(keys[i][0]) & 0xFFFF, 0xFFFFFFFF, parent,
                             0xFFFFFFFF if i * 3 + 1 >= len(keys) else 0x40 + 0x1C * (i * 3 + 1),
                             0xFFFFFFFF if i % 3 == 2 else 0x40 + 0x1C * (i + 1), i & 0xFFFF, i // 200)
    nodes[4:8] = struct.pack("<I", len(nodes))
    blocks = []
    for start in range(0, len(keys), 200):
        body = bytearray()
        for i, (name, values) in enumerate(keys[start:start + 200], start):
            record = bytearray()
            for kind, vname, data in values:
                vname = vname.encode("cp1252")
                record += struct.pack("<IIHH", kind, 0, len(vname), len(data)) + vname + data
            head = struct.pack("<IHHIHHI", 20 + len(name) + len(record), i & 0xFFFF, i // 200, 0, len(name),
                               len(values), len(record))
            body += head + name + record
        block = b"RGDB" + struct.pack("<IIIHH", 0x20 + len(body), 0, 0, start // 200, 0) + bytes(8) + body
        blocks.append(bytes(block))
    data = b"".join(blocks)
    header = b"CREG" + struct.pack("<IIIHH", 0x00010000, 0x20 + len(nodes), 0, len(blocks), 0) + bytes(12)
    return header + bytes(nodes) + data


with open(os.path.join(out, "system.dat"), "wb") as f:
    f.write(registry_file(2500 * 1024))
with open(os.path.join(out, "user.dat"), "wb") as f:
    f.write(registry_file(300 * 1024))

write_text("autoexec.bat", [
    "@ECHO OFF",
    "SET BLASTER=A220 I5 D1 H5 P330 T6",
    "SET PATH=C:\\WINDOWS;C:\\WINDOWS\\COMMAND",
    "SET TEMP=C:\\WINDOWS\\TEMP",
    "mode con codepage prepare=((850) C:\\WINDOWS\\COMMAND\\ega.cpi)",
    "mode con codepage select=850",
    "keyb gr,,C:\\WINDOWS\\COMMAND\\keyboard.sys",
    "REM Von Windows-Setup hinzugefügt",
    "LH C:\\WINDOWS\\COMMAND\\MSCDEX.EXE /D:MSCD001 /L:E",
])
write_text("config.sys", [
    "DEVICE=C:\\WINDOWS\\HIMEM.SYS",
    "DEVICE=C:\\WINDOWS\\EMM386.EXE NOEMS",
    "DOS=HIGH,UMB",
    "FILES=40",
    "BUFFERS=30",
    "device=C:\\WINDOWS\\COMMAND\\display.sys con=(ega,,1)",
    "Country=049,850,C:\\WINDOWS\\COMMAND\\country.sys",
    "DEVICEHIGH=C:\\CDROM\\OAKCDROM.SYS /D:MSCD001",
])


def binary_stub(name, size, seed, text):
    """A small binary stand-in: a DOS executable head, code-like bytes and
    the messages a real one carries."""
    stub = random.Random(seed)
    body = bytearray(b"MZ" + struct.pack("<HHHH", size % 512, size // 512 + 1, 0, 2) + bytes(22))
    while len(body) < size:
        if stub.random() < 0.08:
            body += text[stub.randrange(len(text))].encode("cp850") + b"\r\n$"
        else:
            body += bytes(stub.choice([0x8B, 0x89, 0xE8, 0xC3, 0x50, 0x58, 0xB8, 0xCD, 0x21, 0x00, 0xFF, 0x74,
                                       stub.getrandbits(8)]) for _ in range(16))
    with open(os.path.join(out, name), "wb") as f:
        f.write(bytes(body[:size]))


binary_stub("io.sys", 222390, 7, ["Windows 98 wird gestartet...", "Ungültige Systemdiskette",
                                  "Fehler beim Laden des Betriebssystems", "HIMEM.SYS fehlt"])
binary_stub("command.com", 93880, 11, ["Befehl oder Dateiname nicht gefunden.", "Ungültiges Laufwerk",
                                       "Datenträger in Laufwerk %s hat keine Bezeichnung", "Bitte warten..."])


def system_cb():
    return ["[boot]", "oemfonts.fon=vgaoem.fon", "shell=Explorer.exe", "system.drv=system.drv",
            "drivers=mmsystem.dll", "", "[boot.description]", "system.drv=Standard-PC", "", "[386Enh]",
            "mouse=*vmouse", "device=*vpd", "device=*int13", "device=*wdctrl", "ebios=*ebios", "",
            "[NonWindowsApp]", "", "[vcache]"]


write_text("system.cb", system_cb())
cache = bytearray(b"TTFCACHE" + struct.pack("<II", 1, 58))
for face in ["Arial", "Arial Fett", "Arial Kursiv", "Courier New", "Times New Roman", "Tahoma", "Verdana",
             "Wingdings", "Symbol", "Marlett", "Comic Sans MS", "Impact", "Georgia", "Trebuchet MS"]:
    for style in range(4):
        name = (face + ("" if style == 0 else " %d" % style)).encode("cp1252")
        cache += struct.pack("<HH", len(name), style) + name + bytes(rng.getrandbits(8) for _ in range(120))
with open(os.path.join(out, "ttfcache"), "wb") as f:
    f.write(bytes(cache))
write_text("dosstart.bat", [
    "@echo off",
    "REM Diese Datei wird ausgeführt, wenn Sie in den MS-DOS-Modus wechseln.",
    "C:\\WINDOWS\\COMMAND\\MSCDEX.EXE /D:MSCD001",
    "LH C:\\WINDOWS\\COMMAND\\DOSKEY.COM",
    "C:\\MAUS\\MOUSE.COM",
])
write_text("protocol.ini", [
    "[ndishlp$]", "DriverName=ndishlp$", "Bindings=MS$NE2CLONE", "", "[protman$]", "DriverName=protman$",
    "priority=ndishlp$", "", "[data]", "version=v4.10.2222", "netcards=MS$NE2CLONE,*PNP80D6", "",
    "[MS$NE2CLONE]", "DriverName=MS2000$", "IOBASE=0x300", "INTERRUPT=10", "", "[NE2000]",
    "Adapters=MS$NE2CLONE", "", "[nwlink$]", "DriverName=nwlink$", "Frame_Type=4", "cachesize=0",
    "Bindings=MS$NE2CLONE", "", "[NETBEUI$]", "DriverName=netbeui$", "SESSIONS=10", "NCBS=12",
    "Bindings=MS$NE2CLONE", "LANABASE=0",
])

# Where each file goes on the machine.
write_text("layout.txt", [
    "; source=target=attributes (H hidden, S system, R read-only)=last write, local time",
    "msdos.sys=C:\\MSDOS.SYS=HSR=1999-04-23 22:22:00",
    "logo.sys=C:\\LOGO.SYS==1999-04-23 22:22:00",
    "logos.sys=%WINDIR%\\LOGOS.SYS==1999-04-23 22:22:00",
    "logow.sys=%WINDIR%\\LOGOW.SYS==1999-04-23 22:22:00",
    "win.ini=%WINDIR%\\WIN.INI==2001-03-12 09:41:36",
    "system.ini=%WINDIR%\\SYSTEM.INI==2001-03-12 09:41:38",
    "sysbtnc.dll=%WINDIR%\\sysbtnc.dll==2000-11-05 17:03:12",
    "system.dat=%WINDIR%\\SYSTEM.DAT=H=2001-03-14 18:27:50",
    "user.dat=%WINDIR%\\USER.DAT=H=2001-03-14 18:27:50",
    "autoexec.bat=C:\\AUTOEXEC.BAT==2000-08-19 14:05:22",
    "config.sys=C:\\CONFIG.SYS==2000-08-19 14:05:20",
    "io.sys=C:\\IO.SYS=HSR=1999-04-23 22:22:00",
    "command.com=C:\\COMMAND.COM==1999-04-23 22:22:00",
    "system.cb=%WINDIR%\\SYSTEM.CB==1999-04-23 22:22:00",
    "ttfcache=%WINDIR%\\TTFCACHE=H=2001-02-27 11:16:08",
    "dosstart.bat=%WINDIR%\\DOSSTART.BAT==2000-08-19 14:05:24",
    "protocol.ini=%WINDIR%\\PROTOCOL.INI==2000-09-02 20:48:16",
])
