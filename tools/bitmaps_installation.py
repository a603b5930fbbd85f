"""The installer's title picture: the program's icon and name on a blue
band, drawn by ImageMagick with the serif face of the labels."""

import subprocess

from bitmaps_icone import icone
from bitmaps_raster import Image
from bitmaps_textes import POLICE

POLICE_ITALIQUE = ("/usr/share/fonts/truetype/liberation/"
                   "LiberationSerif-Italic.ttf")
HAUT, BAS = (23, 60, 112), (61, 118, 189)
BORD = (12, 36, 70)
NOM = "Lorvanix 6.1"
SOUS_TITRE = "Programme d'installation"
ICONE = 80


def _rgb(c):
    return "rgb(%d,%d,%d)" % c


def titre(largeur, hauteur):
    """The band, darker at the top, the name with a soft shadow, the
    subtitle under it and the icon on the left."""
    gauche = 2 * 16 + ICONE
    try:
        brut = subprocess.run(
            ["convert", "-size", "%dx%d" % (largeur, hauteur),
             "gradient:%s-%s" % (_rgb(HAUT), _rgb(BAS)),
             "-font", POLICE, "-pointsize", "50",
             "-fill", "rgba(0,0,0,0.45)", "-annotate",
             "+%d+%d" % (gauche + 2, 64), NOM,
             "-fill", "white", "-annotate", "+%d+%d" % (gauche, 62), NOM,
             "-font", POLICE_ITALIQUE, "-pointsize", "20",
             "-fill", _rgb((214, 230, 250)), "-annotate",
             "+%d+%d" % (gauche + 4, 92), SOUS_TITRE,
             "-depth", "8", "rgb:-"],
            check=True, capture_output=True).stdout
    except FileNotFoundError:
        raise SystemExit("ImageMagick 'convert' introuvable : "
                         "apt-get install -y imagemagick fonts-liberation")
    if len(brut) != 3 * largeur * hauteur:
        raise SystemExit("sortie inattendue de convert pour le titre")
    img = Image(largeur, hauteur)
    for i in range(largeur * hauteur):
        img.px[4 * i:4 * i + 4] = brut[3 * i:3 * i + 3] + b"\xff"
    for x in range(largeur):
        img.poser(x, 0, BORD)
        img.poser(x, hauteur - 1, BORD)
    for y in range(hauteur):
        img.poser(0, y, BORD)
        img.poser(largeur - 1, y, BORD)
    img.coller(icone(ICONE), 16, (hauteur - ICONE) // 2)
    return img
