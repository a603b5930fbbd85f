"""Reads a WinHelp 3.1 file back the way a help viewer does: finds the
internal files through the directory, decodes the topic blocks, walks the
topic links from the first one and numbers the topics with their topic
offsets, then looks up the contents topic, the jumps, the titles and the
index.  The help generator checks what it wrote with it."""

import struct
from dataclasses import dataclass, field


@dataclass
class Sujet:
    decalage: int
    titre: str
    texte: str = ""
    sauts: list = field(default_factory=list)  # hashes of the jumps


class Illisible(ValueError):
    """The file is not a help file a viewer can read."""


def _feuilles(octets, largeur_cle):
    """Entries of a B+ tree (every leaf page, in order) as raw bytes;
    largeur_cle(bytes, start) gives the size of the entry found there."""
    magique, _, page, _, _, _, racine, _, _, niveaux, total = struct.unpack_from(
        "<HHH16shhhhhhi", octets, 0)
    if magique != 0x293B:
        raise Illisible("arbre B+ sans signature")
    debut = 38
    courante = racine
    for _ in range(niveaux - 1):
        courante = struct.unpack_from("<h", octets, debut + courante * page + 4)[0]
    entrees = []
    while courante != -1:
        base = debut + courante * page
        _, n, _, suivante = struct.unpack_from("<Hhhh", octets, base)
        p = base + 8
        for _ in range(n):
            taille = largeur_cle(octets, p)
            entrees.append(octets[p:p + taille])
            p += taille
        courante = suivante
    if len(entrees) != total:
        raise Illisible("arbre B+ : %d entrées pour %d annoncées" % (len(entrees), total))
    return entrees


def _chaine(octets, p):
    return octets.index(b"\0", p) - p + 1


def _lz77(code):
    sortie = bytearray()
    p = 0
    while p < len(code):
        drapeaux = code[p]
        p += 1
        for bit in range(8):
            if p >= len(code):
                break
            if drapeaux & (1 << bit):
                mot = struct.unpack_from("<H", code, p)[0]
                p += 2
                for _ in range(3 + (mot >> 12)):
                    sortie.append(sortie[-(mot & 0xFFF) - 1])
            else:
                sortie.append(code[p])
                p += 1
    return bytes(sortie)


def _court(octets, p):
    if octets[p] & 1:
        return struct.unpack_from("<H", octets, p)[0] // 2, p + 2
    return octets[p] // 2, p + 1


def _court_signe(octets, p):
    if octets[p] & 1:
        return struct.unpack_from("<H", octets, p)[0] // 2 - 16384, p + 2
    return octets[p] // 2 - 64, p + 1


def _long(octets, p):
    if octets[p] & 1:
        return struct.unpack_from("<I", octets, p)[0] // 2, p + 4
    return struct.unpack_from("<H", octets, p)[0] // 2, p + 2


def _paragraphe(donnees1, donnees2, sujet):
    """Text and jumps of a 0x20 record; its character count."""
    _, p = _long(donnees1, 0)
    longueur, p = _court(donnees1, p)
    p += 4
    bits = struct.unpack_from("<H", donnees1, p)[0]
    p += 2
    for bit in (0x0001, 0x0002, 0x0004, 0x0008, 0x0010, 0x0020, 0x0040):
        if bits & bit:
            p = _long(donnees1, p)[1] if bit == 1 else _court_signe(donnees1, p)[1]
    if bits & 0x0100:
        p += 3
    if bits & 0x0200:
        n, p = _court_signe(donnees1, p)
        for _ in range(n):
            tab, p = _court(donnees1, p)
            if tab & 0x4000:
                p = _court(donnees1, p)[1]
    textes = donnees2.split(b"\0")
    t = 0
    while p < len(donnees1):
        sujet.texte += textes[t].decode("cp1252")
        t += 1
        commande = donnees1[p]
        if commande == 0xFF:
            break
        if commande == 0x80:
            p += 3
        elif commande in (0x81, 0x82, 0x83, 0x89, 0x8B, 0x8C):
            sujet.texte += "\n" if commande == 0x82 else ""
            p += 1
        elif commande in (0xE2, 0xE3, 0xE6, 0xE7):
            sujet.sauts.append(struct.unpack_from("<i", donnees1, p + 1)[0])
            p += 5
        else:
            raise Illisible("commande de mise en forme 0x%02X inconnue" % commande)
    return longueur


def _fichiers(octets):
    """Internal files by name: their bytes behind the file header."""
    magique, repertoire, _, taille = struct.unpack_from("<IiiI", octets, 0)
    if magique != 0x00035F3F or taille != len(octets):
        raise Illisible("en-tête de fichier d'aide invalide")

    def interne(debut):
        reserve, utilise, _ = struct.unpack_from("<IIB", octets, debut)
        if utilise + 9 > reserve or debut + reserve > len(octets):
            raise Illisible("fichier interne hors du fichier (octet %d)" % debut)
        return octets[debut + 9:debut + 9 + utilise]

    fichiers = {}
    for entree in _feuilles(interne(repertoire), lambda o, p: _chaine(o, p) + 4):
        nom = entree[:-5].decode("ascii")
        fichiers[nom] = interne(struct.unpack_from("<I", entree, len(entree) - 4)[0])
    return fichiers


def lire(octets):
    """What a viewer finds in the file: title, copyright, contents offset,
    topics in file order, context hashes, titles and keywords by offset."""
    fichiers = _fichiers(octets)
    for nom in ("|SYSTEM", "|TOPIC", "|FONT", "|CONTEXT"):
        if nom not in fichiers:
            raise Illisible("pas de fichier interne %s" % nom)
    systeme = fichiers["|SYSTEM"]
    magique, mineure, majeure, _, drapeaux = struct.unpack_from("<HHHIH", systeme, 0)
    if (magique, majeure) != (0x036C, 1) or mineure <= 16 or drapeaux != 4:
        raise Illisible("|SYSTEM : pas un fichier 3.1 compressé en blocs de 4 Ko")
    aide = {"titre": None, "copyright": None, "sommaire": None, "macros": []}
    p = 12
    while p + 4 <= len(systeme):
        genre, taille = struct.unpack_from("<HH", systeme, p)
        donnees = systeme[p + 4:p + 4 + taille]
        if genre in (1, 2, 4):
            valeur = donnees.rstrip(b"\0").decode("cp1252")
            if genre == 4:
                aide["macros"].append(valeur)
            else:
                aide["titre" if genre == 1 else "copyright"] = valeur
        elif genre == 3:
            aide["sommaire"] = struct.unpack_from("<I", donnees)[0]
        p += 4 + taille

    topic = fichiers["|TOPIC"]
    blocs = [_lz77(topic[i + 12:i + 4096]) for i in range(0, len(topic), 4096)]
    sujets, vus, compte, bloc_precedent = [], set(), 0, None
    position = 12
    while position != 0xFFFFFFFF:
        if position in vus:
            raise Illisible("les liens de |TOPIC bouclent")
        vus.add(position)
        bloc, decalage = (position - 12) >> 14, (position - 12) & 0x3FFF
        if bloc >= len(blocs) or decalage + 21 > len(blocs[bloc]):
            raise Illisible("lien de |TOPIC hors des blocs")
        if bloc != bloc_precedent:
            compte, bloc_precedent = 0, bloc
        donnees = blocs[bloc]
        taille, _, _, suivant, longueur1 = struct.unpack_from("<IIIII", donnees, decalage)
        genre = donnees[decalage + 20]
        donnees1 = donnees[decalage + 21:decalage + longueur1]
        donnees2 = donnees[decalage + longueur1:decalage + taille]
        if genre == 0x02:
            sujets.append(Sujet(bloc * 0x8000 + compte, donnees2.split(b"\0")[0].decode("cp1252")))
        elif genre == 0x20 and sujets:
            compte += _paragraphe(donnees1, donnees2, sujets[-1])
        else:
            raise Illisible("enregistrement de |TOPIC de type 0x%02X" % genre)
        position = suivant

    def entrees(nom, largeur):
        return _feuilles(fichiers[nom], largeur) if nom in fichiers else []

    aide["sujets"] = sujets
    aide["contextes"] = dict(struct.unpack("<iI", e) for e in entrees("|CONTEXT", lambda o, p: 8))
    aide["titres"] = {struct.unpack_from("<I", e)[0]: e[4:-1].decode("cp1252")
                      for e in entrees("|TTLBTREE", lambda o, p: 4 + _chaine(o, p + 4))}
    index = fichiers.get("|KWDATA", b"")
    aide["motscles"] = {}
    for e in entrees("|KWBTREE", lambda o, p: _chaine(o, p) + 6):
        mot = e[:-7].decode("cp1252")
        nombre, debut = struct.unpack_from("<HI", e, len(e) - 6)
        aide["motscles"][mot] = list(struct.unpack_from("<%dI" % nombre, index, debut))
    return aide
