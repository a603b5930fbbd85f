"""The pictograms of the toolbar, drawn on a 32 x 32 Toile.

Each drawing keeps inside 3..29 so that the button border stays clear.
"""

import math

CONTOUR = (55, 55, 65)
BLANC = (255, 255, 255)
PAPIER = (255, 254, 246)
LIGNE_TEXTE = (150, 160, 185)
JAUNE = (252, 210, 80)
JAUNE_CLAIR = (255, 232, 140)
JAUNE_FONCE = (176, 128, 20)
BLEU = (40, 110, 215)
BLEU_FONCE = (20, 55, 130)
ROUGE = (215, 30, 30)
ROUGE_FONCE = (130, 10, 10)
VERT = (40, 160, 60)
GRIS = (175, 180, 190)
GRIS_FONCE = (95, 100, 110)
ACIER = (205, 210, 220)
BRUN = (165, 105, 45)
BRUN_FONCE = (95, 55, 20)
VERRE = (205, 232, 252)


# -- shared pieces ----------------------------------------------------------

def feuille(t, x0, y0, x1, y1):
    """A written sheet with a folded corner."""
    pli = 4
    t.polygone_borde([(x0, y0), (x1 - pli, y0), (x1, y0 + pli), (x1, y1),
                      (x0, y1)], PAPIER, CONTOUR)
    t.polygone_borde([(x1 - pli, y0), (x1 - pli, y0 + pli), (x1, y0 + pli)],
                     GRIS, CONTOUR, 0.8)
    y = y0 + 4
    while y < y1 - 2:
        t.trait(x0 + 2.5, y, x1 - 2.5 - (pli if y < y0 + pli + 1 else 0), y,
                1.0, LIGNE_TEXTE, rond=False)
        y += 3


def fiche(t, x0, y0, x1, y1):
    """An index card: a red rule under the heading, blue rules below."""
    t.rect_borde(x0, y0, x1, y1, PAPIER, CONTOUR)
    t.trait(x0 + 1, y0 + 4.5, x1 - 1, y0 + 4.5, 1.2, ROUGE, rond=False)
    t.trait(x0 + 2.5, y0 + 2.5, x0 + (x1 - x0) * 0.55, y0 + 2.5, 1.2,
            GRIS_FONCE, rond=False)
    y = y0 + 8
    while y < y1 - 1.5:
        t.trait(x0 + 1, y, x1 - 1, y, 0.9, (140, 175, 230), rond=False)
        y += 3


def fleche(t, x0, x1, y, epaisseur, tete, couleur=BLEU, bord=BLEU_FONCE):
    """A horizontal arrow from x0 to its point at x1."""
    s = 1 if x1 > x0 else -1
    base = x1 - s * tete
    e = epaisseur / 2
    t.polygone_borde([(x0, y - e), (base, y - e), (base, y - tete * 0.95),
                      (x1, y), (base, y + tete * 0.95), (base, y + e),
                      (x0, y + e)], couleur, bord)


def chevron(t, x0, x1, y, demi_hauteur, couleur=BLEU, bord=BLEU_FONCE):
    """A solid triangle from its base at x0 to its point at x1."""
    t.polygone_borde([(x0, y - demi_hauteur), (x1, y), (x0, y + demi_hauteur)],
                     couleur, bord)


def drapeau(t, x, y, hampe, largeur):
    """The mark flag: a pole at x from y down, a waving red cloth."""
    t.trait(x, y, x, y + hampe, 1.6, GRIS_FONCE)
    haut = [(x + 0.8 + largeur * k / 8,
             y + 0.5 - 1.0 * math.sin(math.pi * k / 4)) for k in range(9)]
    bas = [(px, py + largeur * 0.55) for px, py in reversed(haut)]
    t.polygone_borde(haut + bas, ROUGE, ROUGE_FONCE, 0.9)


def loupe(t, cx, cy, r, manche_fin):
    """A magnifier: lens centred at cx, cy, handle towards manche_fin."""
    mx, my = manche_fin
    n = math.hypot(mx - cx, my - cy)
    bx, by = cx + (mx - cx) * r / n, cy + (my - cy) * r / n
    t.trait(bx, by, mx, my, 3.8, BRUN_FONCE)
    t.trait(bx, by, mx, my, 2.0, BRUN)
    t.ellipse(cx, cy, r, r, VERRE)
    t.ellipse(cx - r * 0.35, cy - r * 0.35, r * 0.28, r * 0.28, BLANC)
    t.anneau(cx, cy, r, r, 2.0, CONTOUR)


def croix(t, x0, y0, x1, y1, epaisseur=3.4):
    t.trait(x0, y0, x1, y1, epaisseur + 1.6, BLANC)
    t.trait(x1, y0, x0, y1, epaisseur + 1.6, BLANC)
    t.trait(x0, y0, x1, y1, epaisseur, ROUGE)
    t.trait(x1, y0, x0, y1, epaisseur, ROUGE)


def etoile(t, cx, cy, r_ext, r_int, branches=5):
    pts = []
    for k in range(2 * branches):
        r = r_ext if k % 2 == 0 else r_int
        a = -math.pi / 2 + math.pi * k / branches
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    t.polygone_borde(pts, JAUNE, JAUNE_FONCE, 0.9)


def roue_dentee(t, cx, cy, r_ext, r_int, r_trou, dents=8):
    pts = []
    for k in range(dents):
        a = 2 * math.pi * k / dents
        for da, r in ((-0.30, r_int), (-0.17, r_ext), (0.17, r_ext),
                      (0.30, r_int)):
            pts.append((cx + r * math.cos(a + da), cy + r * math.sin(a + da)))
    trou = [(cx + r_trou * math.cos(2 * math.pi * k / 16),
             cy + r_trou * math.sin(2 * math.pi * k / 16)) for k in range(16)]
    t.polygone(pts, GRIS, trous=[trou])
    t.lignes(pts, 0.9, GRIS_FONCE, ferme=True)
    t.lignes(trou, 0.9, GRIS_FONCE, ferme=True)


# -- the nineteen pictures ---------------------------------------------------

def ouvrir(t):
    t.polygone_borde([(4, 8), (11, 8), (13, 10.5), (25, 10.5), (25, 26),
                      (4, 26)], JAUNE, JAUNE_FONCE)
    t.polygone_borde([(8.5, 14.5), (29, 14.5), (25, 26), (4, 26)],
                     JAUNE_CLAIR, JAUNE_FONCE)


def enregistrer(t):
    t.polygone_borde([(5, 4), (24, 4), (28, 8), (28, 28), (5, 28)],
                     (45, 80, 165), BLEU_FONCE)
    t.rect_borde(10, 4, 22, 12, ACIER, GRIS_FONCE, 0.8)
    t.rect(17.5, 5.5, 20.5, 10.5, (45, 80, 165))
    t.rect_borde(8.5, 16, 24.5, 28, PAPIER, GRIS_FONCE, 0.8)
    t.trait(10.5, 20, 22.5, 20, 1.0, LIGNE_TEXTE, rond=False)
    t.trait(10.5, 23.5, 22.5, 23.5, 1.0, LIGNE_TEXTE, rond=False)


def imprimer(t):
    t.rect_borde(9, 3.5, 23, 13, PAPIER, CONTOUR)
    t.polygone_borde([(6, 12), (26, 12), (28.5, 15), (28.5, 23), (3.5, 23),
                      (3.5, 15)], GRIS, CONTOUR)
    t.rect(7, 19, 25, 20.5, GRIS_FONCE)
    t.ellipse(24.5, 16, 1.4, 1.4, VERT)
    t.polygone_borde([(8, 20), (24, 20), (25.5, 28.5), (6.5, 28.5)], PAPIER,
                     CONTOUR)
    t.trait(9.5, 23.5, 22.5, 23.5, 1.0, LIGNE_TEXTE, rond=False)
    t.trait(9, 26, 23, 26, 1.0, LIGNE_TEXTE, rond=False)


def couper(t):
    t.trait(10.5, 19.5, 21.5, 4, 2.6, GRIS_FONCE)
    t.trait(21.5, 19.5, 10.5, 4, 2.6, GRIS_FONCE)
    t.trait(10.5, 19.5, 21.5, 4, 1.2, ACIER)
    t.trait(21.5, 19.5, 10.5, 4, 1.2, ACIER)
    t.ellipse(16, 11.7, 1.3, 1.3, CONTOUR)
    for cx in (9.5, 22.5):
        t.anneau(cx, 23.5, 4.6, 4.6, 2.2, ROUGE)


def copier(t):
    feuille(t, 4, 3.5, 19, 21)
    feuille(t, 13, 11, 28, 28.5)


def coller(t):
    t.rect_borde(5.5, 6, 26.5, 29, BRUN, BRUN_FONCE)
    feuille(t, 9, 10, 23, 26.5)
    t.rect_borde(11.5, 3, 20.5, 9, ACIER, CONTOUR)
    t.rect(14, 4.5, 18, 6, GRIS_FONCE)


def dupliquer(t):
    fiche(t, 3.5, 5, 21.5, 19)
    fiche(t, 10.5, 13, 28.5, 27)


def supprimer(t):
    fiche(t, 3.5, 6, 23, 22)
    croix(t, 16.5, 15.5, 27, 27)


def creer(t):
    fiche(t, 3.5, 10, 23, 27)
    etoile(t, 22.5, 9.5, 7.5, 3.2)


def reculer_vite(t):
    chevron(t, 16, 4, 16, 9)
    chevron(t, 28, 16, 16, 9)


def precedente(t):
    fleche(t, 28, 4, 16, 6, 10)


def suivante(t):
    fleche(t, 4, 28, 16, 6, 10)


def avancer_vite(t):
    chevron(t, 4, 16, 16, 9)
    chevron(t, 16, 28, 16, 9)


def marquee_precedente(t):
    drapeau(t, 16, 3.5, 12, 10)
    fleche(t, 28, 4, 23, 5, 7.5)


def marquee_suivante(t):
    drapeau(t, 8, 3.5, 12, 10)
    fleche(t, 4, 28, 23, 5, 7.5)


def effacer_marques(t):
    drapeau(t, 9, 4, 24, 16)
    croix(t, 14, 15, 27, 28, 3.0)


def rechercher_precedente(t):
    loupe(t, 19, 11, 7, (28.5, 20.5))
    fleche(t, 20, 3.5, 24, 4.5, 6.5)


def criteres(t):
    loupe(t, 11.5, 11, 7.5, (20, 19.5))
    roue_dentee(t, 22, 22.5, 7, 5, 2.2)


def rechercher_suivante(t):
    loupe(t, 13, 11, 7, (3.5, 20.5))
    fleche(t, 12, 28.5, 24, 4.5, 6.5)
