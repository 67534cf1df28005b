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
    '"SmoothScroll"=dword:00000001',
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

# Where each file goes on the machine.
write_text("layout.txt", [
    "msdos.sys=C:\\MSDOS.SYS=HSR",
    "logo.sys=C:\\LOGO.SYS=",
    "logos.sys=%WINDIR%\\LOGOS.SYS=",
    "logow.sys=%WINDIR%\\LOGOW.SYS=",
    "win.ini=%WINDIR%\\WIN.INI=",
    "system.ini=%WINDIR%\\SYSTEM.INI=",
    "sysbtnc.dll=%WINDIR%\\sysbtnc.dll=",
])
