"""The program icon: a box of index cards with a globe in front."""

import math

from bitmaps_pictos import CONTOUR, PAPIER, ROUGE, BRUN, BRUN_FONCE
from bitmaps_raster import Toile

OCEAN = (45, 120, 215)
OCEAN_FONCE = (15, 50, 120)
GRILLE = (215, 235, 255)
TERRE = (70, 170, 80)


def _dessin(t, trait, fiches):
    """Drawn in a 32-unit square; `trait` is the width of thin lines, wider
    for the small icon so that they survive the reduction, which also shows
    fewer cards so that they do not blur into one."""
    for x, y in fiches:
        t.rect_borde(x, y, x + 15, y + 12, PAPIER, CONTOUR, trait)
        t.trait(x + 1, y + 3.5, x + 14, y + 3.5, trait, ROUGE, rond=False)
    t.polygone_borde([(1.5, 13), (23, 13), (25, 28.5), (3.5, 28.5)], BRUN,
                     BRUN_FONCE, trait)
    if trait < 1.5:  # the box's label only blurs at the small size
        t.rect_borde(8, 17, 17, 21, PAPIER, BRUN_FONCE, trait)
    cx, cy, r = 22.5, 21.5, 9.0
    t.ellipse(cx, cy, r + trait, r + trait, (255, 255, 255))
    t.ellipse(cx, cy, r, r, OCEAN)
    t.polygone([(cx - 6, cy - 5), (cx - 1, cy - 6.5), (cx + 1, cy - 2),
                (cx - 3, cy + 1), (cx - 2, cy + 5), (cx - 6.5, cy + 1)], TERRE)
    t.polygone([(cx + 3, cy + 1), (cx + 7.5, cy - 1), (cx + 6, cy + 5),
                (cx + 2.5, cy + 6.5)], TERRE)
    t.anneau(cx, cy, r * 0.45, r, trait, GRILLE)
    t.trait(cx - r, cy, cx + r, cy, trait, GRILLE, rond=False)
    for dy in (-r * 0.5, r * 0.5):
        demi = math.sqrt(r * r - dy * dy)
        t.trait(cx - demi, cy + dy, cx + demi, cy + dy, trait, GRILLE,
                rond=False)
    t.trait(cx, cy - r, cx, cy + r, trait, GRILLE, rond=False)
    t.anneau(cx, cy, r, r, trait, OCEAN_FONCE)


def icone(cote):
    t = Toile(cote, cote)
    t.echelle = cote / 32
    if cote >= 32:
        _dessin(t, 0.9, ((5, 3), (8, 6), (11, 9)))
    else:
        _dessin(t, 1.8, ((4, 3), (10, 8)))
    return t.reduire()
