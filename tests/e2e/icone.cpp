// Which standard icon a message box shows. Icon handles of another process
// cannot be read here, so the box's icon is compared, pixel by pixel, with
// each system icon drawn by this process on the same background.
#include <cstdlib>

#include "image.h"
#include "pilote.h"

namespace {

constexpr int ID_ICONE_BOITE = 0x440;

long long Ecart(const Image& a, const Image& b) {
  long long somme = 0;
  for (size_t i = 0; i < a.rgb.size() && i < b.rgb.size(); ++i) somme += std::abs(a.rgb[i] - b.rgb[i]);
  return somme;
}

}  // namespace

Icone PiloteIconeBoite(HWND boite) {
  HWND statique = GetDlgItem(boite, ID_ICONE_BOITE);
  if (!statique || !IsWindowVisible(statique)) return Icone::Aucune;
  // Wine keeps the icon static of a box without icon, holding none.
  DWORD_PTR icone = 0;
  if (SendMessageTimeoutA(statique, STM_GETICON, 0, 0, SMTO_NORMAL, DELAI_MS, &icone) && !icone) {
    return Icone::Aucune;
  }
  RECT zone{};
  GetWindowRect(statique, &zone);
  Image vue;
  if (!CapturerEcran(zone, vue)) return Icone::Inconnue;
  // The standard icons leave their corners transparent.
  const COLORREF fond = RGB(vue.rgb[0], vue.rgb[1], vue.rgb[2]);

  const struct {
    LPCSTR ressource;
    Icone icone;
  } candidates[] = {{IDI_HAND, Icone::Erreur},
                    {IDI_EXCLAMATION, Icone::Exclamation},
                    {IDI_QUESTION, Icone::Question},
                    {IDI_ASTERISK, Icone::Information}};
  Icone meilleure = Icone::Inconnue;
  long long plus_petit_ecart = -1;
  for (const auto& c : candidates) {
    Image dessin;
    const bool ok = DessinerImage(vue.largeur, vue.hauteur, [&](HDC dc) {
      HBRUSH pinceau = CreateSolidBrush(fond);
      RECT tout{0, 0, vue.largeur, vue.hauteur};
      FillRect(dc, &tout, pinceau);
      DeleteObject(pinceau);
      return DrawIconEx(dc, 0, 0, LoadIconA(nullptr, c.ressource), vue.largeur, vue.hauteur, 0, nullptr,
                        DI_NORMAL) != 0;
    }, dessin);
    const long long ecart = ok ? Ecart(vue, dessin) : -1;
    if (ecart >= 0 && (plus_petit_ecart < 0 || ecart < plus_petit_ecart)) {
      plus_petit_ecart = ecart;
      meilleure = c.icone;
    }
  }
  // Far from every candidate: something else is drawn there.
  const long long tolere = static_cast<long long>(vue.rgb.size()) * 8;
  return plus_petit_ecart >= 0 && plus_petit_ecart <= tolere ? meilleure : Icone::Inconnue;
}

const char* NomIcone(Icone icone) {
  switch (icone) {
    case Icone::Aucune: return "aucune";
    case Icone::Erreur: return "erreur";
    case Icone::Exclamation: return "exclamation";
    case Icone::Question: return "question";
    case Icone::Information: return "information";
    case Icone::Inconnue: break;
  }
  return "inconnue";
}
