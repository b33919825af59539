#!/usr/bin/env python3
"""Turns one of the program's PNG pictures into the pixels it blits, at build time.

    dib.py PNG DIB

DIB is a BITMAPINFOHEADER followed by the rows, top row first: 24-bit BGR for a picture without alpha,
32-bit BGRA premultiplied by the alpha (as AlphaBlend wants it) for one with alpha. Decoding the PNG at
start-up cost the program more than reading these bytes. Only what the pictures use is read: 8 bits per
channel, RGB or RGBA, not interlaced.
"""
import struct
import sys
import zlib


def lire_png(chemin):
    donnees = open(chemin, "rb").read()
    if donnees[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{chemin}: not a PNG file")
    position, idat, entete = 8, b"", None
    while position < len(donnees):
        (longueur,) = struct.unpack(">I", donnees[position : position + 4])
        genre = donnees[position + 4 : position + 8]
        contenu = donnees[position + 8 : position + 8 + longueur]
        if genre == b"IHDR":
            entete = struct.unpack(">IIBBBBB", contenu)
        elif genre == b"IDAT":
            idat += contenu
        position += 12 + longueur
    largeur, hauteur, profondeur, couleur, _, _, entrelace = entete
    if profondeur != 8 or couleur not in (2, 6) or entrelace:
        sys.exit(f"{chemin}: only 8-bit RGB or RGBA pictures without interlacing are read")
    canaux = 3 if couleur == 2 else 4
    brut = zlib.decompress(idat)
    pas = largeur * canaux
    rangees, precedente = [], bytearray(pas)
    for y in range(hauteur):
        debut = y * (pas + 1)
        filtre, rangee = brut[debut], bytearray(brut[debut + 1 : debut + 1 + pas])
        for i in range(pas):
            a = rangee[i - canaux] if i >= canaux else 0
            b = precedente[i]
            c = precedente[i - canaux] if i >= canaux else 0
            if filtre == 1:
                rangee[i] = (rangee[i] + a) & 0xFF
            elif filtre == 2:
                rangee[i] = (rangee[i] + b) & 0xFF
            elif filtre == 3:
                rangee[i] = (rangee[i] + (a + b) // 2) & 0xFF
            elif filtre == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                rangee[i] = (rangee[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        rangees.append(rangee)
        precedente = rangee
    return largeur, hauteur, canaux, rangees


def main():
    png, dib = sys.argv[1], sys.argv[2]
    largeur, hauteur, canaux, rangees = lire_png(png)
    bits = 24 if canaux == 3 else 32
    pas = (largeur * bits // 8 + 3) & ~3  # DIB rows end on a 4-byte boundary
    pixels = bytearray()
    for rangee in rangees:
        sortie = bytearray()
        for x in range(largeur):
            r, g, b = rangee[x * canaux : x * canaux + 3]
            if canaux == 3:
                sortie += bytes((b, g, r))
            else:
                a = rangee[x * 4 + 3]
                sortie += bytes(((b * a + 127) // 255, (g * a + 127) // 255, (r * a + 127) // 255, a))
        pixels += sortie + bytes(pas - len(sortie))
    # biHeight negative: top-down rows.
    entete = struct.pack("<IiiHHIIiiII", 40, largeur, -hauteur, 1, bits, 0, len(pixels), 0, 0, 0, 0)
    open(dib, "wb").write(entete + pixels)


main()
