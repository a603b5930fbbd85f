"""Label pictures: one line of text rendered by ImageMagick with a TrueType
font, on the window's own background so that it blends in."""

import subprocess

from bitmaps_raster import Image

# Metric twin of Times New Roman, the face of the card view.
POLICE = "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf"
TAILLE = 15  # pixels: ImageMagick's default 72 dpi makes points pixels
ENCRE = (16, 24, 80)


def _convert(*arguments):
    try:
        return subprocess.run(["convert", *arguments], check=True,
                              capture_output=True).stdout
    except FileNotFoundError:
        raise SystemExit("ImageMagick 'convert' introuvable : "
                         "apt-get install -y imagemagick fonts-liberation")


def _couleur(c):
    return "rgb(%d,%d,%d)" % c


def largeur_encre(texte):
    """Width in pixels of the inked part of `texte` as it will be drawn."""
    sortie = _convert("-size", "1000x40", "xc:white", "-font", POLICE,
                      "-pointsize", str(TAILLE), "-fill", "black",
                      "-annotate", "+10+28", texte, "-trim",
                      "-format", "%w", "info:")
    return int(sortie)


def etiquette(texte, largeur, hauteur, gauche, fond):
    """The label picture, text starting `gauche` pixels from the left edge
    and vertically centred; refuses a text that would not fit with a free
    pixel on the right."""
    besoin = gauche + largeur_encre(texte) + 1
    if besoin > largeur:
        raise SystemExit("« %s » demande %d pixels, l'image n'en a que %d"
                         % (texte, besoin, largeur))
    brut = _convert("-size", "%dx%d" % (largeur, hauteur),
                    "xc:" + _couleur(fond), "-font", POLICE,
                    "-pointsize", str(TAILLE), "-fill", _couleur(ENCRE),
                    "-gravity", "West", "-annotate", "+%d+0" % gauche, texte,
                    "-depth", "8", "rgb:-")
    if len(brut) != 3 * largeur * hauteur:
        raise SystemExit("sortie inattendue de convert pour « %s »" % texte)
    img = Image(largeur, hauteur)
    for i in range(largeur * hauteur):
        img.px[4 * i:4 * i + 4] = brut[3 * i:3 * i + 3] + b"\xff"
    return img
