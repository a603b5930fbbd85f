#!/usr/bin/env python3
"""Writes the pictures of the main window into resources/: the toolbar
buttons, the wood band and the labels (resources/bitmaps/*.bmp), the program
icon (resources/lorvanix.ico) and the resource script that names them
(resources/bitmaps.rc); and the installer's title and notice
(resources/setup/*.bmp, named by resources/lvxsetup.rc).  Run it after
changing a drawing and commit what it writes; the build only embeds the
files.

    tools/gen_bitmaps.py                 write everything
    tools/gen_bitmaps.py --apercu x.png  also compose the toolbar and labels
                                         as the main window shows them
    tools/gen_bitmaps.py --verifier      check the written files only
"""

import argparse
import os
import sys

import bitmaps_boutons as boutons
import bitmaps_installation as installation
import bitmaps_verif
import bitmaps_formats as formats
import bitmaps_pictos as pictos
from bitmaps_bois import bois
from bitmaps_icone import icone
from bitmaps_raster import Image
from bitmaps_textes import etiquette, largeur_encre

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RESSOURCES = os.path.join(RACINE, "resources")
DOSSIER = "bitmaps"  # inside resources/, as the script names it

# Wine 8's default theme paints COLOR_MENU, the window's background, white;
# the labels must carry the same colour or they show as patches.
FOND = (255, 255, 255)

# Toolbar order, left to right: file stem, pictogram, id of the normal
# picture (pressed and focused follow it).
BOUTONS = (
    ("ouvrir", pictos.ouvrir, 109),
    ("enregistrer", pictos.enregistrer, 112),
    ("imprimer", pictos.imprimer, 106),
    ("couper", pictos.couper, 115),
    ("copier", pictos.copier, 118),
    ("coller", pictos.coller, 121),
    ("dupliquer", pictos.dupliquer, 124),
    ("supprimer", pictos.supprimer, 127),
    ("creer", pictos.creer, 130),
    ("reculer_vite", pictos.reculer_vite, 151),
    ("precedente", pictos.precedente, 133),
    ("suivante", pictos.suivante, 136),
    ("avancer_vite", pictos.avancer_vite, 148),
    ("marquee_precedente", pictos.marquee_precedente, 154),
    ("marquee_suivante", pictos.marquee_suivante, 157),
    ("effacer_marques", pictos.effacer_marques, 160),
    ("rechercher_precedente", pictos.rechercher_precedente, 142),
    ("criteres", pictos.criteres, 139),
    ("rechercher_suivante", pictos.rechercher_suivante, 145),
)
PAS_BOUTONS, Y_BOUTONS = 33, 3

BOIS = ("BoisBitmap", "bois", 800, 40)

# Resource name, file stem, text, width, left edge of the text inside the
# picture, where the window paints it.  The words of the counter line keep
# a few pixels from the counters on either side.
HAUTEUR_TEXTE = 18
ETIQUETTES = (
    ("TexteFicheBitmap", "texte_fiche", "Fiche", 42, 3, (183, 45)),
    ("TexteSurBitmap", "texte_sur", "sur", 42, 5, (285, 45)),
    ("TexteAuTotalBitmap", "texte_au_total", "au total.", 60, 4, (375, 45)),
    ("TexteNomDuSiteBitmap", "texte_nom_du_site", "Nom du site :", 102, 1,
     (35, 71)),
    ("TexteURLBitmap", "texte_url", "URL :", 102, 1, (35, 101)),
    ("TexteRubriqueBitmap", "texte_rubrique", "Rubrique :", 102, 1,
     (35, 131)),
    ("TexteMotsClesBitmap", "texte_mots_cles", "Mots Clés :", 102, 1,
     (35, 161)),
    ("TexteNotesBitmap", "texte_notes",
     "Notes,remarques,commentaires sur le site :", 304, 1, (35, 239)),
)

ICONE = (300, "lorvanix.ico", (32, 16))

# The installer's window, which paints them on the same background: folder
# inside resources/, then resource name, file stem, size; the notice's text.
INSTALLATION = "setup"
TITRE_INSTALLATION = ("TitreBitmap", "titre", 458, 112)
NOTICE_INSTALLATION = ("LicenceBitmap", "licence", 398, 22)
TEXTE_NOTICE = "Lorvanix 6.1 — logiciel libre d'utilisation, voir licence.txt"


def bmp_boutons():
    """(resource id, file name) of every toolbar picture."""
    for nom, _, premier in BOUTONS:
        for k, etat in enumerate(boutons.ETATS):
            yield premier + k, "%s_%s.bmp" % (nom, etat)


def script_ressources():
    lignes = ["// Written by tools/gen_bitmaps.py: edit the generator, not this.",
              "// Paths are relative to the resources folder that includes it.",
              ""]
    for ident, fichier in sorted(bmp_boutons()):
        lignes.append('%d BITMAP "%s/%s"' % (ident, DOSSIER, fichier))
    lignes.append("")
    lignes.append('%s BITMAP "%s/%s.bmp"' % (BOIS[0], DOSSIER, BOIS[1]))
    for nom, fichier, *_ in ETIQUETTES:
        lignes.append('%s BITMAP "%s/%s.bmp"' % (nom, DOSSIER, fichier))
    lignes.append("")
    lignes.append('%d ICON "%s"' % ICONE[:2])
    return "\n".join(lignes) + "\n"


def ecrire(chemin, octets):
    with open(chemin, "wb") as f:
        f.write(octets)


def generer():
    dossier = os.path.join(RESSOURCES, DOSSIER)
    os.makedirs(dossier, exist_ok=True)
    for nom, picto, premier in BOUTONS:
        for k, etat in enumerate(boutons.ETATS):
            ecrire(os.path.join(dossier, "%s_%s.bmp" % (nom, etat)),
                   formats.bmp24(boutons.bouton(picto, etat), FOND))
    ecrire(os.path.join(dossier, BOIS[1] + ".bmp"),
           formats.bmp24(bois(BOIS[2], BOIS[3]), FOND))
    for _, fichier, texte, largeur, gauche, _ in ETIQUETTES:
        img = etiquette(texte, largeur, HAUTEUR_TEXTE, gauche, FOND)
        ecrire(os.path.join(dossier, fichier + ".bmp"),
               formats.bmp24(img, FOND))
    ecrire(os.path.join(RESSOURCES, ICONE[1]),
           formats.ico([icone(c) for c in ICONE[2]]))
    generer_installation()
    with open(os.path.join(RESSOURCES, "bitmaps.rc"), "w",
              encoding="utf-8", newline="\n") as f:
        f.write(script_ressources())


def generer_installation():
    dossier = os.path.join(RESSOURCES, INSTALLATION)
    os.makedirs(dossier, exist_ok=True)
    _, fichier, largeur, hauteur = TITRE_INSTALLATION
    ecrire(os.path.join(dossier, fichier + ".bmp"),
           formats.bmp24(installation.titre(largeur, hauteur), FOND))
    _, fichier, largeur, hauteur = NOTICE_INSTALLATION
    gauche = (largeur - largeur_encre(TEXTE_NOTICE)) // 2
    ecrire(os.path.join(dossier, fichier + ".bmp"),
           formats.bmp24(etiquette(TEXTE_NOTICE, largeur, hauteur, gauche,
                                   FOND), FOND))


def lire(fichier):
    with open(os.path.join(RESSOURCES, DOSSIER, fichier), "rb") as f:
        return formats.lire_bmp24(f.read())


# Controls the window draws itself, outlined in the preview for context:
# counters, mark box, connect button, the five edits.
CONTROLES = ((225, 45, 60, 18), (315, 45, 60, 18), (450, 45, 90, 22),
             (35, 45, 95, 21), (150, 70, 445, 22), (150, 100, 445, 22),
             (150, 130, 445, 22), (150, 160, 445, 70), (35, 260, 560, 130))


def apercu(chemin):
    """The top of the main window as the paint handler lays it out, read
    back from the written files, at twice the size for easy viewing."""
    fenetre = Image(640, 400, FOND)
    fenetre.coller(lire(BOIS[1] + ".bmp"), 0, 0)
    for i, (nom, _, _) in enumerate(BOUTONS):
        fenetre.coller(lire(nom + "_normal.bmp"), PAS_BOUTONS * i, Y_BOUTONS)
    for _, fichier, _, _, _, (x, y) in ETIQUETTES:
        fenetre.coller(lire(fichier + ".bmp"), x, y)
    # Child controls paint after the window, over the labels.
    for x, y, l, h in CONTROLES:
        for i in range(l):
            fenetre.poser(x + i, y, (128, 128, 128))
            fenetre.poser(x + i, y + h - 1, (128, 128, 128))
        for j in range(h):
            fenetre.poser(x, y + j, (128, 128, 128))
            fenetre.poser(x + l - 1, y + j, (128, 128, 128))
    double = Image(2 * fenetre.largeur, 2 * fenetre.hauteur)
    for y in range(double.hauteur):
        for x in range(double.largeur):
            double.poser(x, y, fenetre.pixel(x // 2, y // 2))
    ecrire(chemin, formats.png(double))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--apercu", metavar="PNG")
    parser.add_argument("--verifier", action="store_true")
    args = parser.parse_args()
    if not args.verifier:
        generer()
    if args.apercu:
        apercu(args.apercu)
    erreurs = bitmaps_verif.verifier(sys.modules[__name__])
    for e in erreurs:
        print("ERREUR :", e, file=sys.stderr)
    return 1 if erreurs else 0


if __name__ == "__main__":
    sys.exit(main())
