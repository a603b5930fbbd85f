"""Writers for BMP (what LoadBitmap and windres take), ICO and PNG
(previews only), and a reader for our own BMP files."""

import struct
import zlib

from bitmaps_raster import Image

ENTETE_FICHIER = 14
ENTETE_INFO = 40  # BITMAPINFOHEADER


def _ligne_bmp(rgb_ligne):
    octets = bytearray()
    for r, g, b in rgb_ligne:
        octets += bytes((b, g, r))
    octets += b"\0" * (-len(octets) % 4)  # rows end on a 4-byte boundary
    return octets


def bmp24(image, fond):
    """Uncompressed 24-bit BMP, bottom-up; transparency flattened on `fond`."""
    lignes = image.rgb_sur(fond)
    pixels = b"".join(_ligne_bmp(l) for l in reversed(lignes))
    debut = ENTETE_FICHIER + ENTETE_INFO
    entete = struct.pack("<2sIHHI", b"BM", debut + len(pixels), 0, 0, debut)
    info = struct.pack("<IiiHHIIiiII", ENTETE_INFO, image.largeur,
                       image.hauteur, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return entete + info + pixels


def lire_bmp24(octets):
    """Reads back a file written by bmp24; raises ValueError otherwise."""
    if len(octets) < ENTETE_FICHIER + ENTETE_INFO or octets[:2] != b"BM":
        raise ValueError("pas un BMP")
    taille, _, _, debut = struct.unpack_from("<IHHI", octets, 2)
    (lg_info, larg, haut, plans, bits, compr,
     _, _, _, _, _) = struct.unpack_from("<IiiHHIIiiII", octets, ENTETE_FICHIER)
    if taille != len(octets):
        raise ValueError("taille de fichier fausse")
    if lg_info != ENTETE_INFO or plans != 1 or bits != 24 or compr != 0:
        raise ValueError("entête inattendue")
    if larg <= 0 or haut <= 0:
        raise ValueError("dimensions non positives (ou image descendante)")
    pas = (3 * larg + 3) // 4 * 4
    if debut + pas * haut != len(octets):
        raise ValueError("données de pixels tronquées")
    img = Image(larg, haut)
    for y in range(haut):
        ligne = debut + (haut - 1 - y) * pas
        for x in range(larg):
            b, g, r = octets[ligne + 3 * x:ligne + 3 * x + 3]
            img.poser(x, y, (r, g, b, 255))
    return img


def _image_ico(image):
    """One 32-bit icon image: BGRA colours, then the AND mask (1 = see
    through), both bottom-up, under a header of twice the height."""
    l, h = image.largeur, image.hauteur
    couleurs = bytearray()
    masque = bytearray()
    pas_masque = (l + 31) // 32 * 4
    for y in reversed(range(h)):
        bits = bytearray(pas_masque)
        for x in range(l):
            r, g, b, a = image.pixel(x, y)
            couleurs += bytes((b, g, r, a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        masque += bits
    info = struct.pack("<IiiHHIIiiII", ENTETE_INFO, l, 2 * h, 1, 32, 0,
                       len(couleurs) + len(masque), 0, 0, 0, 0)
    return info + couleurs + masque


def ico(images):
    corps = [_image_ico(img) for img in images]
    sortie = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    position = 6 + 16 * len(images)
    for img, c in zip(images, corps):
        sortie += struct.pack("<BBBBHHII", img.largeur % 256, img.hauteur % 256,
                              0, 0, 1, 32, len(c), position)
        position += len(c)
    for c in corps:
        sortie += c
    return bytes(sortie)


def png(image):
    def bloc(nom, donnees):
        return (struct.pack(">I", len(donnees)) + nom + donnees
                + struct.pack(">I", zlib.crc32(nom + donnees) & 0xFFFFFFFF))
    pas = 4 * image.largeur
    brut = b"".join(b"\0" + bytes(image.px[y * pas:(y + 1) * pas])
                    for y in range(image.hauteur))
    return (b"\x89PNG\r\n\x1a\n"
            + bloc(b"IHDR", struct.pack(">IIBBBBB", image.largeur,
                                        image.hauteur, 8, 6, 0, 0, 0))
            + bloc(b"IDAT", zlib.compress(brut, 9))
            + bloc(b"IEND", b""))
