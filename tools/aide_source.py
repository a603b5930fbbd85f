"""The help's pages as written in tools/aide/aide.txt, and the main menu of
resources/lorvanix.rc that they describe.

The light markup of aide.txt, one element per line:

    # a remark          ignored
    @@ contexte | Titre a new page: its context id (jumps name it) and title
    @motscles a; b      the page's entries in the help's index
    @menu &Fichier      the top-level menu entries the page describes, as in
                        the .rc (several separated by ";")
    == Sous-titre       a heading inside the page
    * A > B / C > D     a menu command: its path below the page's menu; " / "
                        groups entries that share a description (here B > D
                        and C > D); the paragraphs after it describe it
    - texte             a list item
    texte               a paragraph; a blank line ends it

Inside a text, **gras** is set in bold and [texte](contexte) jumps to a page.
"""

import re
from dataclasses import dataclass, field

CONTEXTE = re.compile(r"^[A-Za-z0-9_.]+$")
EN_LIGNE = re.compile(r"\*\*(.+?)\*\*|\[([^\]]+)\]\(([^)]*)\)")


@dataclass
class Paragraphe:
    style: str  # titre, texte, soustitre, commande, detail, puce, puce_detail
    morceaux: list  # (genre, texte, contexte): genre texte, gras or lien


@dataclass
class Page:
    contexte: str
    titre: str
    ligne: int
    motscles: list = field(default_factory=list)
    menus: list = field(default_factory=list)
    commandes: list = field(default_factory=list)  # (line, heading text)
    paragraphes: list = field(default_factory=list)


def morceaux(texte):
    """Splits a text into plain, bold and jump pieces."""
    resultat, debut = [], 0
    for m in EN_LIGNE.finditer(texte):
        if m.start() > debut:
            resultat.append(("texte", texte[debut:m.start()], None))
        if m.group(1) is not None:
            resultat.append(("gras", m.group(1), None))
        else:
            resultat.append(("lien", m.group(2), m.group(3)))
        debut = m.end()
    if debut < len(texte):
        resultat.append(("texte", texte[debut:], None))
    return resultat


def lire_pages(texte):
    """Pages of the markup; raises ValueError on a line it cannot place."""
    pages, page, courant, style = [], None, None, "texte"

    def fermer():
        nonlocal courant
        if courant is not None:
            page.paragraphes.append(Paragraphe(courant[0], morceaux(courant[1])))
            courant = None

    for numero, brute in enumerate(texte.splitlines(), 1):
        ligne = brute.rstrip()
        if ligne.startswith("#"):
            continue
        if ligne.startswith("@@"):
            fermer()
            contexte, _, titre = ligne[2:].partition("|")
            page = Page(contexte.strip(), titre.strip(), numero)
            page.paragraphes.append(Paragraphe("titre", [("texte", page.titre, None)]))
            pages.append(page)
            style = "texte"
            continue
        if page is None:
            if ligne:
                raise ValueError("ligne %d : texte avant la première page" % numero)
            continue
        if not ligne:
            fermer()
        elif ligne.startswith("@motscles "):
            fermer()
            page.motscles += [m.strip() for m in ligne[10:].split(";") if m.strip()]
        elif ligne.startswith("@menu "):
            fermer()
            page.menus += [m.strip() for m in ligne[6:].split(";") if m.strip()]
        elif ligne.startswith("@"):
            raise ValueError("ligne %d : directive inconnue" % numero)
        elif ligne.startswith("== "):
            fermer()
            page.paragraphes.append(Paragraphe("soustitre", morceaux(ligne[3:].strip())))
            style = "texte"
        elif ligne.startswith("* "):
            fermer()
            page.commandes.append((numero, ligne[2:].strip()))
            page.paragraphes.append(Paragraphe("commande", morceaux(ligne[2:].strip())))
            style = "detail"
        elif ligne.startswith("- "):
            fermer()
            courant = ["puce" if style == "texte" else "puce_detail", ligne[2:].strip()]
        elif courant is None:
            courant = [style, ligne.strip()]
        else:
            courant[1] += " " + ligne.strip()
    if page is not None:
        fermer()
    return pages


# The main menu of resources/lorvanix.rc.

def _chaine_rc(s):
    return s.replace("\\t", "\t").replace('""', '"')


def lire_menu(texte_rc):
    """The menu resource IDR_MENU as a list of (text, children or None)."""
    lignes = iter(texte_rc.splitlines())
    for ligne in lignes:
        if re.match(r"^\s*IDR_MENU\s+MENU\b", ligne):
            break
    else:
        raise ValueError("pas de ressource IDR_MENU MENU")
    racine, pile, niveau = [], [], None
    for ligne in lignes:
        ligne = ligne.strip()
        m = re.match(r'^(POPUP|MENUITEM)\s+"((?:[^"]|"")*)"', ligne)
        if ligne == "BEGIN":
            if niveau is None:
                niveau = racine
            else:
                pile.append(niveau)
                niveau = niveau[-1][1]
        elif ligne == "END":
            if not pile:
                return racine
            niveau = pile.pop()
        elif m and niveau is not None:
            niveau.append((_chaine_rc(m.group(2)), [] if m.group(1) == "POPUP" else None))
    raise ValueError("menu IDR_MENU sans fin")


def libelle(texte, haut=False):
    """What the menu shows of an entry: the label without its access letter,
    and the key text in brackets ("Annuler (Ctrl+Z)")."""
    if haut:
        return texte.replace("&", "")
    m = re.match(r"^&[A-Z](?:\t| {3})(.*)$", texte)
    reste = m.group(1) if m else texte.replace("&", "")
    if "\t" in reste:
        nom, touche = reste.split("\t", 1)
        return "%s (%s)" % (nom, touche)
    m = re.match(r"^(.*\S) {3}(\S+)$", reste)
    return "%s (%s)" % (m.group(1), m.group(2)) if m else reste


def feuilles(enfants):
    """Paths (tuples of labels) of every command under a popup."""
    chemins = []
    for texte, sous in enfants:
        if sous is None:
            chemins.append((libelle(texte),))
        else:
            chemins += [(libelle(texte),) + c for c in feuilles(sous)]
    return chemins


def developper(entete):
    """The command paths of a heading: "A > B / C" gives A > B and A > C."""
    chemins = [()]
    for partie in entete.split(" > "):
        chemins = [c + (choix.strip(),) for c in chemins for choix in partie.split(" / ")]
    return chemins


def lacunes(pages, menu):
    """What keeps the pages from being a help for this menu: unknown or
    missing commands, menus without a page, broken or dead-end jumps."""
    erreurs = []
    if not pages:
        return ["aucune page"]
    hauts = {texte: sous for texte, sous in menu}
    couverts = []
    for page in pages:
        if not CONTEXTE.match(page.contexte):
            erreurs.append("ligne %d : contexte invalide « %s »" % (page.ligne, page.contexte))
        attendus = []
        for haut in page.menus:
            if haut not in hauts:
                erreurs.append("page %s : menu inconnu %s" % (page.contexte, haut))
                continue
            couverts.append(haut)
            sous = hauts[haut]
            attendus += feuilles(sous) if sous is not None else [(libelle(haut, True),)]
        lignes = [(n, c) for n, entete in page.commandes for c in developper(entete)]
        decrits = [c for _, c in lignes]
        for numero, chemin in lignes:
            if chemin not in attendus:
                erreurs.append("ligne %d : « %s » n'est pas une commande du menu"
                               % (numero, " > ".join(chemin)))
            elif decrits.count(chemin) > 1:
                erreurs.append("ligne %d : « %s » décrite deux fois"
                               % (numero, " > ".join(chemin)))
        for chemin in attendus:
            if chemin not in decrits:
                erreurs.append("page %s : la commande « %s » n'est pas décrite"
                               % (page.contexte, " > ".join(chemin)))
    for haut in hauts:
        if couverts.count(haut) != 1:
            erreurs.append("le menu %s a %d pages" % (haut, couverts.count(haut)))

    contextes = [p.contexte for p in pages]
    for c in set(contextes):
        if contextes.count(c) > 1:
            erreurs.append("contexte %s en double" % c)
    motscles = [m.lower() for p in pages for m in p.motscles]
    for m in sorted(set(motscles)):
        if motscles.count(m) > 1:
            erreurs.append("mot clé « %s » sur plusieurs pages" % m)
    liens = {}
    for page in pages:
        liens[page.contexte] = [c for par in page.paragraphes
                                for genre, _, c in par.morceaux if genre == "lien"]
        for cible in liens[page.contexte]:
            if cible not in contextes:
                erreurs.append("page %s : saut vers %s, page inconnue" % (page.contexte, cible))
    vues, a_voir = set(), [pages[0].contexte]
    while a_voir:
        c = a_voir.pop()
        if c in vues or c not in liens:
            continue
        vues.add(c)
        a_voir += liens[c]
    for c in contextes:
        if c not in vues:
            erreurs.append("page %s : aucun chemin depuis le sommaire" % c)
    return erreurs
