#!/usr/bin/env python3
"""Writes resources/lorvanix.hlp, the help file that the Aide command and
the F1 key open, from the pages of tools/aide/aide.txt.  The pages describe
the menus of resources/lorvanix.rc: every command of the main menu has its
description, under the text the menu shows.  The file is the same on every
run; commit what it writes.

    tools/gen_aide.py              write the file, then check it
    tools/gen_aide.py --verifier   check the file only
"""

import argparse
import os
import sys

import aide_lecteur
import aide_source
import aide_winhelp

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE = os.path.join(RACINE, "tools", "aide", "aide.txt")
MENUS = os.path.join(RACINE, "resources", "lorvanix.rc")
FICHIER = os.path.join(RACINE, "resources", "lorvanix.hlp")

TITRE = "Aide de Lorvanix 6.1"
COPYRIGHT = "Lorvanix 6.1 : utilisation et copie libres, voir licence.txt."


def lire_texte(chemin):
    with open(chemin, encoding="utf-8") as f:
        return f.read()


def pages_et_lacunes():
    source = os.path.relpath(SOURCE, RACINE)
    try:
        pages = aide_source.lire_pages(lire_texte(SOURCE))
    except ValueError as e:
        raise ValueError("%s, %s" % (source, e))
    menu = aide_source.lire_menu(lire_texte(MENUS))
    return pages, ["%s, %s" % (source, e) for e in aide_source.lacunes(pages, menu)]


def ecarts(aide, pages):
    """Where the file, read back as a viewer reads it, differs from the pages."""
    erreurs = []
    sujets = aide["sujets"]
    if aide["titre"] != TITRE:
        erreurs.append("titre de l'aide : %r" % aide["titre"])
    if [s.titre for s in sujets] != [p.titre for p in pages]:
        return erreurs + ["les sujets lus ne sont pas les pages"]
    par_decalage = {s.decalage: s for s in sujets}
    if len(par_decalage) != len(sujets):
        erreurs.append("deux sujets au même décalage")
    if par_decalage.get(aide["sommaire"]) is not sujets[0]:
        erreurs.append("le sommaire n'est pas le premier sujet")
    for page, sujet in zip(pages, sujets):
        cible = aide["contextes"].get(aide_winhelp.hachage(page.contexte))
        if par_decalage.get(cible) is not sujet:
            erreurs.append("le contexte %s ne mène pas à sa page" % page.contexte)
        for saut in sujet.sauts:
            if aide["contextes"].get(saut) not in par_decalage:
                erreurs.append("page %s : un saut ne mène à aucun sujet" % page.contexte)
        if aide["titres"].get(sujet.decalage) != page.titre:
            erreurs.append("|TTLBTREE : mauvais titre pour %s" % page.contexte)
        for mot in page.motscles:
            if aide["motscles"].get(mot) != [sujet.decalage]:
                erreurs.append("index : « %s » ne mène pas à %s" % (mot, page.contexte))
        for _, entete in page.commandes:
            if entete + "\n" not in sujet.texte:
                erreurs.append("page %s : commande « %s » illisible" % (page.contexte, entete))
    return erreurs


def verifier(contenu, pages):
    """The problems of the file on disk."""
    try:
        with open(FICHIER, "rb") as f:
            octets = f.read()
    except OSError as e:
        return [str(e)]
    try:
        erreurs = ecarts(aide_lecteur.lire(octets), pages)
    except (aide_lecteur.Illisible, ValueError, IndexError) as e:
        erreurs = ["fichier illisible : %s" % e]
    if octets != contenu:
        erreurs.append("le fichier ne correspond plus au générateur")
    return erreurs


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--verifier", action="store_true")
    verification_seule = parser.parse_args().verifier
    try:
        pages, erreurs = pages_et_lacunes()
        contenu = aide_winhelp.fichier_aide(pages, TITRE, COPYRIGHT)
    except (OSError, ValueError, UnicodeError) as e:
        print("ERREUR :", e, file=sys.stderr)
        return 1
    if not erreurs and not verification_seule:
        with open(FICHIER, "wb") as f:
            f.write(contenu)
    erreurs += verifier(contenu, pages)
    for e in erreurs:
        print("ERREUR :", e, file=sys.stderr)
    if not erreurs:
        print("%s : %d pages, %d octets" % (os.path.relpath(FICHIER, RACINE),
                                           len(pages), len(contenu)))
    return 1 if erreurs else 0


if __name__ == "__main__":
    sys.exit(main())
