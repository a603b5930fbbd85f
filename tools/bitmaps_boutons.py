"""A toolbar button in its three states around one pictogram."""

from bitmaps_raster import Toile

COTE = 32
NORMAL, ENFONCE, FOCUS = "normal", "enfonce", "focus"
ETATS = (NORMAL, ENFONCE, FOCUS)

FACE = (236, 233, 224)
FACE_ENFONCE = (214, 210, 200)
FACE_FOCUS = (238, 244, 253)
LUMIERE = (255, 255, 255)
DEMI_OMBRE = (160, 158, 150)
OMBRE = (64, 64, 64)
ANNEAU_FOCUS = (0, 100, 215)


def _cadre(t, haut_gauche, bas_droite, retrait):
    """One 1-pixel frame: light on two sides, dark on the other two."""
    a, b = retrait, COTE - retrait
    t.rect(a, a, b, a + 1, haut_gauche)
    t.rect(a, a, a + 1, b, haut_gauche)
    t.rect(a, b - 1, b, b, bas_droite)
    t.rect(b - 1, a, b, b, bas_droite)


def bouton(picto, etat):
    """Returns the picture of the button drawing `picto` in state `etat`.

    Pressed: sunken frame, darker face, pictogram one pixel down and right.
    Focused: raised frame with a blue ring inside it and a lighter face."""
    face = {NORMAL: FACE, ENFONCE: FACE_ENFONCE, FOCUS: FACE_FOCUS}[etat]
    t = Toile(COTE, COTE, face)
    if etat == ENFONCE:
        t.decalage = (1.0, 1.0)
    picto(t)
    t.decalage = (0.0, 0.0)
    if etat == ENFONCE:
        _cadre(t, OMBRE, LUMIERE, 0)
        _cadre(t, DEMI_OMBRE, FACE, 1)
    else:
        _cadre(t, LUMIERE, OMBRE, 0)
        _cadre(t, FACE, DEMI_OMBRE, 1)
    if etat == FOCUS:
        _cadre(t, ANNEAU_FOCUS, ANNEAU_FOCUS, 2)
    return t.reduire()
