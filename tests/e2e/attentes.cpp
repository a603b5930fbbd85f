#include "attentes.h"

#include <cstdio>

#include "entrees.h"
#include "fichiers.h"
#include "lvx.h"
#include "verif.h"

namespace {

const struct {
  int id;
  const char* nom;
} champs[] = {{ID_NOM_DE_SITE, "Nom de site"},
              {ID_URL, "URL"},
              {ID_RUBRIQUE, "Rubrique"},
              {ID_MOTS_CLES, "Mots cles"},
              {ID_NOTES, "Notes"}};

const struct {
  int id;
  const char* nom;
} boutons_boite[] = {{IDOK, "OK"}, {IDYES, "Oui"}, {IDNO, "Non"}, {IDCANCEL, "Annuler"}};

}  // namespace

std::string Compteur(uint32_t nombre) {
  char texte[16];
  std::snprintf(texte, sizeof texte, "%07lu", static_cast<unsigned long>(nombre));
  return texte;
}

bool CopierExemple(const std::string& chemin, std::string& octets) {
  const std::string exemple = DossierBinaires() + "\\exemple.lvx";
  return Verifier(LireFichier(exemple, octets) && EcrireFichier(chemin, octets),
                  "copie de exemple.lvx vers " + chemin);
}

bool VerifierBoite(Programme& p, const std::string& texte, Icone icone, std::initializer_list<int> boutons,
                   int reponse, const HWND* proprietaire) {
  HWND boite = PiloteAttendreDialogue(p, TITRE_BOITES);
  if (!Verifier(boite != nullptr, "une boite \"Lorvanix 6.1\" s'affiche")) return false;
  VerifierTexte(PiloteTexteBoite(boite), texte, "texte de la boite");
  VerifierTexte(NomIcone(PiloteIconeBoite(boite)), NomIcone(icone), "icone de la boite");
  std::string attendus, presents;
  for (const auto& b : boutons_boite) {
    for (int id : boutons) {
      if (id == b.id) attendus += std::string(" ") + b.nom;
    }
    HWND bouton = GetDlgItem(boite, b.id);
    if (bouton && IsWindowVisible(bouton)) presents += std::string(" ") + b.nom;
  }
  VerifierTexte(presents, attendus, "boutons de la boite");
  if (proprietaire) {
    HWND trouve = GetWindow(boite, GW_OWNER);
    Verifier(trouve == *proprietaire, *proprietaire ? "boite possedee par la fenetre principale"
                                                    : "boite sans fenetre proprietaire");
  }
  if (!Verifier(PiloteCliquer(boite, reponse), "bouton " + std::to_string(reponse) + " presse")) return false;
  return Verifier(PiloteAttendreDisparition(boite), "la boite se ferme");
}

void VerifierFichierCharge(const Programme& p, const std::string& nom, const std::string& octets) {
  const std::string titre = "Lorvanix 6.1 " + nom;
  PiloteAttendre([&] { return PiloteTitre(p) == titre; });
  PiloteSynchroniser(p);
  VerifierTexte(PiloteTitre(p), titre, "titre");
  VerifierTexte(PiloteTexteControle(p.principale, ID_TOTAL_FICHES), Compteur(NombreFichesLvx(octets)),
                "compteur du total");
  VerifierTexte(PiloteTexteControle(p.principale, ID_NUMERO_FICHE), "0000001", "compteur de la fiche");
  std::string site;
  if (Verifier(PremierNomDeSite(octets, site), "le fichier a une fiche 1")) {
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOM_DE_SITE), site, "Nom de site de la fiche 1");
  }
  const bool marquee = octets.size() > 41 && (octets[40] || octets[41]);
  VerifierEntier(PiloteCoche(p.principale, ID_MARQUAGE), marquee ? BST_CHECKED : BST_UNCHECKED,
                 "case Marquage de la fiche 1");
}

void VerifierTravailVierge(const Programme& p) {
  VerifierTexte(PiloteTitre(p), "Lorvanix 6.1 Sans-Nom", "titre");
  VerifierTexte(PiloteTexteControle(p.principale, ID_NUMERO_FICHE), "0000001", "compteur de la fiche");
  VerifierTexte(PiloteTexteControle(p.principale, ID_TOTAL_FICHES), "0000001", "compteur du total");
  for (const auto& champ : champs) {
    VerifierTexte(PiloteTexteControle(p.principale, champ.id), "", std::string("champ ") + champ.nom);
  }
  VerifierEntier(PiloteCoche(p.principale, ID_MARQUAGE), BST_UNCHECKED, "case Marquage");
}

void VerifierFinSansQuestion(Programme& p) {
  DWORD code = 1;
  HWND question = nullptr;
  const bool fini = PiloteAttendre([&] {
    question = PiloteChercherDialogue(p, TITRE_BOITES);
    return question || WaitForSingleObject(p.processus, 0) == WAIT_OBJECT_0;
  });
  if (question) {
    Verifier(false, "aucune question posee : \"" + Lisible(PiloteTexteBoite(question)) + "\"");
    return;
  }
  if (Verifier(fini && PiloteAttendreFin(p, 0, &code), "le programme se termine")) {
    VerifierEntier(code, 0, "code de sortie");
  }
}

bool DemarrerSurExemple(Programme& p, const std::string& cas, std::vector<FicheLue>& fiches, std::string* chemin) {
  const std::string fichier = PreparerDossier("donnees\\" + cas) + "\\liste.lvx";
  std::string octets;
  if (chemin) *chemin = fichier;
  if (!CopierExemple(fichier, octets) || !Verifier(LireFichesLvx(octets, fiches), "cartes de exemple.lvx lues") ||
      !Verifier(PiloteDemarrer(p, cas, "\"" + fichier + "\""), "demarrage avec " + fichier)) {
    return false;
  }
  VerifierFichierCharge(p, "liste.lvx", octets);
  return true;
}

namespace {

bool Compteurs(const Programme& p, uint32_t numero, uint32_t total) {
  return PiloteTexteControle(p.principale, ID_NUMERO_FICHE) == Compteur(numero) &&
         PiloteTexteControle(p.principale, ID_TOTAL_FICHES) == Compteur(total);
}

}  // namespace

void VerifierFicheAffichee(const Programme& p, uint32_t numero, uint32_t total, const FicheLue& fiche,
                           const std::string& quoi) {
  PiloteAttendre([&] { return Compteurs(p, numero, total); });
  PiloteSynchroniser(p);
  VerifierTexte(PiloteTexteControle(p.principale, ID_NUMERO_FICHE) + " sur " +
                    PiloteTexteControle(p.principale, ID_TOTAL_FICHES),
                Compteur(numero) + " sur " + Compteur(total), quoi + " : compteurs");
  std::string obtenu, attendu;
  for (int i = 0; i < 5; ++i) {
    obtenu += PiloteTexteControle(p.principale, champs[i].id) + "|";
    attendu += fiche.champs[i] + "|";
  }
  // The whole card only when it differs: Notes can be long.
  if (obtenu == attendu) {
    Verifier(true, quoi + " : les cinq champs de \"" + Lisible(fiche.champs[0]) + "\"");
  } else {
    VerifierTexte(obtenu, attendu, quoi + " : les cinq champs");
  }
  VerifierEntier(PiloteCoche(p.principale, ID_MARQUAGE), fiche.marque ? BST_CHECKED : BST_UNCHECKED,
                 quoi + " : case Marquage");
}

void VerifierFicheVide(const Programme& p, uint32_t numero, uint32_t total, const std::string& quoi) {
  VerifierFicheAffichee(p, numero, total, FicheLue{}, quoi);
}

void VerifierQuitterDemande(Programme& p) {
  PiloteFermer(p);
  const HWND aucun = nullptr;
  if (VerifierBoite(p, "Souhaitez vous sauvegarder les modifications du travail en cours ?", Icone::Question,
                    {IDYES, IDNO, IDCANCEL}, IDNO, &aucun)) {
    DWORD code = 1;
    Verifier(PiloteAttendreFin(p, DELAI_MS, &code), "Non : le programme se termine");
  }
}

void VerifierFocus(const Programme& p, int id, const std::string& quoi) {
  HWND attendu = GetDlgItem(p.principale, id);
  PiloteAttendre([&] { return PiloteFocus(p.principale) == attendu; }, 2000);
  HWND focus = PiloteFocus(p.principale);
  const int trouve = focus ? GetDlgCtrlID(focus) : 0;
  VerifierEntier(focus == attendu ? id : trouve, id, quoi + " : focus dans le controle");
}
