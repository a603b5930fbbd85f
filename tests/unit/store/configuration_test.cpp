#include "configuration.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "faux_systeme.h"
#include "lvxnavig.h"
#include "lvxoudef.h"

namespace {

const char DOSSIER[] = "C:\\Lorvanix";
const size_t DOSSIER_PROGRAMME = 556;  // the main program's buffer

std::string Entete(const FichierConfiguration& f) { return std::string(f.entete, f.taille_entete); }

std::string Champ(const std::string& chemin) {
  return chemin + std::string(TAILLE_CHEMIN - chemin.size(), '\0');
}

struct Cas {
  const FichierConfiguration* f;
  uint16_t (*lire)(char*, char*);
  uint16_t (*ecrire)(char*, char*);  // null: written by its own command
};

const Cas CAS[] = {
    {&CONFIGURATION_NAVIGATEUR, Util_Dll_Lire_Chemin_Navigateur, nullptr},
    {&CONFIGURATION_OUVERTURE, Util_Dll_Lire_Chemin_Fichier_Ouvrir_Default, nullptr},
    {&CONFIGURATION_SIGNETS, Util_Dll_Lire_Chemin_Fichier_Bookmark,
     Util_Dll_Definir_Fichier_Bookmark},
    {&CONFIGURATION_COURRIER, Util_Dll_Lire_Chemin_Fichier_Courrier,
     Util_Dll_Definir_Fichier_Courrier},
};

class ConfigurationTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  const SystemeProgramme* sys = &faux.programme;
  char programme[TAILLE_CHEMIN] = "C:\\Lorvanix";
  // Exactly the caller's 256 bytes, so that the sanitizer sees any overrun.
  std::vector<char> chemin = std::vector<char>(TAILLE_CHEMIN, 'x');

  void SetUp() override {
    InstallerFauxSysteme(&faux);
    faux.Ecrire(std::string(DOSSIER) + "\\lorvanix.exe", "MZ");
  }
  // Readers open the name in capitals.
  void Poser(const FichierConfiguration& f, const std::string& octets) {
    faux.Ecrire(std::string(DOSSIER) + "\\" + f.nom_lecture, octets);
  }
  std::string Ecrit(const FichierConfiguration& f) {
    return faux.Lire(std::string(DOSSIER) + "\\" + f.nom);
  }
};

TEST(ConfigurationEntetes, OctetsDuCodeOccidentalAvecLeurNul) {
  EXPECT_EQ(Entete(CONFIGURATION_NAVIGATEUR),
            std::string("Fichier de sauvegarde du chemin du navigateur par defaut de Lorvanix", 69));
  EXPECT_EQ(Entete(CONFIGURATION_OUVERTURE),
            std::string("Sauvegarde du chemin du fichier \xE0 charger \xE0 l'ouverture de Lorvanix", 68));
  EXPECT_EQ(Entete(CONFIGURATION_SIGNETS),
            std::string("Sauvegarde du chemin du fichier de signets netscape", 52));
  EXPECT_EQ(Entete(CONFIGURATION_COURRIER),
            std::string("Sauvegarde du chemin du r\xE9pertoire de courrier", 47));
  for (const Cas& c : CAS) EXPECT_EQ(c.f->entete[c.f->taille_entete - 1], '\0') << c.f->nom;
}

TEST_F(ConfigurationTest, LitLeChampQuiSuitLEnteteEtIgnoreLaSuite) {
  for (const Cas& c : CAS) {
    Poser(*c.f, Entete(*c.f) + Champ("C:\\Prog\\x.exe") + "octets en trop");
    EXPECT_EQ(c.lire(chemin.data(), programme), 1) << c.f->nom;
    EXPECT_STREQ(chemin.data(), "C:\\Prog\\x.exe");
  }
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(ConfigurationTest, UneEnteteQuiDiffereParLaCasseEstRefusee) {
  for (const Cas& c : CAS) {
    faux.messages.clear();
    std::string entete = Entete(*c.f);
    entete[0] = (char)tolower(entete[0]);
    Poser(*c.f, entete + Champ("C:\\Prog\\x.exe"));
    EXPECT_EQ(c.lire(chemin.data(), programme), 0);
    EXPECT_EQ(chemin[0], 0);
    ASSERT_EQ(faux.messages.size(), 1u) << c.f->nom;
    EXPECT_EQ(faux.messages[0].texte,
              std::string("Le format du fichier ") + c.f->nom + " n'est pas valide");
    EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1");
    EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ERREUR);
  }
}

TEST_F(ConfigurationTest, UneEnteteSansSonNulOuCoupeeEstRefusee) {
  std::string entete = Entete(CONFIGURATION_SIGNETS);
  Poser(CONFIGURATION_SIGNETS, entete.substr(0, entete.size() - 1) + "X" + Champ("C:\\a"));
  EXPECT_EQ(Util_Dll_Lire_Chemin_Fichier_Bookmark(chemin.data(), programme), 0);
  Poser(CONFIGURATION_SIGNETS, entete.substr(0, 20));
  EXPECT_EQ(Util_Dll_Lire_Chemin_Fichier_Bookmark(chemin.data(), programme), 0);
  Poser(CONFIGURATION_SIGNETS, "");
  EXPECT_EQ(Util_Dll_Lire_Chemin_Fichier_Bookmark(chemin.data(), programme), 0);
  EXPECT_EQ(faux.messages.size(), 3u);
  EXPECT_EQ(chemin[0], 0);
}

TEST_F(ConfigurationTest, SeulLeFichierDuNavigateurSePlaintDeSonAbsence) {
  for (const Cas& c : CAS) {
    chemin[0] = 'x';
    EXPECT_EQ(c.lire(chemin.data(), programme), 0);
    EXPECT_EQ(chemin[0], 0);
  }
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, "Erreur de lecture du fichier navigdef.cfg");
  EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ERREUR);
}

TEST_F(ConfigurationTest, LesLecteursOuvrentLeNomEnCapitales) {
  faux.Ecrire(std::string(DOSSIER) + "\\bookdef.cfg",
              Entete(CONFIGURATION_SIGNETS) + Champ("C:\\b.htm"));
  EXPECT_EQ(Util_Dll_Lire_Chemin_Fichier_Bookmark(chemin.data(), programme), 0);
}

TEST_F(ConfigurationTest, UnChampSansNulEstCoupeAuDernierOctet) {
  Poser(CONFIGURATION_COURRIER, Entete(CONFIGURATION_COURRIER) + std::string(TAILLE_CHEMIN, 'A'));
  EXPECT_EQ(Util_Dll_Lire_Chemin_Fichier_Courrier(chemin.data(), programme), 1);
  EXPECT_EQ(std::string(chemin.data()), std::string(TAILLE_CHEMIN - 1, 'A'));
}

TEST_F(ConfigurationTest, UnChampCourtGardeCeQuiEstLa) {
  Poser(CONFIGURATION_NAVIGATEUR, Entete(CONFIGURATION_NAVIGATEUR) + "C:\\nav.exe");
  EXPECT_EQ(Util_Dll_Lire_Chemin_Navigateur(chemin.data(), programme), 1);
  EXPECT_STREQ(chemin.data(), "C:\\nav.exe");
  Poser(CONFIGURATION_NAVIGATEUR, Entete(CONFIGURATION_NAVIGATEUR));
  EXPECT_EQ(Util_Dll_Lire_Chemin_Navigateur(chemin.data(), programme), 1);
  EXPECT_STREQ(chemin.data(), "");
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(ConfigurationTest, LesEcrivainsEcriventLEnteteEtDeuxCentCinquanteSixOctets) {
  for (const Cas& c : CAS) {
    if (!c.ecrire) continue;
    // Junk after the NUL is not written.
    memset(chemin.data(), '#', TAILLE_CHEMIN);
    snprintf(chemin.data(), chemin.size(), "%s", "C:\\Mes documents\\signets.htm");
    faux.ecritures.clear();
    EXPECT_EQ(c.ecrire(chemin.data(), programme), 1);
    EXPECT_EQ(faux.fichiers_crees.back(), std::string(DOSSIER) + "\\" + c.f->nom);
    EXPECT_EQ(Ecrit(*c.f), Entete(*c.f) + Champ("C:\\Mes documents\\signets.htm"));
    EXPECT_EQ(faux.ecritures, (std::vector<size_t>{c.f->taille_entete, TAILLE_CHEMIN}));
  }
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(ConfigurationTest, UnCheminSansNulEstEcritCoupe) {
  memset(chemin.data(), 'B', TAILLE_CHEMIN);
  EXPECT_EQ(Util_Dll_Definir_Fichier_Bookmark(chemin.data(), programme), 1);
  EXPECT_EQ(Ecrit(CONFIGURATION_SIGNETS),
            Entete(CONFIGURATION_SIGNETS) + std::string(TAILLE_CHEMIN - 1, 'B') + '\0');
}

TEST_F(ConfigurationTest, UnEchecDEcritureRendZeroSansMessage) {
  snprintf(chemin.data(), chemin.size(), "%s", "C:\\Courrier");
  faux.creation_echoue = 1;
  EXPECT_EQ(Util_Dll_Definir_Fichier_Courrier(chemin.data(), programme), 0);
  faux.creation_echoue = 0;
  faux.ecriture_echoue_apres = 100;
  EXPECT_EQ(Util_Dll_Definir_Fichier_Courrier(chemin.data(), programme), 0);
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(ConfigurationTest, UnDossierTropLongNOuvreRien) {
  std::string long_dossier = "C:\\" + std::string(600, 'd');
  EXPECT_EQ(ConfigurationLire(sys->fichiers, sys->fenetres, &CONFIGURATION_NAVIGATEUR,
                              chemin.data(), long_dossier.c_str()),
            0);
  EXPECT_EQ(
      ConfigurationEcrire(sys->fichiers, &CONFIGURATION_SIGNETS, "C:\\a", long_dossier.c_str()), 0);
  EXPECT_EQ(faux.Textes(), (std::vector<std::string>{"Erreur de lecture du fichier navigdef.cfg"}));
}

TEST_F(ConfigurationTest, LeDossierDuProgrammeEstLeCheminDuModuleCoupeAuDernierAntislash) {
  const struct {
    const char* module;
    const char* dossier;
  } cas[] = {
      {"C:\\Program Files\\Lorvanix\\lorvanix.exe", "C:\\Program Files\\Lorvanix"},
      {"C:\\PROGRA~1\\LORVANIX\\LORVANIX.EXE", "C:\\PROGRA~1\\LORVANIX"},  // no long names
      {"Z:\\lorvanix.exe", "Z:"},
      {"lorvanix.exe", ""},
  };
  char resultat[DOSSIER_PROGRAMME];
  for (const auto& c : cas) {
    faux.chemin_module = c.module;
    EXPECT_EQ(Util_Dll_Obtenir_Chemin_Repertoire_Lorvanix(resultat, (Poignee)0x400000), 1);
    EXPECT_STREQ(resultat, c.dossier);
  }
}

TEST_F(ConfigurationTest, LeModuleEstLuSurDeuxCentCinquanteSixOctetsAuPlus) {
  faux.chemin_module = "C:\\" + std::string(200, 'a') + "\\" + std::string(100, 'b') + "\\x.exe";
  char resultat[DOSSIER_PROGRAMME];
  Util_Dll_Obtenir_Chemin_Repertoire_Lorvanix(resultat, nullptr);
  EXPECT_EQ(std::string(resultat), "C:\\" + std::string(200, 'a'));
}

// A double-byte code page where 0x81 leads a pair: its second byte may be a
// backslash that is not one.
const char* SuivantDoubleOctet(void*, const char* t) {
  if (!*t) return t;
  return (unsigned char)*t == 0x81 && t[1] ? t + 2 : t + 1;
}

TEST_F(ConfigurationTest, LeDossierSeChercheCaractereParCaractere) {
  faux.caracteres.caractere_suivant = SuivantDoubleOctet;
  char resultat[TAILLE_CHEMIN];
  ConfigurationDossierProgramme(sys->caracteres, "C:\\Prog\\\x81\\x.exe", resultat);
  EXPECT_STREQ(resultat, "C:\\Prog");
}

}  // namespace
