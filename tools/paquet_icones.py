#!/usr/bin/env python3
"""Writes the desktop icons of the Debian package: hicolor/NxN/apps/
lorvanix.png under the folder given, for the usual sizes.  16 and 32 are the
two images of resources/lorvanix.ico as they stand; the larger ones are the
same drawing made at their own size, so that they stay sharp.  The PNG bytes
are the same on every run.

    tools/paquet_icones.py DOSSIER
"""

import os
import struct
import sys

from bitmaps_formats import png
from bitmaps_icone import icone
from bitmaps_raster import Image

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICO = os.path.join(RACINE, "resources", "lorvanix.ico")
COTES = (16, 32, 48, 64, 128, 256)


def images_ico(octets):
    """The 32-bit images of an icon file, by side: BGRA rows bottom-up
    under a header of twice the height, then the AND mask."""
    reserve, genre, nombre = struct.unpack_from("<HHH", octets, 0)
    if reserve != 0 or genre != 1:
        raise ValueError("pas un fichier d'icônes")
    images = {}
    for i in range(nombre):
        (largeur, hauteur, _, _, _, bits, taille,
         position) = struct.unpack_from("<BBBBHHII", octets, 6 + 16 * i)
        largeur = largeur or 256
        hauteur = hauteur or 256
        en_tete = struct.unpack_from("<I", octets, position)[0]
        if bits != 32 or position + taille > len(octets):
            raise ValueError("image %dx%d illisible" % (largeur, hauteur))
        img = Image(largeur, hauteur)
        debut = position + en_tete
        for y in range(hauteur):
            ligne = debut + 4 * largeur * (hauteur - 1 - y)
            for x in range(largeur):
                b, g, r, a = octets[ligne + 4 * x:ligne + 4 * x + 4]
                img.poser(x, y, (r, g, b, a))
        images[largeur] = img
    return images


def icones():
    """PNG bytes by side."""
    with open(ICO, "rb") as f:
        propres = images_ico(f.read())
    # The larger sizes are only the program's icon if the drawing still
    # gives the icon's own pixels.
    for cote, img in propres.items():
        if img.px != icone(cote).px:
            raise ValueError("resources/lorvanix.ico n'est plus le dessin de "
                             "tools/bitmaps_icone.py (%dx%d) : relancer "
                             "tools/gen_bitmaps.py" % (cote, cote))
    return {c: png(propres[c] if c in propres else icone(c)) for c in COTES}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage : paquet_icones.py DOSSIER")
    try:
        par_cote = icones()
    except (OSError, ValueError) as e:
        sys.exit("paquet_icones : %s" % e)
    for cote, octets in par_cote.items():
        dossier = os.path.join(sys.argv[1], "hicolor", "%dx%d" % (cote, cote),
                               "apps")
        os.makedirs(dossier, exist_ok=True)
        with open(os.path.join(dossier, "lorvanix.png"), "wb") as f:
            f.write(octets)


if __name__ == "__main__":
    main()
