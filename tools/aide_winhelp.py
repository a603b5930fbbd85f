"""Writes a WinHelp 3.1 help file (.hlp) from the pages of aide_source.

The file is the help file system: a 16-byte header, internal files each
behind a 9-byte file header, and their directory as a one-page B+ tree.
Internal files written:

    |SYSTEM    version 3.1, title, copyright, contents topic, start macro
    |TOPIC     topic headers and paragraphs, in 4 KB blocks
    |FONT      the four fonts of the text
    |CONTEXT   hash of each page's context id -> topic offset (jumps)
    |TTLBTREE  topic offset -> title
    |KWBTREE, |KWDATA, |KWMAP   the index: keyword -> topic offset

The blocks of |TOPIC are flagged LZ77-compressed and written with literal
bytes only (a zero flag byte before every eight bytes): a compressed block
addresses its records in 16 KB steps, which every reader agrees on, and
each block holds no more data than its 4 KB fit once literal-coded.

Two kinds of addresses: a TOPICPOS (block * 0x4000 + 12 + offset in the
block's data) locates a record; a TOPICOFFSET (block * 0x8000 + characters
of the block's paragraphs before it) locates a topic for the jumps, the
contents and the index.
"""

import struct
import unicodedata

CODAGE = "cp1252"
BLOC = 4096
ENTETE_BLOC = 12
DONNEES_BLOC = (BLOC - ENTETE_BLOC) * 8 // 9  # literal-coded, fits in a block
AUCUN = 0xFFFFFFFF

# Fonts: (half points, bold, RGB); face Arial, family swiss.
POLICES = {
    "corps": (0, 20, False, (0, 0, 0)),
    "titre": (1, 28, True, (0, 0, 128)),
    "gras": (2, 20, True, (0, 0, 0)),
    "soustitre": (3, 24, True, (0, 0, 128)),
}
FACE = "Arial"

# Paragraph styles: font, space above, space below, left indent, first-line
# indent, tab stop (half points; 0 = none).
STYLES = {
    "titre": ("titre", 0, 8, 0, 0, 0),
    "texte": ("corps", 12, 0, 0, 0, 0),
    "soustitre": ("soustitre", 20, 0, 0, 0, 0),
    "commande": ("gras", 14, 0, 0, 0, 0),
    "detail": ("corps", 4, 0, 24, 0, 0),
    "puce": ("corps", 6, 0, 24, -20, 24),
    "puce_detail": ("corps", 6, 0, 48, -20, 48),
}
PUCE = "\u2022\t"


def hachage(contexte):
    """The hash under which a context id is filed in |CONTEXT (signed)."""
    h = 0
    for c in contexte:
        if "A" <= c.upper() <= "Z":
            x = ord(c.upper()) - ord("A") + 17
        elif "1" <= c <= "9":
            x = ord(c) - ord("0")
        else:
            x = {"0": 10, ".": 12, "_": 13}.get(c, 0)
        h = (h * 43 + x) & 0xFFFFFFFF
    return h - (1 << 32) if h & 0x80000000 else h


# Compressed numbers of the paragraph records.

def court_signe(v):
    if -64 <= v < 64:
        return bytes([(v + 64) * 2])
    assert 0 <= v < 16384, v
    return struct.pack("<H", (v + 16384) * 2 + 1)


def court_non_signe(v):
    if v < 128:
        return bytes([v * 2])
    assert v < 32768, v
    return struct.pack("<H", v * 2 + 1)


def long_signe(v):
    assert 0 <= v < 16384, v
    return struct.pack("<H", (v + 16384) * 2)


def texte(s):
    return s.encode(CODAGE)


def paragraphe(par):
    """Link data of one paragraph record: (format bytes, text bytes)."""
    police, avant, apres, gauche, premiere, tab = STYLES[par.style]
    base = POLICES[police][0]
    bits, options = 0, b""
    for bit, valeur in ((0x0002, avant), (0x0004, apres), (0x0010, gauche),
                        (0x0040, premiere)):
        if valeur:
            bits |= bit
            options += court_signe(valeur)
    if tab:
        bits |= 0x0200
        options += court_signe(1) + court_non_signe(tab)
    textes, commandes, courant = [], [], [""]

    def commande(octets):
        textes.append(courant[0])
        commandes.append(octets)
        courant[0] = ""

    commande(bytes([0x80]) + struct.pack("<H", base))
    if par.style.startswith("puce"):
        courant[0] = PUCE
    for genre, t, cible in par.morceaux:
        if genre == "texte":
            courant[0] += t
        elif genre == "gras":
            commande(bytes([0x80]) + struct.pack("<H", POLICES["gras"][0]))
            courant[0] = t
            commande(bytes([0x80]) + struct.pack("<H", base))
        else:
            commande(bytes([0xE3]) + struct.pack("<i", hachage(cible)))
            courant[0] = t
            commande(bytes([0x89]))
    commande(bytes([0x82]))
    commande(bytes([0xFF]))
    donnees = b"".join(texte(t) + b"\0" for t in textes)
    tete = (long_signe(len(donnees)) + court_non_signe(len(donnees))
            + b"\x00\x80\x00\x00" + struct.pack("<H", bits) + options)
    return tete + b"".join(commandes), donnees


class Enregistrement:
    """One TOPICLINK: a topic header (type 2) or a paragraph (type 0x20)."""

    def __init__(self, genre, donnees1, donnees2, longueur=0):
        self.genre, self.donnees1, self.donnees2 = genre, donnees1, donnees2
        self.longueur = longueur  # characters counted for topic offsets
        self.bloc = self.decalage = 0

    def taille(self):
        return 21 + len(self.donnees1) + len(self.donnees2)

    def position(self):
        return self.bloc * 0x4000 + ENTETE_BLOC + self.decalage

    def octets(self, precedent, suivant):
        return (struct.pack("<IIIII", self.taille(), len(self.donnees2), precedent,
                            suivant, 21 + len(self.donnees1))
                + bytes([self.genre]) + self.donnees1 + self.donnees2)


def sujets(pages):
    """The |TOPIC file and each page's topic offset."""
    par_page = []
    for page in pages:
        tete = Enregistrement(0x02, b"\0" * 28, texte(page.titre) + b"\0")
        corps = []
        for par in page.paragraphes:
            format_, donnees = paragraphe(par)
            corps.append(Enregistrement(0x20, format_, donnees, len(donnees)))
        par_page.append([tete] + corps)
    tous = [e for groupe in par_page for e in groupe]

    # Records never straddle a block.
    bloc, utilise, compte, decalages = 0, 0, 0, []
    for e in tous:
        if e.taille() > DONNEES_BLOC:
            raise ValueError("paragraphe trop long (%d octets)" % e.taille())
        if utilise + e.taille() > DONNEES_BLOC:
            bloc, utilise, compte = bloc + 1, 0, 0
        e.bloc, e.decalage = bloc, utilise
        utilise += e.taille()
        if e.genre == 0x02:
            decalages.append(bloc * 0x8000 + compte)
        compte += e.longueur

    for i, groupe in enumerate(par_page):
        tete = groupe[0]
        tete.donnees1 = struct.pack(
            "<IIIIIII", sum(e.taille() for e in groupe),
            decalages[i - 1] if i else AUCUN,
            decalages[i + 1] if i + 1 < len(pages) else AUCUN,
            i, AUCUN, groupe[1].position() if len(groupe) > 1 else AUCUN,
            par_page[i + 1][0].position() if i + 1 < len(pages) else AUCUN)

    blocs = [bytearray() for _ in range(bloc + 1)]
    for n, e in enumerate(tous):
        precedent = tous[n - 1].position() if n else AUCUN
        suivant = tous[n + 1].position() if n + 1 < len(tous) else AUCUN
        blocs[e.bloc] += e.octets(precedent, suivant)

    resultat = b""
    for b, donnees in enumerate(blocs):
        dans = [e for e in tous if e.bloc == b]
        avant = [e for e in tous if e.bloc < b]
        tetes = [e for e in avant if e.genre == 0x02]
        entete = struct.pack("<III", avant[-1].position() if avant else AUCUN,
                             dans[0].position(),
                             tetes[-1].position() if tetes else AUCUN)
        code = b"".join(b"\0" + bytes(donnees[i:i + 8]) for i in range(0, len(donnees), 8))
        resultat += (entete + code).ljust(BLOC, b"\0")
    return resultat, decalages


# B+ trees of one leaf page.

def arbre(entrees, page, drapeaux, structure):
    corps = b"".join(entrees)
    libre = page - 8 - len(corps)
    if libre < 0:
        raise ValueError("arbre %s : %d octets de trop" % (structure, -libre))
    tete = struct.pack("<HHH16shhhhhhi", 0x293B, drapeaux, page,
                       structure.encode("ascii"), 0, 0, 0, -1, 1, 1, len(entrees))
    return tete + struct.pack("<Hhhh", libre, len(entrees), -1, -1) + corps + b"\0" * libre


def systeme(titre, copyright_, contenu):
    enregistrements = (
        (1, texte(titre) + b"\0"),
        (2, texte(copyright_) + b"\0"),
        (3, struct.pack("<I", contenu)),
        (4, b"BrowseButtons()\0"),
    )
    octets = struct.pack("<HHHIH", 0x036C, 21, 1, 0, 4)  # minor 21, LZ77 4 KB blocks
    for genre, donnees in enregistrements:
        octets += struct.pack("<HH", genre, len(donnees)) + donnees
    return octets


def polices():
    noms = FACE.encode("ascii").ljust(32, b"\0")
    descripteurs = b""
    for _, demi_points, gras, couleur in sorted(POLICES.values()):
        descripteurs += struct.pack("<BBBH3B3B", 1 if gras else 0, demi_points, 3, 0,
                                    *couleur, 255, 255, 255)
    return struct.pack("<HHHH", 1, len(POLICES), 8, 8 + len(noms)) + noms + descripteurs


def cle_index(mot):
    sans_accent = unicodedata.normalize("NFD", mot).encode("ascii", "ignore").decode()
    return (sans_accent.lower(), mot)


def fichier_aide(pages, titre, copyright_):
    """The bytes of the .hlp file."""
    topic, decalages = sujets(pages)
    contexte = sorted((hachage(p.contexte), d) for p, d in zip(pages, decalages))
    titres = sorted((d, p.titre) for p, d in zip(pages, decalages))
    mots = sorted(((m, d) for p, d in zip(pages, decalages) for m in p.motscles),
                  key=lambda md: cle_index(md[0]))
    fichiers = {
        "|CONTEXT": arbre([struct.pack("<iI", h, d) for h, d in contexte], 2048, 0x0002, "L4"),
        "|FONT": polices(),
        "|KWBTREE": arbre([texte(m) + b"\0" + struct.pack("<HI", 1, 4 * i)
                           for i, (m, _) in enumerate(mots)], 2048, 0x0002, "F24"),
        "|KWDATA": b"".join(struct.pack("<I", d) for _, d in mots),
        "|KWMAP": struct.pack("<iH", 0, 0),
        "|SYSTEM": systeme(titre, copyright_, decalages[0]),
        "|TOPIC": topic,
        "|TTLBTREE": arbre([struct.pack("<I", d) + texte(t) + b"\0" for d, t in titres],
                           2048, 0x0002, "Lz"),
    }
    corps, positions = b"", {}
    for nom in sorted(fichiers):
        positions[nom] = 16 + len(corps)
        corps += struct.pack("<IIB", len(fichiers[nom]) + 9, len(fichiers[nom]), 4) + fichiers[nom]
    repertoire = arbre([nom.encode("ascii") + b"\0" + struct.pack("<I", positions[nom])
                        for nom in sorted(fichiers)], 1024, 0x0402, "z4")
    debut_repertoire = 16 + len(corps)
    corps += struct.pack("<IIB", len(repertoire) + 9, len(repertoire), 4) + repertoire
    return struct.pack("<IiiI", 0x00035F3F, debut_repertoire, -1, 16 + len(corps)) + corps
