"""Checks of what gen_bitmaps.py wrote, read back from the disk: the faults
it catches are the ones the program would only show as a blank or clipped
picture, or as LoadBitmap failing."""

import os
import re
import struct

import bitmaps_formats as formats

LIGNE_RC = re.compile(r'^(\w+)\s+(BITMAP|ICON)\s+"([^"]+)"$')


def _ressources(g):
    """Entries of bitmaps.rc as {name or id: (type, path)}, and errors."""
    entrees, erreurs = {}, []
    with open(os.path.join(g.RESSOURCES, "bitmaps.rc"), encoding="utf-8") as f:
        for ligne in f:
            ligne = ligne.strip()
            if not ligne or ligne.startswith("//"):
                continue
            m = LIGNE_RC.match(ligne)
            if not m:
                erreurs.append("bitmaps.rc : ligne illisible %r" % ligne)
            elif m.group(1) in entrees:
                erreurs.append("bitmaps.rc : %s déclaré deux fois" % m.group(1))
            else:
                entrees[m.group(1)] = (m.group(2), m.group(3))
    return entrees, erreurs


def _bmp(g, chemin, largeur, hauteur, erreurs):
    try:
        with open(os.path.join(g.RESSOURCES, chemin), "rb") as f:
            img = formats.lire_bmp24(f.read())
    except (OSError, ValueError) as e:
        erreurs.append("%s : %s" % (chemin, e))
        return None
    if (img.largeur, img.hauteur) != (largeur, hauteur):
        erreurs.append("%s : %dx%d au lieu de %dx%d" % (
            chemin, img.largeur, img.hauteur, largeur, hauteur))
        return None
    return img


def _verifier_icone(chemin, cotes, erreurs):
    try:
        with open(chemin, "rb") as f:
            octets = f.read()
        _, genre, n = struct.unpack_from("<HHH", octets, 0)
        if genre != 1 or n != len(cotes):
            raise ValueError("%d images au lieu de %d" % (n, len(cotes)))
        vus = []
        for k in range(n):
            l, h, _, _, _, bits, taille, pos = struct.unpack_from(
                "<BBBBHHII", octets, 6 + 16 * k)
            if pos + taille > len(octets):
                raise ValueError("image %d hors du fichier" % k)
            _, il, ih, _, ibits = struct.unpack_from("<IiiHH", octets, pos)
            masque = (l + 31) // 32 * 4 * h
            if (il, ih, ibits) != (l, 2 * h, bits) or \
                    taille != 40 + 4 * l * h + masque:
                raise ValueError("image %d incohérente" % k)
            vus.append(l)
        if sorted(vus) != sorted(cotes):
            raise ValueError("tailles %s au lieu de %s" % (vus, list(cotes)))
    except (OSError, ValueError, struct.error) as e:
        erreurs.append("%s : %s" % (os.path.basename(chemin), e))


def _ecart(a, b):
    return sum(abs(x - y) for x, y in zip(a[:3], b[:3]))


def _verifier_bouton(nom, images, erreurs):
    normal, enfonce, focus = images
    if normal.px == enfonce.px or normal.px == focus.px:
        erreurs.append("%s : états non distincts" % nom)
    # The pictogram must actually stand out from the face inside the frame.
    face = normal.pixel(16, 2)
    encre = sum(1 for y in range(4, 28) for x in range(4, 28)
                if _ecart(normal.pixel(x, y), face) > 60)
    if encre < 60:
        erreurs.append("%s : pictogramme presque vide" % nom)


def _verifier_etiquette(chemin, img, fond, erreurs):
    l, h = img.largeur, img.hauteur
    bord = [img.pixel(x, y) for x in (0, l - 1) for y in range(h)]
    bord += [img.pixel(x, y) for y in (0, h - 1) for x in range(l)]
    if any(p[:3] != tuple(fond) for p in bord):
        erreurs.append("%s : texte coupé ou fond différent de la fenêtre"
                       % chemin)
    if not any(sum(img.pixel(x, y)[:3]) < 250
               for y in range(h) for x in range(l)):
        erreurs.append("%s : pas de texte foncé" % chemin)


def verifier(g):
    """Returns the list of problems found; empty when all is well."""
    entrees, erreurs = _ressources(g)
    attendus = {str(i): ("BITMAP", "%s/%s" % (g.DOSSIER, f))
                for i, f in g.bmp_boutons()}
    if set(attendus) != {str(i) for i in range(106, 163)}:
        erreurs.append("les boutons ne couvrent pas les ids 106 à 162")
    attendus[g.BOIS[0]] = ("BITMAP", "%s/%s.bmp" % (g.DOSSIER, g.BOIS[1]))
    for nom, fichier, *_ in g.ETIQUETTES:
        attendus[nom] = ("BITMAP", "%s/%s.bmp" % (g.DOSSIER, fichier))
    attendus[str(g.ICONE[0])] = ("ICON", g.ICONE[1])
    if entrees != attendus:
        erreurs.append("bitmaps.rc ne correspond pas au générateur : %s"
                       % sorted(set(entrees.items()) ^ set(attendus.items())))

    vus = {}
    for nom, _, premier in g.BOUTONS:
        images = [_bmp(g, attendus[str(premier + k)][1], 32, 32, erreurs)
                  for k in range(3)]
        if None in images:
            continue
        _verifier_bouton(nom, images, erreurs)
        cle = bytes(images[0].px)
        if cle in vus:
            erreurs.append("%s et %s ont la même image" % (vus[cle], nom))
        vus[cle] = nom

    _bmp(g, attendus[g.BOIS[0]][1], g.BOIS[2], g.BOIS[3], erreurs)
    for nom, _, _, largeur, _, _ in g.ETIQUETTES:
        chemin = attendus[nom][1]
        img = _bmp(g, chemin, largeur, g.HAUTEUR_TEXTE, erreurs)
        if img:
            _verifier_etiquette(chemin, img, g.FOND, erreurs)

    _verifier_icone(os.path.join(g.RESSOURCES, g.ICONE[1]), g.ICONE[2],
                    erreurs)
    _verifier_installation(g, erreurs)
    return erreurs


def _verifier_installation(g, erreurs):
    """The installer's two pictures, at their size, named by its script."""
    with open(os.path.join(g.RESSOURCES, "lvxsetup.rc"), encoding="utf-8") as f:
        lignes = {m.group(1): (m.group(2), m.group(3))
                  for m in map(LIGNE_RC.match, (l.strip() for l in f)) if m}
    for (nom, fichier, largeur, hauteur) in (g.TITRE_INSTALLATION,
                                             g.NOTICE_INSTALLATION):
        chemin = "%s/%s.bmp" % (g.INSTALLATION, fichier)
        if lignes.get(nom) != ("BITMAP", chemin):
            erreurs.append("lvxsetup.rc ne nomme pas %s « %s »" % (nom, chemin))
        img = _bmp(g, chemin, largeur, hauteur, erreurs)
        if img and nom == g.NOTICE_INSTALLATION[0]:
            _verifier_etiquette(chemin, img, g.FOND, erreurs)
        elif img and len({img.pixel(x, y) for y in range(0, hauteur, 4)
                          for x in range(0, largeur, 4)}) < 50:
            erreurs.append("%s : image presque unie" % chemin)
