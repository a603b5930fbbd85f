#!/usr/bin/env python3
"""Draws the picture of the information box: a card file (index cards with
coloured tabs standing in a wooden tray) before a globe, for the web.

Writes resources/info/lvxinfo.bmp (96 x 96, 24 bits). Standard library only;
shapes are drawn four times larger and averaged down, for smooth edges.

    python3 tools/gen_info_bitmap.py [output.bmp]
"""
import os
import struct
import sys

TAILLE = 96
SUR = 4  # supersampling factor
N = TAILLE * SUR


def hexa(c):
    return (int(c[1:3], 16), int(c[3:5], 16), int(c[5:7], 16))


class Toile:
    def __init__(self):
        self.px = [[(0, 0, 0)] * N for _ in range(N)]

    def remplir(self, x0, y0, x1, y1, couleur, dedans=lambda x, y: True):
        """Paints the samples of the box [x0, x1) x [y0, y1) (picture pixels)
        whose centre is inside the shape."""
        c = hexa(couleur) if isinstance(couleur, str) else couleur
        for sy in range(max(0, int(y0 * SUR)), min(N, int(y1 * SUR + 0.999))):
            y = (sy + 0.5) / SUR
            ligne = self.px[sy]
            for sx in range(max(0, int(x0 * SUR)), min(N, int(x1 * SUR + 0.999))):
                x = (sx + 0.5) / SUR
                if x0 <= x < x1 and y0 <= y < y1 and dedans(x, y):
                    ligne[sx] = c(x, y) if callable(c) else c

    def rectangle(self, x0, y0, x1, y1, fond, bord=None):
        if bord:
            self.remplir(x0, y0, x1, y1, bord)
            x0, y0, x1, y1 = x0 + 1, y0 + 1, x1 - 1, y1 - 1
        self.remplir(x0, y0, x1, y1, fond)

    def disque(self, cx, cy, r, couleur):
        self.remplir(cx - r, cy - r, cx + r, cy + r, couleur,
                     lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 < r * r)

    def reduire(self):
        """Averages each SUR x SUR block into one pixel; rows top to bottom."""
        lignes = []
        for py in range(TAILLE):
            ligne = []
            for px in range(TAILLE):
                s = [0, 0, 0]
                for sy in range(py * SUR, (py + 1) * SUR):
                    for sx in range(px * SUR, (px + 1) * SUR):
                        p = self.px[sy][sx]
                        s[0] += p[0]
                        s[1] += p[1]
                        s[2] += p[2]
                n = SUR * SUR
                ligne.append(tuple((v + n // 2) // n for v in s))
            lignes.append(ligne)
        return lignes


def degrade(haut, bas, y0, y1):
    h, b = hexa(haut), hexa(bas)

    def couleur(_x, y):
        t = min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        return tuple(round(h[i] + (b[i] - h[i]) * t) for i in range(3))
    return couleur


def globe(t, cx, cy, r):
    t.disque(cx, cy, r + 1, '#10305c')
    t.remplir(cx - r, cy - r, cx + r, cy + r, degrade('#a9d2f5', '#4f93d6', cy - r, cy + r),
              lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 < r * r)
    dans = lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 < (r - 0.5) ** 2
    grille = '#e6f2ff'
    for dy in (-0.6, -0.3, 0.0, 0.3, 0.6):  # parallels
        y = cy + dy * r
        t.remplir(cx - r, y - 0.4, cx + r, y + 0.4, grille, dans)
    t.remplir(cx - 0.4, cy - r, cx + 0.4, cy + r, grille, dans)
    for k in (0.45, 0.85):  # meridians, as ellipses
        a = k * r

        def anneau(x, y, a=a):
            e = ((x - cx) / a) ** 2 + ((y - cy) / r) ** 2
            return dans(x, y) and abs(e - 1.0) < 0.9 / a
        t.remplir(cx - r, cy - r, cx + r, cy + r, grille, anneau)


def fiche(t, x0, y0, x1, y1, fond, onglet_x, onglet):
    contour = '#5e5647'
    t.rectangle(onglet_x, y0 - 6, onglet_x + 15, y0 + 1, onglet, contour)
    t.rectangle(x0, y0, x1, y1, fond, contour)


def dessiner():
    t = Toile()
    t.rectangle(0, 0, TAILLE, TAILLE, degrade('#3d76bd', '#173c70', 0, TAILLE), '#0c2446')
    globe(t, 64, 30, 22)

    fiche(t, 16, 26, 72, 66, '#e6dec6', 20, '#d24b3b')
    fiche(t, 18, 34, 74, 66, '#f2ecda', 40, '#3e9b4c')
    fiche(t, 20, 42, 76, 66, '#fffdf5', 58, '#e0a526')
    t.remplir(22, 47, 74, 48, '#d9534f')  # the red line of an index card
    for y in (51, 55):
        t.remplir(22, y, 74, y + 1, '#9cc0e6')

    # The tray, seen from the front, with its label holder.
    t.rectangle(9, 58, 87, 89, '#b4733c', '#4a2a10')
    t.remplir(10, 59, 86, 62, '#d39456')
    t.remplir(10, 86, 86, 88, '#8a5428')
    t.rectangle(36, 68, 60, 78, '#f4ecd4', '#4a2a10')
    for y in (71, 74):
        t.remplir(39, y, 57, y + 1, '#a08a68')
    return t.reduire()


def ecrire_bmp(chemin, lignes):
    largeur, hauteur = len(lignes[0]), len(lignes)
    pas = (largeur * 3 + 3) & ~3
    donnees = bytearray()
    for ligne in reversed(lignes):  # BMP rows go bottom to top
        rangee = bytearray()
        for r, g, b in ligne:
            rangee += bytes((b, g, r))
        rangee += b'\0' * (pas - len(rangee))
        donnees += rangee
    entete_info = struct.pack('<IiiHHIIiiII', 40, largeur, hauteur, 1, 24, 0, len(donnees), 2835, 2835, 0, 0)
    entete = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(donnees), 0, 0, 14 + 40)
    with open(chemin, 'wb') as f:
        f.write(entete + entete_info + donnees)


def main():
    racine = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    chemin = sys.argv[1] if len(sys.argv) > 1 else os.path.join(racine, 'resources', 'info', 'lvxinfo.bmp')
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    ecrire_bmp(chemin, dessiner())


if __name__ == '__main__':
    main()
