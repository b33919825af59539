#!/usr/bin/env python3
"""Builds the program's icon file and its 16-colour picture from renders of src/Icone.svg.

    icone.py DIR ICO PNG PNG64

DIR holds 16.png, 32.png, 48.png, 64.png and 256.png. The icon gets 16, 32 and 48 pixels in 32 bits, 256
pixels as PNG, and 32 x 32 in 16 colours for the old shells; PNG is that 16-colour picture with its
transparency, for the about box, and PNG64 the 64 x 64 render in 16 colours of its own, for the about box
at 200 %. Colours are chosen from the picture (ImageMagick, no dithering); transparent pixels are
black under the mask, as the icon format wants. Same inputs, same bytes.
"""
import struct
import subprocess
import sys
import zlib


def rgba(fichier):
    """The pixels of a PNG as rows of (r, g, b, a), top row first."""
    taille = subprocess.run(["identify", "-format", "%w %h", fichier], check=True, capture_output=True).stdout
    largeur, hauteur = map(int, taille.split())
    brut = subprocess.run(["convert", fichier, "-depth", "8", "rgba:-"], check=True, capture_output=True).stdout
    pixels = [tuple(brut[i:i + 4]) for i in range(0, len(brut), 4)]
    return [pixels[y * largeur:(y + 1) * largeur] for y in range(hauteur)]


def seize_couleurs(lignes):
    """Palette of 16 (black first, for the transparent pixels) and the index of every pixel."""
    opaques = [p[:3] for ligne in lignes for p in ligne if p[3] >= 128]
    ppm = b"P6 %d 1 255\n" % len(opaques) + bytes(c for p in opaques for c in p)
    reduits = subprocess.run(["convert", "ppm:-", "+dither", "-colors", "15", "-depth", "8", "rgb:-"],
                             input=ppm, check=True, capture_output=True).stdout
    reduits = [tuple(reduits[i:i + 3]) for i in range(0, len(reduits), 3)]
    palette = [(0, 0, 0)] + sorted(set(reduits) - {(0, 0, 0)})
    palette += [(0, 0, 0)] * (16 - len(palette))
    suite = iter(reduits)
    index = [[palette.index(next(suite)) if p[3] >= 128 else 0 for p in ligne] for ligne in lignes]
    return palette, index


def masque(lignes):
    """The AND mask, 1 bit a pixel, rows bottom-up, each padded to 32 bits."""
    sortie = b""
    for ligne in reversed(lignes):
        bits = "".join("1" if p[3] < 128 else "0" for p in ligne)
        bits += "0" * (-len(bits) % 32)
        sortie += int(bits, 2).to_bytes(len(bits) // 8, "big")
    return sortie


def entete(largeur, hauteur, bits, couleurs, taille):
    return struct.pack("<IiiHHIIiiII", 40, largeur, hauteur * 2, 1, bits, 0, taille, 0, 0, couleurs, 0)


def bmp32(lignes):
    n = len(lignes)
    pixels = b"".join(bytes((b, g, r, a)) for ligne in reversed(lignes) for (r, g, b, a) in ligne)
    return entete(n, n, 32, 0, len(pixels)) + pixels + masque(lignes)


def bmp4(lignes, palette, index):
    n = len(lignes)
    pixels = b""
    for rang in reversed(index):
        octets = bytes((rang[i] << 4) | rang[i + 1] for i in range(0, n, 2))
        pixels += octets + b"\0" * (-len(octets) % 4)
    couleurs = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    return entete(n, n, 4, 16, len(pixels)) + couleurs + pixels + masque(lignes)


def png(lignes):
    def bloc(genre, donnees):
        return struct.pack(">I", len(donnees)) + genre + donnees + struct.pack(">I", zlib.crc32(genre + donnees))
    n = len(lignes)
    brut = b"".join(b"\0" + bytes(c for p in ligne for c in p) for ligne in lignes)
    return (b"\x89PNG\r\n\x1a\n" + bloc(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0))
            + bloc(b"IDAT", zlib.compress(brut, 9)) + bloc(b"IEND", b""))


def en_seize_couleurs(lignes):
    """The picture in 16 colours of its own, each pixel opaque or transparent."""
    palette, index = seize_couleurs(lignes)
    return [[palette[i] + ((255,) if p[3] >= 128 else (0,)) for i, p in zip(ri, rp)]
            for ri, rp in zip(index, lignes)]


def main(dossier, ico, png16, png64):
    rendus = {n: rgba(f"{dossier}/{n}.png") for n in (16, 32, 48, 64)}
    palette, index = seize_couleurs(rendus[32])
    # (width, height, colours, bits, data); 0 stands for 256.
    images = [(32, 32, 16, 4, bmp4(rendus[32], palette, index)), (16, 16, 0, 32, bmp32(rendus[16])),
              (32, 32, 0, 32, bmp32(rendus[32])), (48, 48, 0, 32, bmp32(rendus[48])),
              (0, 0, 0, 32, open(f"{dossier}/256.png", "rb").read())]
    sortie = struct.pack("<HHH", 0, 1, len(images))
    decalage = 6 + 16 * len(images)
    for largeur, hauteur, couleurs, bits, donnees in images:
        sortie += struct.pack("<BBBBHHII", largeur, hauteur, couleurs, 0, 1, bits, len(donnees), decalage)
        decalage += len(donnees)
    sortie += b"".join(donnees for *_, donnees in images)
    open(ico, "wb").write(sortie)
    open(png16, "wb").write(png(en_seize_couleurs(rendus[32])))
    open(png64, "wb").write(png(en_seize_couleurs(rendus[64])))


if __name__ == "__main__":
    main(*sys.argv[1:5])
