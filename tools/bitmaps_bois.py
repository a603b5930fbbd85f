"""The wood band behind the toolbar: wavy grain lines along a board and fine
fibres, from fixed formulas and a seeded generator so the file never
changes from one run to the next."""

import math
import random

from bitmaps_raster import Image

CLAIR = (205, 158, 104)
FONCE = (128, 80, 40)


def _fibres(largeur, hauteur):
    """Per row, a slowly varying streak value in -1..1."""
    alea = random.Random(6101)
    lignes = []
    for _ in range(hauteur):
        points = [alea.uniform(-1, 1) for _ in range(largeur // 16 + 2)]
        ligne = []
        for x in range(largeur):
            i, f = divmod(x / 16, 1)
            a, b = points[int(i)], points[int(i) + 1]
            ligne.append(a + (b - a) * (3 * f * f - 2 * f * f * f))
        lignes.append(ligne)
    return lignes


def bois(largeur, hauteur):
    img = Image(largeur, hauteur)
    fibres = _fibres(largeur, hauteur)
    for y in range(hauteur):
        for x in range(largeur):
            veine = (y + 2.6 * math.sin(x / 97 + 0.6)
                     + 1.4 * math.sin(x / 37 + y / 11))
            anneau = 0.5 + 0.5 * math.sin(veine * 2 * math.pi / 7.0)
            v = 0.55 * anneau ** 3 + 0.15 * fibres[y][x] + 0.2
            v = min(1.0, max(0.0, v))
            img.poser(x, y, tuple(round(c + (f - c) * v)
                                  for c, f in zip(CLAIR, FONCE)))
    return img
