#!/usr/bin/python3
"""Writes res/qw32tt.tip, the tips of the welcome page: one tip a line,
Windows-1252, CR LF line ends, no empty lines.

The welcome page shows a tip in a label about 300 pixels wide inside a box
63 pixels high (Tahoma 8 pt), so a tip must wrap into four lines at most.
The script checks that with Wine's Tahoma when Pillow is there
(/usr/bin/python3 with Debian's python3-pil).

Usage: make_tips.py [output file]
"""
import os
import sys

TIPS = [
    "Drücken Sie F8, sobald „Windows 95 wird gestartet“ erscheint, dann zeigt Windows sein Startmenü "
    "zum Hochfahren. Unter Windows 98 halten Sie dafür Strg gedrückt.",
    "Im Startmenü beim Hochfahren finden Sie den abgesicherten Modus. Er lädt nur die nötigsten Treiber, "
    "so dass Sie Fehler in Ruhe beheben können.",
    "Mit BootMenu=1 im Abschnitt [Options] der Datei MSDOS.SYS zeigt Windows bei jedem Start das Startmenü "
    "zum Hochfahren. "
    "BootMenuDelay legt die Wartezeit in Sekunden fest.",
    "BootGUI=0 in MSDOS.SYS startet den Rechner nur bis zur MS-DOS-Eingabeaufforderung. "
    "Windows starten Sie dann mit dem Befehl WIN (nicht unter Windows ME).",
    "Logo=0 in MSDOS.SYS schaltet das Startbild ab. Sie sehen dann die Meldungen beim Hochfahren. "
    "Einmalig geht das auch mit der Esc-Taste während des Startbilds.",
    "MSDOS.SYS ist versteckt, schreibgeschützt und eine Systemdatei. Nehmen Sie die Attribute vor dem "
    "Bearbeiten mit attrib -h -s -r c:\\msdos.sys weg und setzen Sie sie danach wieder.",
    "MSDOS.SYS muss mindestens 1024 Byte groß sein. Die Zeilen voller x am Ende der Datei sind nur Füllung "
    "und dürfen nicht gelöscht werden.",
    "ScanDisk prüft Ihre Festplatte auf Fehler im Dateisystem und auf defekte Bereiche. "
    "Sie finden es unter Programme > Zubehör > Systemprogramme.",
    "Nach einem Absturz prüft Windows 98 die Festplatte beim nächsten Start mit ScanDisk. "
    "AutoScan=2 in MSDOS.SYS prüft ohne Rückfrage, AutoScan=0 gar nicht.",
    "Schließen Sie vor dem Defragmentieren alle Programme und den Bildschirmschoner. "
    "Sonst ändert sich die Festplatte laufend, und die Defragmentierung beginnt von vorn.",
    "Windows 98 merkt sich, welche Programme Sie oft starten. Die Defragmentierung legt deren Dateien "
    "so ab, dass diese Programme schneller starten.",
    "Die Systemdateiüberprüfung von Windows 98 (Start > Ausführen > sfc) findet beschädigte oder "
    "veränderte Systemdateien und holt sie von der Windows-CD zurück.",
    "Mit msconfig (Start > Ausführen) schalten Sie unter Windows 98 und ME Autostart-Programme und "
    "Zeilen der CONFIG.SYS und AUTOEXEC.BAT probeweise ab.",
    "Windows 98 sichert die Registrierung beim ersten Start jedes Tages. Mit scanreg /restore an der "
    "MS-DOS-Eingabeaufforderung holen Sie eine ältere Sicherung zurück.",
    "Die Sicherungen der Registrierung liegen im versteckten Ordner C:\\WINDOWS\\SYSBCKUP (rb000.cab usw.). "
    "Wie viele es gibt, legt MaxBackupCopies in scanreg.ini fest.",
    "Windows 95 legt nach jedem erfolgreichen Start eine Kopie der Registrierung in SYSTEM.DA0 und "
    "USER.DA0 im Windows-Ordner ab.",
    "Mit regedit /e c:\\sicherung.reg speichern Sie die ganze Registrierung als Textdatei. "
    "Ein Doppelklick auf eine .reg-Datei trägt deren Inhalt wieder ein.",
    "Strg+Alt+Entf öffnet das Fenster „Anwendung schließen“. Dort beenden Sie ein Programm, das nicht mehr "
    "reagiert. Ein zweites Strg+Alt+Entf startet den Rechner neu.",
    "Ziehen Sie eine Datei mit gedrückter Umschalttaste, wird sie verschoben, mit Strg wird sie kopiert. "
    "Mit der rechten Maustaste fragt Windows, was geschehen soll.",
    "Umschalt+Entf löscht eine Datei sofort, ohne Umweg über den Papierkorb. "
    "Sie lässt sich danach nicht mehr wiederherstellen.",
    "Ein Rechtsklick mit gedrückter Umschalttaste auf eine Datei bietet „Öffnen mit“ an, "
    "auch wenn der Dateityp schon einem Programm zugeordnet ist.",
    "Windows-Taste+E öffnet den Explorer, Windows-Taste+R das Fenster „Ausführen“, "
    "Windows-Taste+F die Suche und Windows-Taste+M verkleinert alle Fenster.",
    "Strg+Esc öffnet das Startmenü auch auf Tastaturen ohne Windows-Taste. "
    "Alt+Tab wechselt zwischen den geöffneten Fenstern.",
    "Programme, die mit Windows starten, stehen im Autostart-Ordner, in der win.ini (load= und run=) "
    "und in der Registrierung unter ...\\Windows\\CurrentVersion\\Run.",
    "Halten Sie beim Anmelden die Umschalttaste gedrückt, bis der Desktop erscheint. "
    "Dann werden die Programme im Autostart-Ordner nicht gestartet.",
    "Windows 9x hat nur wenig Platz für Systemressourcen. Wie viel frei ist, zeigt die Seite "
    "„Leistungsmerkmale“ der Systemeigenschaften; unter 20 % wird es eng.",
    "Die Ressourcenanzeige unter Zubehör > Systemprogramme zeigt die freien Systemressourcen ständig "
    "als kleines Symbol neben der Uhr an.",
    "Ein gelbes Ausrufezeichen im Geräte-Manager (Systemeigenschaften) zeigt ein Gerät mit Problemen. "
    "Oft hilft ein aktueller Treiber des Herstellers.",
    "Im abgesicherten Modus zeigt der Geräte-Manager doppelt eingetragene Geräte. Entfernen Sie die "
    "doppelten Einträge und starten Sie neu.",
    "Der Punkt „Protokolliert“ im Startmenü beim Hochfahren schreibt die Datei BOOTLOG.TXT auf Laufwerk C:. "
    "Dort sehen Sie, an welchem Treiber der Start hängen bleibt.",
    "ConservativeSwapfileUsage=1 im Abschnitt [386Enh] der system.ini lässt Windows 98 die "
    "Auslagerungsdatei erst nutzen, wenn der Arbeitsspeicher knapp wird.",
    "Hat Ihr Rechner mehr als 512 MB Arbeitsspeicher, meldet Windows 98 oft zu wenig Speicher. "
    "Abhilfe: MaxFileCache=524288 im Abschnitt [vcache] der system.ini.",
    "Die Datenträgerbereinigung unter Zubehör > Systemprogramme löscht temporäre Dateien, den Cache "
    "des Internet Explorers und den Inhalt des Papierkorbs.",
    "Legen Sie unter Systemsteuerung > Software > Startdiskette eine Startdiskette an. Die von "
    "Windows 98 bringt Treiber für fast alle CD-ROM-Laufwerke mit.",
    "Der Befehl winipcfg (Start > Ausführen) zeigt die IP-Adresse und die übrigen Netzwerkeinstellungen "
    "Ihres Rechners an.",
    "Windows ME legt mit der Systemwiederherstellung regelmäßig Prüfpunkte an. Über Zubehör > "
    "Systemprogramme kehren Sie zu einem früheren Stand zurück.",
    "Lassen Sie sich in den Ordneroptionen des Explorers die Dateinamenerweiterungen anzeigen. So erkennen "
    "Sie, ob ein Mail-Anhang ein Bild oder ein Programm ist.",
    "Alt+F4 schließt das aktive Fenster. Auf dem Desktop öffnet es den Dialog „Windows beenden“.",
]

MAX_CHARS = 180
LABEL_WIDTH = 300
MAX_LINES = 4


def wrapped_lines(text, width):
    """Lines of text word-wrapped in Tahoma 8 pt, or None without Pillow."""
    try:
        from PIL import ImageFont
    except ImportError:
        return None
    f = ImageFont.truetype("/usr/share/wine/fonts/tahoma.ttf", 11)
    lines, cur = [], ""
    for word in text.split():
        trial = (cur + " " + word).strip()
        if cur and f.getlength(trial) > width:
            lines.append(cur)
            cur = word
        else:
            cur = trial
    lines.append(cur)
    assert all(f.getlength(w) <= width for w in text.split()), text
    return lines


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res", "qw32tt.tip")
    assert len(TIPS) >= 20
    for tip in TIPS:
        assert tip == tip.strip() and tip and "\n" not in tip and "\r" not in tip, tip
        assert len(tip) < MAX_CHARS, (len(tip), tip)
        tip.encode("cp1252")
        lines = wrapped_lines(tip, LABEL_WIDTH)
        assert lines is None or len(lines) <= MAX_LINES, (len(lines), tip)
    with open(out, "wb") as f:
        f.write("".join(t + "\r\n" for t in TIPS).encode("cp1252"))


if __name__ == "__main__":
    main()
