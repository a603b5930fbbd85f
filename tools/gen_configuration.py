#!/usr/bin/env python3
"""Writes the default configuration files shipped beside lorvanix.exe:
resources/navigdef.cfg, ouvdef.cfg, bookdef.cfg and courdef.cfg.  Each is a
header text with its NUL, then a 256-byte path field (the path, its NUL,
zeros).  Commit what it writes.

The browser is Wine's own launcher, which hands a URL to the desktop's
browser; on Windows the user picks a real one with "Choisir le navigateur...".

    tools/gen_configuration.py              write the files, then check them
    tools/gen_configuration.py --verifier   check the files only
"""

import argparse
import os
import sys

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DOSSIER = os.path.join(RACINE, "resources")
CHAMP = 256

# Name, header text, header bytes with the NUL, path.
FICHIERS = (
    ("navigdef.cfg",
     "Fichier de sauvegarde du chemin du navigateur par defaut de Lorvanix", 69,
     "C:\\windows\\system32\\winebrowser.exe"),
    ("ouvdef.cfg",
     "Sauvegarde du chemin du fichier à charger à l'ouverture de Lorvanix", 68, ""),
    ("bookdef.cfg", "Sauvegarde du chemin du fichier de signets netscape", 52, ""),
    ("courdef.cfg", "Sauvegarde du chemin du répertoire de courrier", 47, ""),
)


def octets(entete, taille, chemin):
    tete = entete.encode("cp1252") + b"\0"
    assert len(tete) == taille, (entete, len(tete))
    champ = chemin.encode("cp1252")
    assert len(champ) < CHAMP
    return tete + champ + b"\0" * (CHAMP - len(champ))


def main():
    args = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    args.add_argument("--verifier", action="store_true", help="check the files only")
    verifier = args.parse_args().verifier
    faux = 0
    for nom, entete, taille, chemin in FICHIERS:
        attendu = octets(entete, taille, chemin)
        fichier = os.path.join(DOSSIER, nom)
        if not verifier:
            with open(fichier, "wb") as f:
                f.write(attendu)
        with open(fichier, "rb") as f:
            if f.read() != attendu:
                print(f"{nom}: contenu inattendu", file=sys.stderr)
                faux = 1
    return faux


if __name__ == "__main__":
    sys.exit(main())
