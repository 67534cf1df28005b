#!/usr/bin/python3
"""Writes res/bestellen.pdf, the one-page order form of Quellwerk.

Made with reportlab (Debian package python3-reportlab); the file is the same
on every run, so that it can be kept in the repository.
"""
import argparse
import os

from reportlab.lib.pagesizes import A4
from reportlab.lib.units import mm
from reportlab.pdfgen import canvas

HERE = os.path.dirname(os.path.abspath(__file__))
BLUE = (0.16, 0.36, 0.71)

# What can be ordered: name, price in euros.
ITEMS = [
    ("Halvorn Quellwerk, Einzelplatzlizenz (Download)", "29,00"),
    ("Halvorn Quellwerk, Einzelplatzlizenz auf CD-ROM mit Handbuch", "39,00"),
    ("Halvorn Quellwerk, Lizenz für 5 Arbeitsplätze", "99,00"),
]


def field(c, x, y, width, label):
    c.setFont("Helvetica", 9)
    c.setFillColorRGB(0.25, 0.25, 0.25)
    c.drawString(x, y + 2 * mm, label)
    c.setStrokeColorRGB(0.5, 0.5, 0.5)
    c.line(x + 32 * mm, y + 1.5 * mm, x + width, y + 1.5 * mm)


def box(c, x, y):
    c.setStrokeColorRGB(0.2, 0.2, 0.2)
    c.rect(x, y, 3.5 * mm, 3.5 * mm)


def write(path):
    c = canvas.Canvas(path, pagesize=A4, invariant=1)
    c.setTitle("Bestellformular Halvorn Quellwerk")
    c.setAuthor("Halvorn Software")
    w, h = A4
    left, right = 20 * mm, w - 20 * mm

    c.setFillColorRGB(*BLUE)
    c.rect(0, h - 38 * mm, w, 38 * mm, stroke=0, fill=1)
    c.setFillColorRGB(1, 1, 1)
    c.setFont("Helvetica-Bold", 22)
    c.drawString(left, h - 20 * mm, "Bestellformular")
    c.setFont("Helvetica", 12)
    c.drawString(left, h - 29 * mm, "Halvorn Quellwerk für Windows 95, 98 und ME")

    y = h - 52 * mm
    c.setFillColorRGB(0, 0, 0)
    c.setFont("Helvetica", 10)
    for line in ("Bitte füllen Sie dieses Formular aus und senden Sie es per Post oder Fax an:",
                 "Halvorn Software, Postfach 10 20 30, 12345 Musterstadt, Fax 01234 / 56 78 90",
                 "Schneller geht es im Internet: www.halvorn.de"):
        c.drawString(left, y, line)
        y -= 5.5 * mm

    y -= 6 * mm
    c.setFont("Helvetica-Bold", 12)
    c.setFillColorRGB(*BLUE)
    c.drawString(left, y, "Ich bestelle")
    y -= 9 * mm
    c.setFillColorRGB(0, 0, 0)
    for name, price in ITEMS:
        box(c, left, y - 0.5 * mm)
        c.setFont("Helvetica", 10)
        c.drawString(left + 7 * mm, y, name)
        c.drawRightString(right, y, price + " EUR")
        y -= 8 * mm
    c.setFont("Helvetica", 8)
    c.drawString(left, y, "Alle Preise inklusive Mehrwertsteuer, zuzüglich 3,50 EUR Versand bei Lieferung auf CD-ROM.")

    y -= 14 * mm
    c.setFont("Helvetica-Bold", 12)
    c.setFillColorRGB(*BLUE)
    c.drawString(left, y, "Lieferanschrift")
    y -= 10 * mm
    for label in ("Name, Vorname", "Firma", "Straße, Nr.", "PLZ, Ort", "Telefon", "E-Mail"):
        field(c, left, y, right - left, label)
        y -= 10 * mm

    y -= 4 * mm
    c.setFont("Helvetica-Bold", 12)
    c.setFillColorRGB(*BLUE)
    c.drawString(left, y, "Zahlungsweise")
    y -= 9 * mm
    c.setFillColorRGB(0, 0, 0)
    c.setFont("Helvetica", 10)
    x = left
    for way in ("Vorkasse (Überweisung)", "Nachnahme", "Lastschrift"):
        box(c, x, y - 0.5 * mm)
        c.drawString(x + 7 * mm, y, way)
        x += 55 * mm
    y -= 12 * mm
    for label in ("Kontoinhaber", "Kontonummer", "Bankleitzahl"):
        field(c, left, y, right - left, label)
        y -= 10 * mm

    y -= 10 * mm
    c.setStrokeColorRGB(0.5, 0.5, 0.5)
    c.line(left, y, left + 60 * mm, y)
    c.line(right - 70 * mm, y, right, y)
    c.setFont("Helvetica", 8)
    c.drawString(left, y - 4 * mm, "Ort, Datum")
    c.drawString(right - 70 * mm, y - 4 * mm, "Unterschrift")

    c.setFont("Helvetica", 7)
    c.setFillColorRGB(0.4, 0.4, 0.4)
    c.drawCentredString(w / 2, 12 * mm, "Halvorn Software · Quellwerk · Sie erhalten Ihren Freischaltcode innerhalb "
                                        "von zwei Werktagen nach Zahlungseingang.")
    c.showPage()
    c.save()


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(HERE, "..", "res", "bestellen.pdf"))
    args = ap.parse_args()
    write(args.out)


if __name__ == "__main__":
    main()
