#!/usr/bin/env python3
"""Writes resources/exemple.lvx, the sample card file shipped with the
program and opened by the run command.  Its cards are fixed, so the file is
the same on every run; commit what it writes.

    tools/gen_exemple.py              write the file, then check it
    tools/gen_exemple.py --verifier   check the file only
"""

import argparse
import os
import struct
import sys

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FICHIER = os.path.join(RACINE, "resources", "exemple.lvx")

MAGIQUE = b"LorVanix version1 Fichier CARTES"
ENTETE = MAGIQUE + b"\0" * 8  # the NUL ending the magic, then zeros to 40
CHAMPS = 5

# Mark, site name, URL, category, keywords, notes.  "\n" is written CR LF.
FICHES = (
    (0, "Le Monde", "https://www.lemonde.fr/", "Actualités",
     "presse quotidien\ninformation politique économie",
     "Quotidien du soir. Les articles récents demandent un abonnement ;\n"
     "les dépêches restent en accès libre."),
    (1, "Légifrance", "https://www.legifrance.gouv.fr/", "Administration",
     "droit lois décrets codes\nJournal officiel",
     "Le service public de la diffusion du droit : codes, lois, règlements "
     "et jurisprudence."),
    (0, "Service-public.fr", "https://www.service-public.fr/",
     "Administration", "démarches formulaires droits état civil",
     "Fiches pratiques : carte d'identité, passeport, acte de naissance.\n"
     "Vérifier la liste des pièces à fournir avant d'aller en mairie."),
    (0, "SNCF Connect", "https://www.sncf-connect.com/", "Voyages",
     "train billets horaires TGV TER",
     "Réservation des billets de train et des cartes de réduction."),
    (0, "Météo-France", "https://meteofrance.com/", "Sciences",
     "météo prévisions vigilance orages",
     "Prévisions à quinze jours, cartes de vigilance et images radar."),
    (0, "BnF - Bibliothèque nationale de France", "https://www.bnf.fr/",
     "Culture", "bibliothèque patrimoine livres expositions",
     "Site François-Mitterrand : salles de lecture ouvertes du mardi au "
     "dimanche."),
    (0, "Gallica", "https://gallica.bnf.fr/", "Culture",
     "numérisation manuscrits presse ancienne\ncartes estampes",
     "La bibliothèque numérique de la BnF : des millions de documents, "
     "la plupart libres de droits."),
    (0, "Wikipédia en français", "https://fr.wikipedia.org/", "Référence",
     "encyclopédie libre collaborative", ""),
    (0, "INA - Institut national de l'audiovisuel", "https://www.ina.fr/",
     "Culture", "archives télévision radio vidéos",
     "Archives des journaux télévisés ; certaines vidéos sont payantes."),
    (0, "Radio France", "https://www.radiofrance.fr/", "Culture",
     "radio podcasts France Inter France Culture",
     "Émissions à réécouter et podcasts à télécharger."),
    (0, "Allociné", "https://www.allocine.fr/", "Loisirs",
     "cinéma films séances critiques bandes-annonces",
     "Horaires des séances près de chez soi."),
    (1, "Marmiton", "https://www.marmiton.org/", "Cuisine",
     "recettes cuisine desserts\ntarte Tatin crêpes",
     "Tarte Tatin : la recette la mieux notée.\n"
     "Attention : prévoir une heure de cuisson et un moule à manqué."),
    (0, "Le Bon Coin", "https://www.leboncoin.fr/", "Pratique",
     "petites annonces occasion vente", "Prix souvent négociables, en €."),
    (0, "W3C", "https://www.w3.org/", "Informatique",
     "HTML CSS normes web\naccessibilité",
     "World Wide Web Consortium : les recommandations officielles du web."),
    (0, "Wikipedia", "https://en.wikipedia.org/", "Référence",
     "encyclopedia anglais", "L'édition en anglais, la plus fournie."),
    (0, "Internet Archive", "https://archive.org/", "Référence",
     "archives Wayback Machine livres films",
     "Copies anciennes des sites web : utile quand une page a disparu."),
    (0, "BBC", "https://www.bbc.co.uk/", "Actualités",
     "news anglais radio télévision", ""),
    (0, "MDN Web Docs", "https://developer.mozilla.org/fr/", "Informatique",
     "JavaScript HTML CSS documentation",
     "La référence des développeurs web, en grande partie traduite en "
     "français."),
    (0, "OpenStreetMap", "https://www.openstreetmap.org/", "Voyages",
     "cartes libres itinéraires vélo",
     "Carte du monde collaborative ; les données sont libres."),
    (0, "Project Gutenberg", "https://www.gutenberg.org/", "Culture",
     "livres numériques domaine public",
     "« Les Misérables » et d'autres chefs-d'œuvre à lire en ligne."),
    (1, "Python", "https://www.python.org/", "Informatique",
     "langage programmation\ntéléchargement documentation",
     "Télécharger la dernière version stable.\n"
     "Le tutoriel officiel existe aussi en français."),
    (0, "GNU", "https://www.gnu.org/", "Informatique",
     "logiciel libre GPL FSF", "Le projet GNU et la licence GPL."),
    (0, "Debian", "https://www.debian.org/", "Informatique",
     "distribution Linux logiciel libre",
     "Images d'installation et notes de publication."),
    (0, "Sources GNU (FTP)", "ftp://ftp.gnu.org/gnu/", "Informatique",
     "sources archives FTP", "Archives tar des logiciels GNU."),
    (0, "Miroir Debian (FTP)", "ftp://ftp.debian.org/debian/",
     "Informatique", "", ""),
    (0, "RFC de l'IETF (FTP)", "ftp://ftp.rfc-editor.org/in-notes/",
     "Référence", "RFC normes protocoles Internet",
     "Les textes des RFC en texte brut."),
    (0, "Association Les Amis du Livre", "mailto:contact@example.fr",
     "Contacts", "association bénévoles bourse aux livres",
     "Écrire avant le 15 septembre pour réserver une table."),
    (0, "Jean Dupont", "mailto:jean.dupont@example.org", "Contacts", "",
     "Rencontré au salon du livre.\nIntéressé par les cartes anciennes."),
    (0, "Service clients", "mailto:service.clients@example.com", "Contacts",
     "", ""),
    (1, "Recettes de famille",
     "<EXTRAWEB>C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe "
     "C:\\Mes documents\\recettes.rtf", "Cuisine",
     "recettes grand-mère\ngâteaux confitures",
     "Le classeur de recettes, tapé à partir des fiches manuscrites."),
    (0, "Liste des courses",
     "<EXTRAWEB>C:\\windows\\notepad.exe C:\\Mes documents\\liste.txt",
     "Pratique", "courses liste", "À mettre à jour chaque semaine."),
    (0, "Calculatrice", "<EXTRAWEB>C:\\windows\\system32\\calc.exe",
     "Pratique", "", ""),
    (0, "Plan du quartier", "C:\\Mes documents\\plan.htm", "Pratique",
     "plan quartier", "Page enregistrée sur le disque."),
    (0, "Géoportail", "https://www.geoportail.gouv.fr/", "Voyages",
     "cartes IGN photos aériennes cadastre",
     "Cartes de l'IGN et cadastre ; pratique pour préparer une randonnée."),
    (0, "CNRS Le journal", "https://lejournal.cnrs.fr/", "Sciences",
     "recherche actualité scientifique", ""),
    (1, "Impots.gouv.fr", "https://www.impots.gouv.fr/", "Administration",
     "impôts déclaration revenus",
     "Déclaration en ligne au printemps ;\n"
     "garder l'accusé de réception."),
    (0, "", "https://www.ratp.fr/", "Voyages", "", ""),
    (0, "Larousse", "https://www.larousse.fr/dictionnaires/francais",
     "Référence", "dictionnaire définitions conjugaison synonymes",
     "Dictionnaire de français en ligne."),
    (0, "Wikipédia (accueil)", "https://fr.wikipedia.org/", "Référence",
     "encyclopédie", "Doublon de la fiche Wikipédia en français."),
)


def texte(s):
    """Windows-1252 bytes with CR LF line breaks."""
    return s.replace("\n", "\r\n").encode("cp1252")


def champ(s):
    octets = texte(s)
    longueur = struct.pack("<H", len(octets) + 1)
    return longueur + octets + b"\0" + longueur


def fiche(marque, *champs):
    return struct.pack("<H", marque) + b"".join(champ(c) for c in champs)


def contenu():
    cartes = b"".join(fiche(*f) for f in FICHES)
    return ENTETE + cartes + struct.pack("<I", len(FICHES))


def _u16(octets, pos, fin, quoi):
    if pos < 0 or pos + 2 > fin:
        raise ValueError("%s hors des fiches (octet %d)" % (quoi, pos))
    return struct.unpack_from("<H", octets, pos)[0]


def fiches_en_avant(octets, fin):
    """(start, mark, texts) of each card, from the leading length words."""
    fiches, p = [], len(ENTETE)
    while p < fin:
        debut, marque = p, _u16(octets, p, fin, "marque")
        if marque not in (0, 1):
            raise ValueError("marque invalide à l'octet %d" % p)
        p += 2
        textes = []
        for _ in range(CHAMPS):
            n = _u16(octets, p, fin, "longueur")
            if n < 1 or _u16(octets, p + 2 + n, fin, "copie") != n:
                raise ValueError("longueurs incohérentes à l'octet %d" % p)
            corps = octets[p + 2:p + 2 + n]
            if corps[-1] != 0 or 0 in corps[:-1]:
                raise ValueError("NUL mal placé à l'octet %d" % p)
            s = corps[:-1]
            if s.count(b"\r") != s.count(b"\n") or \
                    s.count(b"\r\n") != s.count(b"\n"):
                raise ValueError("fin de ligne autre que CR LF à l'octet %d"
                                 % p)
            textes.append(s.decode("cp1252"))
            p += n + 4
        fiches.append((debut, marque, textes))
    if p != fin:
        raise ValueError("la dernière fiche déborde")
    return fiches


def lacunes(fiches):
    """Kinds of card the program's tests and demonstrations rely on finding
    in the sample, and that it lacks."""
    urls = [t[1] for _, _, t in fiches]
    besoins = (
        ("au moins 30 fiches", len(fiches) >= 30),
        ("fiches marquées", any(m for _, m, _ in fiches)),
        ("fiches non marquées", not all(m for _, m, _ in fiches)),
        ("adresses mailto:", any(u.startswith("mailto:") for u in urls)),
        ("URL FTP", any(u.startswith("ftp://") for u in urls)),
        ("fiches <EXTRAWEB> avec document", any(
            u.startswith("<EXTRAWEB>") and " C:\\" in u for u in urls)),
        ("champs vides", any("" in t for _, _, t in fiches)),
        ("textes sur plusieurs lignes",
         any("\r\n" in c for _, _, t in fiches for c in t)),
        ("accents", any(c > "\x7f" for _, _, t in fiches for c in "".join(t))),
    )
    return ["il manque à l'exemple : " + quoi
            for quoi, ok in besoins if not ok]


def debuts_en_arriere(octets, fin):
    """Card starts, from the trailing length copies, last card first."""
    debuts, p = [], fin
    while p > len(ENTETE):
        for _ in range(CHAMPS):
            p -= 2
            p -= _u16(octets, p, fin, "copie") + 2
        p -= 2
        if p < len(ENTETE):
            raise ValueError("marche arrière avant l'entête")
        debuts.append(p)
    return debuts


def verifier():
    """Returns the list of problems of the file on disk."""
    try:
        with open(FICHIER, "rb") as f:
            octets = f.read()
    except OSError as e:
        return [str(e)]
    erreurs = []
    if octets[:len(ENTETE)] != ENTETE:
        erreurs.append("entête différente de la chaîne magique")
    if len(octets) < len(ENTETE) + 4:
        return erreurs + ["fichier trop court"]
    fin = len(octets) - 4
    total = struct.unpack_from("<I", octets, fin)[0]
    try:
        fiches = fiches_en_avant(octets, fin)
        avant = [debut for debut, _, _ in fiches]
        arriere = debuts_en_arriere(octets, fin)
        if avant != arriere[::-1]:
            erreurs.append("les deux marches ne trouvent pas les mêmes fiches")
        if len(avant) != total:
            erreurs.append("%d fiches pour un total annoncé de %d"
                           % (len(avant), total))
        erreurs += lacunes(fiches)
    except ValueError as e:
        erreurs.append(str(e))
    if octets != contenu():
        erreurs.append("le fichier ne correspond plus au générateur")
    return erreurs


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--verifier", action="store_true")
    if not parser.parse_args().verifier:
        with open(FICHIER, "wb") as f:
            f.write(contenu())
    erreurs = verifier()
    for e in erreurs:
        print("ERREUR :", e, file=sys.stderr)
    if not erreurs:
        print("%s : %d fiches, %d octets" % (os.path.relpath(FICHIER, RACINE),
                                            len(FICHES), len(contenu())))
    return 1 if erreurs else 0


if __name__ == "__main__":
    sys.exit(main())
