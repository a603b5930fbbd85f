#include "decouper.h"

#include <gtest/gtest.h>

#include <cstring>

#include "essai_spec.h"

namespace {

using DecouperTest = EssaiSpec;

const char SOURCE[] = "C:\\d\\source.lvx";
const char SECONDE[] = "C:\\d\\seconde.lvx";
const std::string RECONSTITUER =
    "\n\nVotre fichier source est réduit de moitié, Lorvanix va le reconstituer.";

TEST_F(DecouperTest, LaPremiereMoitieResteLaSecondePartAilleurs) {
  struct Cas {
    int fiches;
    size_t notes;  // 70,000 bytes of notes: each card spans two transfer buffers
  };
  for (Cas c : {Cas{5, 0}, Cas{2, 0}, Cas{5, 65000}}) {
    SCOPED_TRACE(c.notes);
    std::vector<int> toutes, premieres, dernieres;
    for (int i = 1; i <= c.fiches; i++) (i <= c.fiches / 2 ? premieres : dernieres).push_back(i);
    faux.Ecrire(SOURCE, OctetsFichier(OctetsFiches(premieres, c.notes) +
                                          OctetsFiches(dernieres, c.notes), c.fiches));
    faux.choix_fichiers = {SOURCE, SECONDE};
    EXPECT_EQ(Decouper(), 1);
    AttendreFichier(SOURCE, OctetsFichier(OctetsFiches(premieres, c.notes), (uint32_t)premieres.size()));
    AttendreFichier(SECONDE, OctetsFichier(OctetsFiches(dernieres, c.notes), (uint32_t)dernieres.size()));
    EXPECT_TRUE(faux.messages.empty());
    EXPECT_EQ(Contenu("C:\\Temp"), std::vector<std::string>{}) << "the temporary copy is gone";
    EXPECT_EQ(Contenu("C:\\d"), (std::vector<std::string>{"seconde.lvx", "source.lvx"}));
    EXPECT_EQ(faux.curseurs.back(), FLECHE);
  }
  EXPECT_EQ(faux.titres_dialogues[0], "Fichier Lorvanix à découper en deux parties égales :");
  EXPECT_EQ(faux.titres_dialogues[1], "Deuxième partie du fichier Lorvanix :");
}

TEST_F(DecouperTest, UnFichierQuiNeSeCoupePasResteTelQuel) {
  const std::pair<std::string, const char*> CAS[] = {
      {OctetsFichier(OctetsFiches({1}), 1), "Il n'y a pas assez de fiches dans ce fichier."},
      {"", "Ce fichier est vide"},
      {OctetsFichier(OctetsFiches({1, 2}), 2, "LorVanix"), "Erreur de format."},
      // Lengths that run past the cards.
      {OctetsFichier(OctetsFiches({1}), 3), "Erreur de format."},
  };
  for (auto [fichier, message] : CAS) {
    faux.messages.clear();
    faux.Ecrire(SOURCE, fichier);
    faux.choix_fichiers = {SOURCE, SECONDE};
    EXPECT_EQ(Decouper(), 0);
    EXPECT_EQ(faux.Textes(), std::vector<std::string>{message});
    EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
    EXPECT_EQ(faux.Lire(SOURCE), fichier);
    EXPECT_FALSE(faux.Existe(SECONDE));
    EXPECT_EQ(Contenu("C:\\Temp"), std::vector<std::string>{});
  }
}

TEST_F(DecouperTest, LaSecondePartieNePeutNommerLaSourceSousAucuneForme) {
  // The short form of a name is only known to the system.
  fichiers.meme_fichier = [](void* ctx, const char* a, const char* b) -> int {
    return strstr(a, "~1") != nullptr || FichiersSysteme()->meme_fichier(ctx, a, b);
  };
  const std::string fichier = OctetsFichier(OctetsFiches({1, 2, 3}), 3);
  for (const char* meme : {SOURCE, "C:\\D\\Source.LVX", "C:\\d\\SOURCE~1.LVX"}) {
    SCOPED_TRACE(meme);
    faux.messages.clear();
    faux.Ecrire(SOURCE, fichier);
    faux.choix_fichiers = {SOURCE, meme, SECONDE};
    EXPECT_EQ(Decouper(), 1);
    EXPECT_EQ(faux.Textes(),
              std::vector<std::string>{"Les deux parties doivent correspondre à des noms ou "
                                       "chemins de fichiers différents.\n\nChoisissez un autre "
                                       "fichier pour la deuxième partie du découpage"});
    EXPECT_EQ(faux.Lire(SECONDE), OctetsFichier(OctetsFiches({2, 3}), 2));
  }
  EXPECT_EQ(faux.titres_dialogues.size(), 9u) << "the second part asked again each time";
}

// Once the source holds its first half, a second part that cannot be
// written puts the source back whole.
TEST_F(DecouperTest, UneSecondePartieImpossibleRendLaSourceEntiere) {
  static std::string refusee;
  const std::string fichier = OctetsFichier(OctetsFiches({1, 2, 3, 4, 5}), 5);
  const uint64_t premiere = OctetsFiches({1, 2}).size() + 44;
  struct Cas {
    std::string message;
    Poignee (*creer)(void*, const char*);
    uint64_t libre_c;   // free bytes of C:, the temporary folder being on D:
    int64_t echec;      // bytes written before one write fails; -1 none
    std::string seconde_apres;
  };
  const Cas CAS[] = {
      {"Erreur d'écriture sur fichier destination, Impossible de poursuivre l'opération.",
       [](void* ctx, const char* c) -> Poignee {
         return c == refusee ? nullptr : FichiersSysteme()->fichier_creer(ctx, c);
       },
       UINT64_C(1) << 40, -1, ""},
      // Not emptied: the file is opened as it is.
      {"Ecriture sur le disque de la deuxième moitiée du fichier interdite. Impossible de "
       "poursuivre l'opération.",
       [](void* ctx, const char* c) -> Poignee {
         return c == refusee ? FichiersSysteme()->fichier_modifier(ctx, c)
                             : FichiersSysteme()->fichier_creer(ctx, c);
       },
       UINT64_C(1) << 40, -1, "ancien"},
      // No room on C: for the second half, nor for copies beside: the
      // source is rewritten and put back in place.
      {"Il n'y a pas assez de place sur le disque pour sauvegarder la deuxième moitièe du "
       "fichier. Impossible de poursuivre l'opération.",
       nullptr, premiere - 1, -1, ""},
      {"Erreur d'écriture sur fichier destination, Impossible de poursuivre l'opération.", nullptr,
       UINT64_C(1) << 40, (int64_t)(fichier.size() + premiere + 50), ""},
  };
  for (const Cas& c : CAS) {
    SCOPED_TRACE(c.message);
    faux.messages.clear();
    faux.Ecrire(SOURCE, fichier);
    std::remove(faux.Linux(SECONDE).c_str());
    if (!c.seconde_apres.empty()) faux.Ecrire(SECONDE, c.seconde_apres);
    refusee = SECONDE;
    fichiers = faux.fichiers;
    if (c.creer) fichiers.fichier_creer = c.creer;
    if (c.echec >= 0) EchecUnique::Armer(&fichiers, &faux.fichiers, c.echec);
    static uint64_t libre_c;
    libre_c = c.libre_c;
    fichiers.espace_libre = [](void*, const char* racine, uint64_t* octets) {
      *octets = racine[0] == 'C' ? libre_c : UINT64_C(1) << 40;
      return 1;
    };
    faux.dossier_temporaire = "D:\\Temp\\";
    faux.choix_fichiers = {SOURCE, SECONDE};
    EXPECT_EQ(Decouper(), 0);
    EXPECT_EQ(faux.Textes(), std::vector<std::string>{c.message + RECONSTITUER});
    EXPECT_EQ(faux.Lire(SOURCE), fichier);
    EXPECT_EQ(faux.Existe(SECONDE), !c.seconde_apres.empty());
    if (!c.seconde_apres.empty()) {
      EXPECT_EQ(faux.Lire(SECONDE), c.seconde_apres);
    }
    EXPECT_EQ(Contenu("D:\\Temp"), std::vector<std::string>{});
  }
}

TEST_F(DecouperTest, LaSourceQuiNePeutEtreReecriteResteEntiere) {
  const std::string fichier = OctetsFichier(OctetsFiches({1, 2, 3}), 3);
  faux.Ecrire(SOURCE, fichier);
  // The first half cannot be written beside the source.
  fichiers.fichier_creer = [](void* ctx, const char* c) -> Poignee {
    return strstr(c, "\\d\\lvx") ? nullptr : FichiersSysteme()->fichier_creer(ctx, c);
  };
  faux.choix_fichiers = {SOURCE, SECONDE};
  EXPECT_EQ(Decouper(), 0);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Erreur d'écriture sur le fichier source, "
                                                    "impossible d'exécuter l'opération."});
  EXPECT_EQ(faux.Lire(SOURCE), fichier);
  EXPECT_FALSE(faux.Existe(SECONDE));

  // No room in the temporary folder for the copy.
  faux.messages.clear();
  faux.espace_libre = fichier.size() - 1;
  faux.choix_fichiers = {SOURCE, SECONDE};
  EXPECT_EQ(Decouper(), 0);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{
                               "Il n'y a pas assez de place sur le disque pour la création du "
                               "fichier temporaire, impossible d'exécuter l'opération."});
  EXPECT_EQ(faux.Lire(SOURCE), fichier);
  EXPECT_EQ(Contenu("C:\\Temp"), std::vector<std::string>{});
}

}  // namespace
