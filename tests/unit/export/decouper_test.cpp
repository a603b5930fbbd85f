#include "decouper.h"

#include <gtest/gtest.h>

#include <cstring>

#include "essai_donnees.h"

namespace {

using DecouperTest = EssaiSpec;

const char SOURCE[] = "C:\\d\\source.lvx";
const char SECONDE[] = "C:\\d\\seconde.lvx";
const char* const RECONSTITUER =
    "\n\nVotre fichier source est réduit de moitié, Lorvanix va le reconstituer.";

TEST_F(DecouperTest, LaPremiereMoitieResteLaSecondePartAilleurs) {
  // Notes of 65,000 bytes: the cards lie across the transfer buffer's bounds.
  for (auto [n, notes] : {std::pair{5, 0}, std::pair{2, 0}, std::pair{5, 65000}}) {
    SCOPED_TRACE(notes);
    std::vector<int> premieres, dernieres;
    for (int i = 1; i <= n; i++) (i <= n / 2 ? premieres : dernieres).push_back(i);
    faux.Ecrire(SOURCE, OctetsFichier(OctetsFiches(premieres, notes) + OctetsFiches(dernieres, notes), n));
    EXPECT_EQ(Decouper({SOURCE, SECONDE}), 1);
    AttendreFichier(SOURCE, OctetsFichier(OctetsFiches(premieres, notes), (uint32_t)premieres.size()));
    AttendreFichier(SECONDE, OctetsFichier(OctetsFiches(dernieres, notes), (uint32_t)dernieres.size()));
    EXPECT_TRUE(faux.messages.empty());
    EXPECT_EQ(Contenu("C:\\Temp"), std::vector<std::string>{}) << "the temporary copy is gone";
    EXPECT_EQ(Contenu("C:\\d"), (std::vector<std::string>{"seconde.lvx", "source.lvx"}));
  }
  EXPECT_EQ(faux.titres_dialogues[0], "Fichier Lorvanix à découper en deux parties égales :");
  EXPECT_EQ(faux.titres_dialogues[1], "Deuxième partie du fichier Lorvanix :");
}

TEST_F(DecouperTest, UnFichierQuiNeSeCoupePasResteTelQuel) {
  const std::pair<std::string, const char*> CAS[] = {
      {OctetsFichier(OctetsFiches({1}), 1), "Il n'y a pas assez de fiches dans ce fichier."},
      {"", "Ce fichier est vide"},
      {OctetsFichier(OctetsFiches({1, 2}), 2, "LorVanix"), "Erreur de format."},
      {OctetsFichier(OctetsFiches({1}), 3), "Erreur de format."},  // lengths past the cards
  };
  for (auto [fichier, message] : CAS) {
    faux.messages.clear();
    faux.Ecrire(SOURCE, fichier);
    EXPECT_EQ(Decouper({SOURCE, SECONDE}), 0);
    EXPECT_EQ(faux.Textes(), std::vector<std::string>{message});
    EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
    EXPECT_EQ(faux.Lire(SOURCE), fichier);
    EXPECT_FALSE(faux.Existe(SECONDE));
    EXPECT_EQ(Contenu("C:\\Temp"), std::vector<std::string>{});
  }
}

TEST_F(DecouperTest, LaSecondePartieNePeutNommerLaSourceSousAucuneForme) {
  // A short form of the name that only the system knows.
  fichiers.meme_fichier = [](void* ctx, const char* a, const char* b) -> int {
    return strstr(a, "~1") || FichiersSysteme()->meme_fichier(ctx, a, b);
  };
  for (const char* meme : {SOURCE, "C:\\D\\Source.LVX", "C:\\d\\SOURCE~1.LVX"}) {
    faux.messages.clear();
    faux.Ecrire(SOURCE, OctetsFichier(OctetsFiches({1, 2, 3}), 3));
    EXPECT_EQ(Decouper({SOURCE, meme, SECONDE}), 1);
    EXPECT_EQ(faux.Textes(), std::vector<std::string>{
                                 "Les deux parties doivent correspondre à des noms ou chemins de "
                                 "fichiers différents.\n\nChoisissez un autre fichier pour la "
                                 "deuxième partie du découpage"});
    EXPECT_EQ(faux.Lire(SECONDE), OctetsFichier(OctetsFiches({2, 3}), 2));
  }
  EXPECT_EQ(faux.titres_dialogues.size(), 9u) << "the second part asked again each time";
}

// Once the source holds its first half, a second part that cannot be
// written puts the source back whole.
TEST_F(DecouperTest, UneSecondePartieImpossibleRendLaSourceEntiere) {
  static uint64_t libre_c;  // free bytes of C:; the temporary folder is on D:
  const std::string fichier = OctetsFichier(OctetsFiches({1, 2, 3, 4, 5}), 5);
  const uint64_t GRAND = UINT64_C(1) << 40, premiere = OctetsFiches({1, 2}).size() + 44;
  using Creer = Poignee (*)(void*, const char*);
  Creer refuser = [](void* ctx, const char* c) -> Poignee {
    return strcmp(c, SECONDE) ? FichiersSysteme()->fichier_creer(ctx, c) : nullptr;
  };
  Creer sans_vider = [](void* ctx, const char* c) -> Poignee {
    return strcmp(c, SECONDE) ? FichiersSysteme()->fichier_creer(ctx, c)
                              : FichiersSysteme()->fichier_modifier(ctx, c);
  };
  const char* DESTINATION = "Erreur d'écriture sur fichier destination, Impossible de poursuivre l'opération.";
  const std::tuple<std::string, Creer, uint64_t, int64_t, std::string> CAS[] = {
      {DESTINATION, refuser, GRAND, -1, ""},
      {"Ecriture sur le disque de la deuxième moitiée du fichier interdite. Impossible de "
       "poursuivre l'opération.",
       sans_vider, GRAND, -1, "ancien"},
      // No room on C: for the second half, nor for copies beside the
      // source: it is cut and put back in place.
      {"Il n'y a pas assez de place sur le disque pour sauvegarder la deuxième moitièe du "
       "fichier. Impossible de poursuivre l'opération.",
       nullptr, premiere - 1, -1, ""},
      {DESTINATION, nullptr, GRAND, (int64_t)(fichier.size() + premiere + 50), ""},
  };
  faux.dossier_temporaire = "D:\\Temp\\";
  for (auto [message, creer, libre, echec, seconde] : CAS) {
    SCOPED_TRACE(message);
    faux.messages.clear();
    faux.Ecrire(SOURCE, fichier);
    std::remove(faux.Linux(SECONDE).c_str());
    if (!seconde.empty()) faux.Ecrire(SECONDE, seconde);
    fichiers = faux.fichiers;
    if (creer) fichiers.fichier_creer = creer;
    if (echec >= 0) EchecUnique::Armer(&fichiers, &faux.fichiers, echec);
    libre_c = libre;
    fichiers.espace_libre = [](void*, const char* racine, uint64_t* octets) {
      *octets = racine[0] == 'C' ? libre_c : UINT64_C(1) << 40;
      return 1;
    };
    EXPECT_EQ(Decouper({SOURCE, SECONDE}), 0);
    EXPECT_EQ(faux.Textes(), std::vector<std::string>{message + RECONSTITUER});
    EXPECT_EQ(faux.Lire(SOURCE), fichier);
    EXPECT_EQ(faux.Existe(SECONDE) ? faux.Lire(SECONDE) : "", seconde);
    EXPECT_EQ(Contenu("D:\\Temp"), std::vector<std::string>{});
  }
}

TEST_F(DecouperTest, LaSourceQuiNePeutEtreReecriteResteEntiere) {
  const std::string fichier = OctetsFichier(OctetsFiches({1, 2, 3}), 3);
  faux.Ecrire(SOURCE, fichier);
  // Neither the first half beside the source, nor the temporary copy.
  fichiers.fichier_creer = [](void* ctx, const char* c) -> Poignee {
    return strstr(c, "\\d\\lvx") ? nullptr : FichiersSysteme()->fichier_creer(ctx, c);
  };
  EXPECT_EQ(Decouper({SOURCE, SECONDE}), 0);
  faux.espace_libre = fichier.size() - 1;
  EXPECT_EQ(Decouper({SOURCE, SECONDE}), 0);
  EXPECT_EQ(faux.Textes(),
            (std::vector<std::string>{
                "Erreur d'écriture sur le fichier source, impossible d'exécuter l'opération.",
                "Il n'y a pas assez de place sur le disque pour la création du fichier "
                "temporaire, impossible d'exécuter l'opération."}));
  EXPECT_EQ(faux.Lire(SOURCE), fichier);
  EXPECT_FALSE(faux.Existe(SECONDE));
  EXPECT_EQ(Contenu("C:\\Temp"), std::vector<std::string>{});
}

}  // namespace
