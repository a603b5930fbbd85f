#include <cstdio>

#include "fichiers.h"
#include "image.h"
#include "pilote.h"

bool DessinerImage(int largeur, int hauteur, const std::function<bool(HDC)>& dessiner, Image& image) {
  if (largeur <= 0 || hauteur <= 0) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = largeur;
  info.bmiHeader.biHeight = -hauteur;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC ecran = GetDC(nullptr);
  HDC memoire = CreateCompatibleDC(ecran);
  HBITMAP bitmap = CreateDIBSection(ecran, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = bitmap && bits;
  if (ok) {
    HGDIOBJ ancien = SelectObject(memoire, bitmap);
    ok = dessiner(memoire);
    GdiFlush();
    SelectObject(memoire, ancien);
  }
  if (ok) {
    image.largeur = largeur;
    image.hauteur = hauteur;
    image.rgb.resize(static_cast<size_t>(largeur) * hauteur * 3);
    const auto* bgra = static_cast<const unsigned char*>(bits);
    for (size_t i = 0, n = static_cast<size_t>(largeur) * hauteur; i < n; ++i) {
      image.rgb[i * 3] = bgra[i * 4 + 2];
      image.rgb[i * 3 + 1] = bgra[i * 4 + 1];
      image.rgb[i * 3 + 2] = bgra[i * 4];
    }
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memoire);
  ReleaseDC(nullptr, ecran);
  return ok;
}

bool CapturerEcran(const RECT& zone, Image& image) {
  const int largeur = zone.right - zone.left;
  const int hauteur = zone.bottom - zone.top;
  return DessinerImage(largeur, hauteur, [&](HDC dc) {
    HDC ecran = GetDC(nullptr);
    const bool ok = BitBlt(dc, 0, 0, largeur, hauteur, ecran, zone.left, zone.top, SRCCOPY | CAPTUREBLT);
    ReleaseDC(nullptr, ecran);
    return ok;
  }, image);
}

std::string DossierCaptures() {
  const std::string bin = DossierBinaires();
  const std::string dossier = bin.substr(0, bin.find_last_of('\\')) + "\\screenshots";
  CreerDossiers(dossier);
  return dossier;
}

bool PiloteCapturer(HWND fenetre, const std::string& nom) {
  RECT zone{};
  if (!GetWindowRect(fenetre, &zone)) {
    std::printf("capture de %s impossible\n", nom.c_str());
    return false;
  }
  return PiloteCapturerZone(zone, nom);
}

bool PiloteCapturerZone(const RECT& zone, const std::string& nom) {
  Image image;
  if (!CapturerEcran(zone, image)) {
    std::printf("capture de %s impossible\n", nom.c_str());
    return false;
  }
  bool noire = true;
  for (unsigned char octet : image.rgb) {
    if (octet > 0x10) {
      noire = false;
      break;
    }
  }
  const std::string chemin = DossierCaptures() + "\\" + nom + ".png";
  if (!EcrirePng(chemin, image)) {
    std::printf("ecriture de %s impossible\n", chemin.c_str());
    return false;
  }
  if (noire) std::printf("capture noire : %s\n", chemin.c_str());
  return !noire;
}
