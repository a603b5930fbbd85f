#!/usr/bin/env python3
"""Writes the seed data files of the loader's fuzz target into corpus/.

Files of the right shape, so that the fuzzer starts past the header check:
an empty card, one card, cards with accents, a few refusals, and one file
whose cards span two transfer chunks, its first field as long as a length
word allows.
"""
import pathlib
import struct

MAGIE = b"LorVanix version1 Fichier CARTES"


def fiche(textes, marque=0):
    octets = struct.pack("<H", marque)
    for texte in textes:
        t = texte.encode("cp1252")
        l = struct.pack("<H", len(t) + 1)
        octets += l + t + b"\0" + l
    return octets


def fichier(cartes, total, entete=MAGIE + bytes(8)):
    return entete + cartes + struct.pack("<I", total)


VIDE = fiche([""] * 5)
GRAINES = {
    # A new, untouched work: 71 bytes.
    "vide.lvx": fichier(VIDE, 1),
    "une_fiche.lvx": fichier(
        fiche(["Wikipedia", "https://fr.wikipedia.org/", "Culture", "encyclopédie", ""]), 1),
    "accents.lvx": fichier(
        fiche(["Légifrance", "https://www.legifrance.gouv.fr/", "Administration",
               "droit, lois", "Mise à jour l'été.\r\nVoir « codes »."])
        + fiche(["Météo-France", "https://meteofrance.com/", "Météo", "prévisions", ""], 1)
        + VIDE, 3),
    # Bytes 33 to 39 of the header are not looked at.
    "entete_libre.lvx": fichier(VIDE, 1, MAGIE + b"\0" + b"\xff" * 7),
    "trop_de_fiches.lvx": fichier(VIDE, 10_000_000),
    "compte_faux.lvx": fichier(VIDE, 2),
    # L = 65,535, the largest length word, then cards past the 65,534-byte chunk.
    "deux_morceaux.lvx": fichier(
        fiche(["x" * 65534, "", "", "", ""])
        + b"".join(fiche([f"Site {n}", f"http://exemple.fr/{n}", "", "", ""]) for n in range(20)),
        21),
}

if __name__ == "__main__":
    dossier = pathlib.Path(__file__).resolve().parent / "corpus"
    dossier.mkdir(exist_ok=True)
    for nom, octets in GRAINES.items():
        (dossier / nom).write_bytes(octets)
