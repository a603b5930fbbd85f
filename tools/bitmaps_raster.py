"""Tiny rasteriser for the generated pictures.

Shapes are filled span by span on a grid SUR times finer than the picture,
then reduced by averaging, so that slanted edges come out smoothed without
any drawing library.
"""

import math

SUR = 4  # sub-samples per pixel along each axis


class Image:
    """RGBA pixels, top row first."""

    def __init__(self, largeur, hauteur, fond=(0, 0, 0, 0)):
        self.largeur = largeur
        self.hauteur = hauteur
        self.px = bytearray(_rgba(fond) * (largeur * hauteur))

    def pixel(self, x, y):
        i = 4 * (y * self.largeur + x)
        return tuple(self.px[i:i + 4])

    def poser(self, x, y, couleur):
        i = 4 * (y * self.largeur + x)
        self.px[i:i + 4] = bytes(_rgba(couleur))

    def coller(self, autre, x0, y0):
        """Blends `autre` over this picture with its top-left corner at x0, y0."""
        for y in range(autre.hauteur):
            ty = y0 + y
            if not 0 <= ty < self.hauteur:
                continue
            for x in range(autre.largeur):
                tx = x0 + x
                if not 0 <= tx < self.largeur:
                    continue
                r, g, b, a = autre.pixel(x, y)
                if a == 255:
                    self.poser(tx, ty, (r, g, b, 255))
                elif a:
                    fr, fg, fb, fa = self.pixel(tx, ty)
                    k = a / 255.0
                    self.poser(tx, ty, (round(r * k + fr * (1 - k)),
                                        round(g * k + fg * (1 - k)),
                                        round(b * k + fb * (1 - k)),
                                        max(a, fa)))

    def rgb_sur(self, fond):
        """Rows of (r, g, b) with transparency flattened onto `fond`."""
        lignes = []
        for y in range(self.hauteur):
            ligne = []
            for x in range(self.largeur):
                r, g, b, a = self.pixel(x, y)
                k = a / 255.0
                ligne.append((round(r * k + fond[0] * (1 - k)),
                              round(g * k + fond[1] * (1 - k)),
                              round(b * k + fond[2] * (1 - k))))
            lignes.append(ligne)
        return lignes


def _rgba(c):
    return bytes(c) if len(c) == 4 else bytes(c) + b"\xff"


class Toile:
    """Drawing surface in picture pixels (floats allowed); (0, 0) is the
    top-left corner of the top-left pixel.  `decalage` moves everything drawn
    afterwards, which is how a pressed button shifts its pictogram; `echelle`
    scales it, so one drawing serves both icon sizes."""

    def __init__(self, largeur, hauteur, fond=(0, 0, 0, 0)):
        self.largeur = largeur
        self.hauteur = hauteur
        self.L = largeur * SUR
        self.H = hauteur * SUR
        self.px = bytearray(_rgba(fond) * (self.L * self.H))
        self.decalage = (0.0, 0.0)
        self.echelle = 1.0

    # -- spans on the fine grid --------------------------------------------

    def _ligne_fine(self, j, xa, xb, c):
        """Fills fine row j where sample centres lie in [xa, xb)."""
        i0 = max(0, math.ceil(xa - 0.5))
        i1 = min(self.L, math.ceil(xb - 0.5))
        if i1 > i0:
            base = 4 * (j * self.L)
            self.px[base + 4 * i0:base + 4 * i1] = c * (i1 - i0)

    def _rangees(self, y0, y1):
        """Fine rows whose centre lies in [y0, y1) (fine units), with centres."""
        j0 = max(0, math.ceil(y0 - 0.5))
        j1 = min(self.H, math.ceil(y1 - 0.5))
        for j in range(j0, j1):
            yield j, j + 0.5

    def _fin(self, x, y):
        k = SUR * self.echelle
        return ((x + self.decalage[0]) * k, (y + self.decalage[1]) * k)

    # -- shapes -------------------------------------------------------------

    def rect(self, x0, y0, x1, y1, couleur):
        c = _rgba(couleur)
        (X0, Y0), (X1, Y1) = self._fin(x0, y0), self._fin(x1, y1)
        for j, _ in self._rangees(Y0, Y1):
            self._ligne_fine(j, X0, X1, c)

    def polygone(self, points, couleur, trous=()):
        """Even-odd fill, so a star drawn as one outline stays solid; each
        outline in `trous` is cut out of it."""
        c = _rgba(couleur)
        aretes = []
        ys = []
        for contour in [points, *trous]:
            pts = [self._fin(x, y) for x, y in contour]
            aretes += zip(pts, pts[1:] + pts[:1])
            ys += [p[1] for p in pts]
        for j, yc in self._rangees(min(ys), max(ys)):
            xs = []
            for (xa, ya), (xb, yb) in aretes:
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for k in range(0, len(xs) - 1, 2):
                self._ligne_fine(j, xs[k], xs[k + 1], c)

    def ellipse(self, cx, cy, rx, ry, couleur):
        self.anneau(cx, cy, rx, ry, None, couleur)

    def anneau(self, cx, cy, rx, ry, epaisseur, couleur):
        """Ellipse outline `epaisseur` wide inside the edge; None fills it."""
        c = _rgba(couleur)
        CX, CY = self._fin(cx, cy)
        k = SUR * self.echelle
        RX, RY = rx * k, ry * k
        if epaisseur is not None:
            IX, IY = RX - epaisseur * k, RY - epaisseur * k
        for j, yc in self._rangees(CY - RY, CY + RY):
            t = 1 - ((yc - CY) / RY) ** 2
            if t <= 0:
                continue
            d = RX * math.sqrt(t)
            if epaisseur is None or IX <= 0 or IY <= 0:
                self._ligne_fine(j, CX - d, CX + d, c)
                continue
            ti = 1 - ((yc - CY) / IY) ** 2
            if ti <= 0:
                self._ligne_fine(j, CX - d, CX + d, c)
            else:
                di = IX * math.sqrt(ti)
                self._ligne_fine(j, CX - d, CX - di, c)
                self._ligne_fine(j, CX + di, CX + d, c)

    def trait(self, x0, y0, x1, y1, epaisseur, couleur, rond=True):
        """Line segment; round ends unless `rond` is false."""
        dx, dy = x1 - x0, y1 - y0
        n = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / n * epaisseur / 2, dx / n * epaisseur / 2
        self.polygone([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                       (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], couleur)
        if rond:
            r = epaisseur / 2
            self.ellipse(x0, y0, r, r, couleur)
            self.ellipse(x1, y1, r, r, couleur)

    def lignes(self, points, epaisseur, couleur, ferme=False):
        suite = points + points[:1] if ferme else points
        for (xa, ya), (xb, yb) in zip(suite, suite[1:]):
            self.trait(xa, ya, xb, yb, epaisseur, couleur)

    def polygone_borde(self, points, fond, bord, epaisseur=1.0):
        self.polygone(points, fond)
        self.lignes(points, epaisseur, bord, ferme=True)

    def rect_borde(self, x0, y0, x1, y1, fond, bord, epaisseur=1.0):
        """Filled rectangle with a crisp border inside its edge."""
        self.rect(x0, y0, x1, y1, bord)
        self.rect(x0 + epaisseur, y0 + epaisseur, x1 - epaisseur,
                  y1 - epaisseur, fond)

    # -- result -------------------------------------------------------------

    def reduire(self):
        """Averages each SUR x SUR block into one pixel, weighting colours by
        coverage so that smoothed edges do not darken."""
        img = Image(self.largeur, self.hauteur)
        n = SUR * SUR
        for y in range(self.hauteur):
            for x in range(self.largeur):
                sr = sg = sb = sa = 0
                for j in range(y * SUR, y * SUR + SUR):
                    base = 4 * (j * self.L + x * SUR)
                    for k in range(base, base + 4 * SUR, 4):
                        a = self.px[k + 3]
                        sr += self.px[k] * a
                        sg += self.px[k + 1] * a
                        sb += self.px[k + 2] * a
                        sa += a
                if sa:
                    img.poser(x, y, (round(sr / sa), round(sg / sa),
                                     round(sb / sa), round(sa / n)))
        return img
