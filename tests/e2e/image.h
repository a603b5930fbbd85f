// Pixels read back from the screen or from a drawing, as 8-bit RGB rows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct Image {
  int largeur = 0;
  int hauteur = 0;
  std::vector<unsigned char> rgb;  // top row first, 3 bytes a pixel
};

// Runs `dessiner` on a memory DC holding a fresh bitmap, then reads it.
bool DessinerImage(int largeur, int hauteur, const std::function<bool(HDC)>& dessiner, Image& image);
// What the screen shows in `zone` (screen coordinates).
bool CapturerEcran(const RECT& zone, Image& image);
// 8-bit RGB PNG.
bool EcrirePng(const std::string& chemin, const Image& image);
