#!/usr/bin/env python3
"""Writes the seeds of every fuzz target into corpus/<cible>/.

Each seed takes its own path through its harness (the harness's opening
comment gives its input layout): the fuzzer starts from inputs of the
right shape, and the native tests replay them all under the sanitizers.
"""
import base64
import pathlib
import struct

# ---- chargement: data files --------------------------------------------
# Files of the right shape, so that the fuzzer starts past the header check:
# an empty card, one card, cards with accents, a few refusals, and one file
# whose cards span two transfer chunks, its first field as long as a length
# word allows.
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
CHARGEMENT = {
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


def texte(s):
    return s.encode("cp1252") if isinstance(s, str) else s


# ---- recherche: options, fields, expression, resume positions, card ----
CASSE, EXACT, TOTAL, DEBUT, DOUBLE_OCTET, LONG, REPRISE = 1, 2, 4, 8, 16, 32 | 64, 128
NOM, URL, RUBRIQUE, MOTS, NOTES, TOUS = 1, 2, 4, 8, 16, 31
CHAMP_LONG, EXPRESSION_LONGUE = 7 << 5, 6 << 5


def recherche(options, champs, expression, textes, reprises=None):
    e = texte(expression)
    octets = bytes([options, champs, len(e)]) + e
    if options & REPRISE:
        octets += b"".join(struct.pack("<H", r) for r in reprises)
    return octets + b"\0".join(texte(t) for t in textes)


CARTE = ["Wikipédia", "https://fr.wikipedia.org/wiki/Accueil", "Culture",
         "encyclopédie wiki", "Voir wiki\r\nwiki, wikis et WIKI"]
RECHERCHE = {
    "simple": recherche(0, TOUS, "wiki", CARTE),
    "aucune": recherche(0, TOUS, "absent", CARTE),
    "quelques_champs": recherche(0, RUBRIQUE | NOTES, "WIKI", CARTE),
    "casse": recherche(CASSE, TOUS, "WIKI", CARTE),
    # Alone between blanks, line ends and the field's ends only.
    "exacte": recherche(EXACT, TOUS, "wiki", CARTE),
    "exacte_casse": recherche(EXACT | CASSE, NOTES, "wikis", CARTE),
    "champ_complet": recherche(TOTAL, TOUS, "culture", CARTE),
    "debut_champ": recherche(DEBUT, URL | NOTES, "https", CARTE),
    "debut_exact": recherche(DEBUT | EXACT, NOTES, "voir", CARTE),
    "champ_complet_exact": recherche(TOTAL | EXACT, MOTS, "encyclopédie wiki", CARTE),
    # 0x81 to 0x9F lead a pair: a match may start on a pair's second byte.
    "double_octet": recherche(DOUBLE_OCTET, TOUS, b"\x82\xa0",
                              [b"\x81\x82\xa0", b"\x82\xa0\x82\xa0", b"a\x9f", b"", b"\x82"]),
    "reprise_exacte": recherche(REPRISE | EXACT, TOUS, "wiki", CARTE, [0, 12, 0, 3, 9]),
    "reprise_hors_champ": recherche(REPRISE | CASSE, TOUS, "wiki", CARTE,
                                    [60000, 65535, 8, 0, 40]),
    # The notes made as long as the buffer, the expression at their end.
    "champ_long": recherche(LONG, CHAMP_LONG | TOUS, "fin", ["", "", "", "", "la fin"]),
    "expression_longue": recherche(0, EXPRESSION_LONGUE | TOUS, "ab", ["abab", "", "", "", ""]),
    # Found by the fuzzer: a whole-field search resumed, with a field at
    # its buffer's size.
    "champ_complet_reprise": base64.b64decode("7f8C//8EAP8A///+9///////////"),
}


# ---- scanners: page and address options, stop, "Autre:", data ---------
PAGE = (b"<html><head><title>Liens</title></head><body>\r\n"
        b"<a href=\"http://www.exemple.fr/\">Exemple &amp; co</a>\r\n"
        b"<A HREF=ftp://ftp.exemple.fr/pub>\r\n  Archives</A>\r\n"
        b"<a href=\"news:fr.comp.lang.c\">Forum</a>\r\n"
        b"<a href=\"mailto:jean@exemple.fr\"></a>\r\n"
        b"<a href=\"gopher://trou.exemple.fr/\"><b>Terrier</b></a>\r\n"
        b"<a href=\"http://www.exemple.fr/\">Encore</a>\r\n"
        b"<a href='relatif.html'>Relatif</a>\r\n"
        b"Ecrire a marie.curie@exemple.fr ou voir http://b.exemple.fr/x~y, "
        b"ftp://c.exemple.fr; news:fr.sci et @seul\r\n"
        b"</body></html>\r\n")
# Page options: browse, new only, empty name from URL, all, http, ftp, news,
# mailto. Address options: new only, URL as name, http, ftp, news, mail,
# repaint, "Autre:".
P_PARCOURIR, P_NOUVELLES, P_NOM_URL, P_TOUS = 1, 2, 4, 8
P_SORTES = 16 | 32 | 64 | 128
A_NOUVELLES, A_NOM, A_SORTES, A_REPEINDRE, A_AUTRE = 1, 2, 4 | 8 | 16 | 32, 64, 128


def scanners(op, oa, donnees, arret=0, autre=b"", longues=False):
    n = len(autre) | (0xF8 if longues else 0)
    return bytes([op, oa, 255 if longues else arret, n]) + autre + donnees


SCANNERS = {
    "tous": scanners(P_TOUS | P_NOM_URL, A_SORTES, PAGE),
    "par_sorte": scanners(P_SORTES, A_SORTES | A_NOM, PAGE),
    "autre": scanners(0, A_AUTRE | 4, PAGE, autre=b"gopher"),
    "parcourir": scanners(P_PARCOURIR | P_TOUS, 0, PAGE),
    "nouvelles": scanners(P_NOUVELLES | P_TOUS, A_NOUVELLES | A_SORTES, PAGE + PAGE),
    "arret": scanners(P_TOUS, A_SORTES, PAGE, arret=3),
    "repeindre": scanners(P_TOUS, A_SORTES | A_REPEINDRE, PAGE),
    # An address and a link that run into the data's end.
    "coupee": scanners(P_TOUS, A_SORTES, b"<a href=\"http://x.fr/\">X</a> http://y.fr/ <a href=htt"),
    "longues": scanners(P_TOUS, A_SORTES, b"<a href=\"http://long.fr/a", longues=True),
}


def allonger(octets):
    """Makes the bytes add up to a multiple of 32, which the harnesses read
    as "make the data longer than a text buffer", by a last letter."""
    return octets + bytes([64 + (-sum(octets)) % 32])


# ---- signets: options, stop, bookmark file -----------------------------
SIGNETS_HTML = (
    b"<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
    b"<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks</H1>\r\n<DL><p>\r\n"
    b"  <DT><H3 FOLDED ADD_DATE=\"901234567\">Presse &amp; revues</H3>\r\n"
    b"  <DL><p>\r\n"
    b"    <DT><A HREF=\"http://www.lemonde.fr/\" ADD_DATE=\"901234567\">Le Monde</A>\r\n"
    b"    <DT><A HREF=\"http://www.liberation.fr/\">Lib&eacute;ration</A>\r\n"
    b"    <DT><H3 FOLDED>Sous-dossier</H3>\r\n"
    b"    <DL><p>\r\n"
    b"      <DT><A HREF=\"mailto:redaction@exemple.fr\"></A>\r\n"
    b"    </DL><p>\r\n"
    b"  </DL><p>\r\n"
    b"  <DT><H3 ADD_DATE=\"1\">Ouvert</H3>\r\n"
    b"  <DT><A HREF=\"http://www.lemonde.fr/\">Le Monde encore</A>\r\n"
    b"  <DT><A HREF=ftp://ftp.exemple.fr/ LAST_VISIT=\"0\">\r\n   FTP</A>\r\n"
    b"</DL><p>\r\n")
SIGNETS = {
    "dossiers": bytes([0, 0]) + SIGNETS_HTML,
    "nouvelles": bytes([1, 0]) + SIGNETS_HTML,
    "nom_vide": bytes([2, 0]) + SIGNETS_HTML,
    "repeindre_arret": bytes([4, 3]) + SIGNETS_HTML,
    # A folder without its ">" and a link that runs into the data's end.
    "coupe": bytes([0, 0]) + b"<H3 FOLDED</H3><A HREF=\"http://x.fr/\">X</A><A HREF=\"http://y",
    "longues": allonger(bytes([2, 255]) + b"<H3 FOLDED>D</H3><A HREF=\"http://long.fr/"),
}


# ---- courriel: options, stop, mail headers -----------------------------
C_NOUVELLES, C_NOM, C_EMETTEURS, C_DESTINATAIRES, C_REPEINDRE = 1, 2, 4, 8, 16
ENTETES = (
    b"Return-Path: <rebond@exemple.fr>\r\n"
    b"From: \"Dupont, Jean\" <jean.dupont@exemple.fr>\r\n"
    b"To: marie@exemple.fr (Marie Curie), <paul@exemple.fr>; \"Zo\xe9\" <zoe@exemple.fr>\r\n"
    b"Cc: Equipe <equipe@exemple.fr>,\r\n"
    b"\tautre@exemple.fr\r\n"
    b"CC: jean.dupont@exemple.fr\r\n"
    b"bcc: cache@exemple.fr\r\n"
    b"Subject: To: pas@une.adresse\r\n"
    b"\r\n"
    b"From: dans le corps <corps@exemple.fr>\r\n"
    b"Fin du message.\r\n")
COURRIEL = {
    "emetteurs": bytes([C_EMETTEURS, 0]) + ENTETES,
    "destinataires": bytes([C_DESTINATAIRES | C_NOM, 0]) + ENTETES,
    "nouvelles": bytes([C_EMETTEURS | C_DESTINATAIRES | C_NOUVELLES, 0]) + ENTETES,
    "repeindre_arret": bytes([C_EMETTEURS | C_DESTINATAIRES | C_REPEINDRE, 4]) + ENTETES,
    # Brackets left open, a name with "@", an empty address, a header at the
    # data's end.
    "crochets": bytes([C_EMETTEURS | C_DESTINATAIRES, 0])
    + b"x\nFrom: <ouvert@exemple.fr\nTo: a@b (nom (imbrique)), ()\n"
      b"CC: nom@dans.le.nom <>, \"\" <x@y>;\r\nTo: fin@exemple.fr",
    "longues": allonger(bytes([C_EMETTEURS, 255]) + b"x\nFrom: <long@exemple.fr"),
}


# ---- raccourci: stop, root length, name size, shortcut or path ---------
def raccourci(donnees, arret=0, racine=0, taille_nom=0):
    return bytes([arret, racine, taille_nom]) + donnees


RACCOURCI = {
    "raccourci": raccourci(
        b"[DEFAULT]\r\nBASEURL=http://www.lemonde.fr/\r\n"
        b"[InternetShortcut]\r\nURL=http://www.lemonde.fr/\r\nIconIndex=0\r\n"),
    # An address becomes mailto:, a mailto: stays, the same URL twice, an
    # empty one.
    "adresses": raccourci(
        b"[InternetShortcut]\nURL=jean@exemple.fr\nurl=MAILTO:marie@exemple.fr\n"
        b"URL=http://a.fr/\r\nURL=http://a.fr/\r\nURL=\r\nURL=http://sans.fin"),
    "repeindre_arret": raccourci(b"URL=http://a.fr/\nURL=http://b.fr/\nURL=http://c.fr/\n",
                                 arret=3),
    # As a path: the name before the last dot, cut to 8 bytes, the folder
    # below a 10-byte root.
    "chemin": raccourci(b"C:\\Favoris\\Presse\\Le Monde.fr.url", racine=10, taille_nom=8),
    "chemin_racine": raccourci(b"C:\\Favoris\\Sans point", racine=40, taille_nom=1),
    "longues": allonger(raccourci(b"[InternetShortcut]\nURL=http://long.fr/", arret=255)),
}


# ---- entites: output size, text ----------------------------------------
ENTITES = {
    "nommees": b"\0Caf&eacute; &amp; Cr&egrave;me &lt;b&gt; &copy;&nbsp;&quot;&AElig;&szlig;"
               b"&THORN;&yuml;",
    "numeriques": b"\0&#131;&#146;&#161;&#171;&#187;&#191;&#215;&#247; &#65; &#999; &#160;",
    "blancs": b"\0a \t\r\n\b b\n\nc\v\fd\b\r",
    # Almost references: no semicolon, wrong case, unknown, "&" twice.
    "presque": b"\0&amp &AMP; &foo; &&amp; &#; &# 131; &eacute",
    "coupee": b"\x08&eacute;&eacute;&eacute;&eacute;&eacute;&eacute; fin",
    "sortie_un_octet": b"\x01&lt;",
    "apres_nul": b"\0avant\0&amp;apres",
}

CORPUS = {
    "chargement": CHARGEMENT,
    "recherche": RECHERCHE,
    "scanners": SCANNERS,
    "signets": SIGNETS,
    "courriel": COURRIEL,
    "raccourci": RACCOURCI,
    "entites": ENTITES,
}

if __name__ == "__main__":
    racine = pathlib.Path(__file__).resolve().parent / "corpus"
    for cible, graines in CORPUS.items():
        dossier = racine / cible
        dossier.mkdir(parents=True, exist_ok=True)
        for nom, octets in graines.items():
            (dossier / nom).write_bytes(octets)
