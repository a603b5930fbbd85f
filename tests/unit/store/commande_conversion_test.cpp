// The bulk conversion through lvxgest's exports, as the main program calls
// it: the store handed over, the dialog answered by a scripted user, the
// store taken back through the getters.
#include "commande_conversion.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "lvxgest.h"
#include "lvxgest_ids.h"
#include "outils_fiches.h"

namespace {

const Poignee FENETRE = (Poignee)0x100, ATTENTE = (Poignee)0x51, FLECHE = (Poignee)0x50;
const Poignee EDITS[NB_CHAMPS] = {(Poignee)0xE0, (Poignee)0xE1, (Poignee)0xE2, (Poignee)0xE3,
                                  (Poignee)0xE4};

class ConversionTest : public EssaiMagasin {
 protected:
  std::vector<uint8_t> transfert = std::vector<uint8_t>(65534);
  std::vector<char> recherche = std::vector<char>(10001), expression = std::vector<char>(10001);
  // Case, the five fields, exactness, whole field, start of field.
  uint16_t criteres[9] = {0, 1, 1, 1, 1, 1, 0, 0, 0};
  uint16_t FichesModifieesOK = 0, Depassement = 0;

  void SetUp() override {
    InstallerFauxSysteme(&faux);
    for (ReglagesConversion& r : reglagesConversion) r = REGLAGES_CONVERSION_DEPART;
  }

  // The store of these cards, those of marques marked, card ecran on screen.
  void Remplir(const std::vector<Textes>& fiches, std::vector<int> marques = {}, int ecran = 1,
               uint32_t marge = 1000) {
    RemplirMagasin(&m, sys->memoire, fiches, marge);
    for (int n : marques) EcrireMot(MagasinFiche(&m, n), 1);
    m.lpFicheEcran = MagasinFiche(&m, ecran);
    m.NumFiche = ecran;
  }

  // The user of the dialog: types textes, presses ids, then OK.
  void Utilisateur(std::vector<unsigned> ids, std::vector<std::string> textes = {}) {
    faux.dans_conversion.push_back([ids, textes](DialogueConversion* d) {
      for (size_t i = 0; i < textes.size(); i++)
        snprintf(d->textes[i], TAILLE_TEXTE_DIALOGUE_CONVERSION, "%s", textes[i].c_str());
      for (unsigned id : ids) DialogueConversionAppuyer(d, id);
      return DialogueConversionAppuyer(d, IDC_CONVERTIR_OK) == CONVERSION_FERME_OK;
    });
  }

  uint16_t Convertir(ModeConversion mode) {
    uint16_t f[NB_MODES_CONVERSION] = {};
    f[mode] = 1;
    EXPECT_EQ(Util_Dll_Lvxgest_Init_Variables(
                  FENETRE, EDITS[0], EDITS[1], EDITS[2], EDITS[3], EDITS[4], transfert.data(),
                  recherche.data(), expression.data(), criteres[0], criteres[1], criteres[2],
                  criteres[3], criteres[4], criteres[5], criteres[6], criteres[7], criteres[8],
                  m.lpDebutMem, m.lpFinMem, m.lpFicheEcran, m.NumFiche, ATTENTE, FLECHE, f[0], f[1],
                  f[2], m.TailleTotaleFiches, m.longSize, m.GlobalDebutMem, f[3], f[4]),
              1);
    uint16_t resultat = Util_Dll_Lvxgest_Convertir();
    m.TailleTotaleFiches = Util_Dll_Lvxgest_Recuperer_TailleTotaleFiches();
    m.lpDebutMem = Util_Dll_Lvxgest_Recuperer_lpDebutMem();
    m.lpFinMem = Util_Dll_Lvxgest_Recuperer_lpFinMem();
    m.lpFicheEcran = Util_Dll_Lvxgest_Recuperer_lpFicheEcran();
    m.longSize = Util_Dll_Lvxgest_Recuperer_longSize();
    m.GlobalDebutMem = Util_Dll_Lvxgest_Recuperer_GlobalDebutMem();
    FichesModifieesOK = Util_Dll_Lvxgest_Recuperer_FichesModifieesOK();
    Depassement = Util_Dll_Lvxgest_Recuperer_Depassement();
    return resultat;
  }

  std::vector<Textes> Fiches() const {
    std::vector<Textes> f;
    for (uint8_t* c = m.lpDebutMem; c < m.lpFinMem; c = FicheSuivante(c)) f.push_back(TextesFiche(c));
    EXPECT_EQ(m.lpFinMem - m.lpDebutMem, (ptrdiff_t)m.TailleTotaleFiches);
    EXPECT_TRUE(FichesValides(m.lpDebutMem, m.TailleTotaleFiches, (uint32_t)f.size()));
    return f;
  }
  std::vector<std::string> Champ(int champ) const {
    std::vector<std::string> c;
    for (const Textes& t : Fiches()) c.push_back(t[champ]);
    return c;
  }
};

struct Cas {
  const char* nom;
  ModeConversion mode;
  std::vector<unsigned> ids;  // pressed in the dialog before OK
  std::vector<std::string> textes;
  std::vector<Textes> avant, apres;
};

// Every card, the fields and extra-web parts ticked.
TEST_F(ConversionTest, RemplacerAjouterSupprimerSurToutesLesFiches) {
  const unsigned T = IDC_CONVERTIR_TOUTES;
  const std::string ED = "<EXTRAWEB>C:\\old\\ed.exe";
  const Cas cas[] = {
      {"aaa", CONVERSION_REMPLACER, {T}, {"a", "b"}, {{"", "", "", "", "aaa"}},
       {{"", "", "", "", "bbb"}}},
      {"aab", CONVERSION_REMPLACER, {T, IDC_CONVERTIR_NOM}, {"ab", "b"},
       {{"aab", "", "", "", "xaabx"}}, {{"ab", "", "", "", "xabx"}}},
      {"sans casse", CONVERSION_REMPLACER, {T, IDC_CONVERTIR_NOM, IDC_CONVERTIR_NOTES},
       {"web", "Toile"}, {{"Le WEB", "", "", "", "Le WEB"}}, {{"Le Toile", "", "", "", "Le WEB"}}},
      {"supprimer", CONVERSION_SUPPRIMER, {T}, {"ab"}, {{"", "", "", "", "aabb"}, {"x", "", "", "", "AB"}},
       {{"", "", "", "", "ab"}, {"x", "", "", "", ""}}},
      {"ajouter", CONVERSION_AJOUTER, {T, IDC_CONVERTIR_RUBRIQUE}, {" fin"},
       {{"n", "u", "", "m", ""}, {"", "", "r", "", "n"}},
       {{"n", "u", " fin", "m", " fin"}, {"", "", "r fin", "", "n fin"}}},
      {"extra web application", CONVERSION_REMPLACER,
       {T, IDC_CONVERTIR_URL, IDC_CONVERTIR_DOCUMENT, IDC_CONVERTIR_NOTES}, {"old", "new"},
       {{"", ED + " C:\\old\\doc.txt", "", "", ""}, {"", "http://old/", "", "", ""},
        {"", "<EXTRAWEB>D:\\autre.exe", "", "", "old"}},
       {{"", "<EXTRAWEB>C:\\new\\ed.exe C:\\old\\doc.txt", "", "", ""},
        {"", "http://new/", "", "", ""},
        {"", "<EXTRAWEB>D:\\autre.exe", "", "", "old"}}},
      {"extra web sans document", CONVERSION_AJOUTER, {T, IDC_CONVERTIR_URL}, {"x"},
       {{"", ED, "", "", ""}}, {{"", ED + "x x", "", "", "x"}}},
      {"extra web application seule", CONVERSION_AJOUTER,
       {T, IDC_CONVERTIR_URL, IDC_CONVERTIR_DOCUMENT, IDC_CONVERTIR_NOTES}, {"x"},
       {{"", ED, "", "", ""}}, {{"", ED + "x ", "", "", ""}}},
      {"extra web document", CONVERSION_SUPPRIMER,
       {T, IDC_CONVERTIR_URL, IDC_CONVERTIR_APPLICATION, IDC_CONVERTIR_NOTES}, {"docs\\"},
       {{"", "<EXTRAWEB>C:\\docs\\ed.exe D:\\docs\\a.txt", "", "", ""}},
       {{"", "<EXTRAWEB>C:\\docs\\ed.exe D:\\a.txt", "", "", ""}}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    for (ReglagesConversion& r : reglagesConversion) r = REGLAGES_CONVERSION_DEPART;
    Remplir(c.avant, {}, 1);
    Utilisateur(c.ids, c.textes);
    EXPECT_EQ(Convertir(c.mode), 1);
    EXPECT_EQ(Fiches(), c.apres);
    EXPECT_EQ(FichesModifieesOK, c.avant != c.apres);
    EXPECT_EQ(Depassement, 0);
    EXPECT_TRUE(faux.messages.empty());
    EXPECT_EQ(faux.curseurs, (std::vector<Poignee>{ATTENTE, FLECHE}));
    faux.curseurs.clear();
    MagasinLiberer(&m, sys->memoire);
  }
}

// Replace and add leave alone a card with a field over 65,000 characters,
// or whose field would pass the length word; delete has no such guard.
TEST_F(ConversionTest, LaGardeDeLongueurEtLeDepassement) {
  std::string n65000(65000, 'n'), n65001(65001, 'n');
  Remplir({{n65000, "", "", "", ""}, {n65001, "", "", "", ""}, {"court", "", "", "", ""}});
  Utilisateur({IDC_CONVERTIR_TOUTES, IDC_CONVERTIR_NOM}, {"!"});
  EXPECT_EQ(Convertir(CONVERSION_AJOUTER), 1);
  EXPECT_EQ(Champ(CHAMP_NOM), (std::vector<std::string>{n65000 + "!", n65001, "court!"}));
  EXPECT_EQ(FichesModifieesOK, 1);
  EXPECT_EQ(Depassement, 1);
  EXPECT_TRUE(faux.messages.empty()) << "the main program says it, once";

  MagasinLiberer(&m, sys->memoire);

  // A field over 65,000 keeps the card from a replace whichever fields
  // are ticked; a result past 65,534 characters is refused, not cut.
  Remplir({{n65001, "", "", "", "court"}, {"", "", "", "", "court"},
           {"", "", "", "", std::string(65000, 'a')}, {"", "", "", "", "a"}});
  Utilisateur({IDC_CONVERTIR_TOUTES}, {"court", "long"});
  EXPECT_EQ(Convertir(CONVERSION_REMPLACER), 1);
  Utilisateur({}, {"a", "bb"});
  EXPECT_EQ(Convertir(CONVERSION_REMPLACER), 1);
  EXPECT_EQ(Champ(CHAMP_NOTES),
            (std::vector<std::string>{"court", "long", std::string(65000, 'a'), "bb"}));
  EXPECT_EQ(Depassement, 1);

  // Delete has no guard.
  Utilisateur({IDC_CONVERTIR_TOUTES, IDC_CONVERTIR_NOM}, {"n"});
  EXPECT_EQ(Convertir(CONVERSION_SUPPRIMER), 1);
  EXPECT_EQ(Champ(CHAMP_NOM)[0], "");
  EXPECT_EQ(Depassement, 0);
}

// Whichever allocation fails, the command says so and the cards, the card
// on screen and the block are as they were; the next try goes through.
TEST_F(ConversionTest, UnEchecDeMemoireLaisseLesFiches) {
  Remplir({{"ab", "", "", "", ""}, {"x", "", "", "", ""}, {"abab", "", "", "", ""}}, {}, 3, 0);
  const std::vector<uint8_t> avant(m.lpDebutMem, m.lpFinMem);
  int echecs = 0;
  for (int n = 1;; n++) {
    faux.messages.clear();
    faux.echec_allocation_dans = n;
    // The settings stay from one call to the next: Nom de site ticked once.
    Utilisateur(n == 1 ? std::vector<unsigned>{IDC_CONVERTIR_TOUTES, IDC_CONVERTIR_NOM}
                       : std::vector<unsigned>{},
                {"ab", "abcdef"});
    uint16_t resultat = Convertir(CONVERSION_REMPLACER);
    if (faux.echec_allocation_dans > 0) break;  // the nth allocation never came
    echecs++;
    SCOPED_TRACE(n);
    EXPECT_EQ(resultat, 0);
    ASSERT_NE(m.lpDebutMem, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(m.lpDebutMem, m.lpFinMem), avant);
    EXPECT_EQ(m.lpFicheEcran, MagasinFiche(&m, 3));
    EXPECT_EQ(m.longSize, m.TailleTotaleFiches);
    EXPECT_EQ(FichesModifieesOK, 0);
    ASSERT_EQ(faux.messages.size(), 1u);
    EXPECT_EQ(faux.messages[0].texte, "Allocation de mémoire impossible !");
  }
  EXPECT_EQ(echecs, 11) << "nine working buffers, the list of changes, the store's growth";
  EXPECT_EQ(Champ(CHAMP_NOM), (std::vector<std::string>{"abcdef", "x", "abcdefabcdef"}));
  EXPECT_EQ(faux.blocs_vivants, 1);
}

// The stand-in associations: .txt opens with an editor whose path the
// system gives in short form; an .exe opens itself; .bat with a program
// that differs from the file only in case.
TEST_F(ConversionTest, NavigateurVersExtraWebEtRetour) {
  faux.Ecrire("D:\\Docs\\lettre.txt", "l");
  faux.Ecrire("D:\\Docs\\x.zzz", "z");
  faux.Ecrire("C:\\Outils\\edit.exe", "MZ");
  faux.Ecrire("C:\\Outils\\LANCEUR.bat", "@");
  faux.associations[".txt"] = "C:\\OUTILS~1\\EDIT~1.EXE";
  faux.associations[".bat"] = "C:\\outils\\lanceur.BAT";
  faux.noms_longs["C:\\OUTILS~1"] = "Outils";
  faux.noms_longs["C:\\OUTILS~1\\EDIT~1.EXE"] = "edit.exe";
  const std::string lettre = "<EXTRAWEB>C:\\Outils\\edit.exe D:\\Docs\\lettre.txt";
  Remplir({{"lettre", "D:\\Docs\\lettre.txt", "", "", ""},
           {"outil", "C:\\Outils\\edit.exe", "", "", ""},
           {"lanceur", "C:\\Outils\\LANCEUR.bat", "", "", ""},
           {"absent", "D:\\Docs\\absent.txt", "", "", ""},
           {"sans application", "D:\\Docs\\x.zzz", "", "", ""},
           {"web", "http://site/", "", "", ""},
           {"deja", lettre, "", "", ""},
           {"parti", "<EXTRAWEB>C:\\Outils\\edit.exe D:\\Docs\\parti.txt", "", "", ""}},
          {}, 2);
  Utilisateur({IDC_CONVERTIR_TOUTES});
  EXPECT_EQ(Convertir(CONVERSION_VERS_EXTRA_WEB), 1);
  std::vector<std::string> urls = {lettre,
                                   "<EXTRAWEB>C:\\Outils\\edit.exe",
                                   "<EXTRAWEB>C:\\outils\\lanceur.BAT",
                                   "D:\\Docs\\absent.txt",
                                   "D:\\Docs\\x.zzz",
                                   "http://site/",
                                   lettre,
                                   "<EXTRAWEB>C:\\Outils\\edit.exe D:\\Docs\\parti.txt"};
  EXPECT_EQ(Champ(CHAMP_URL), urls);
  EXPECT_EQ(FichesModifieesOK, 1);
  EXPECT_EQ(faux.controles[EDITS[CHAMP_URL]].texte, urls[1]) << "the card on screen's URL edit";
  EXPECT_EQ(faux.modeles_conversion, std::vector<int>{MODELE_CONVERTIRBOX});

  // Back: only the cards whose document exists.
  Utilisateur({});  // the choice of all cards was kept
  EXPECT_EQ(Convertir(CONVERSION_VERS_NAVIGATEUR), 1);
  urls[0] = urls[6] = "D:\\Docs\\lettre.txt";
  EXPECT_EQ(Champ(CHAMP_URL), urls);
  EXPECT_EQ(Champ(CHAMP_NOM)[7], "parti");
  EXPECT_EQ(m.lpFicheEcran, MagasinFiche(&m, 2));
  EXPECT_TRUE(faux.messages.empty());
}

// The card choice: the marked cards, those of the search, the card on
// screen; a choice that selects nothing says so and changes nothing.
TEST_F(ConversionTest, LeChoixDesFiches) {
  std::vector<Textes> fiches = {{"a", "", "", "", "web"},
                                {"b", "", "", "", "web"},
                                {"c", "", "", "", "site web"},
                                {"d", "", "", "", "web"}};
  Remplir(fiches);
  Utilisateur({IDC_CONVERTIR_MARQUEES}, {"web", "toile"});
  EXPECT_EQ(Convertir(CONVERSION_REMPLACER), 1);
  Utilisateur({IDC_CONVERTIR_RECHERCHE}, {"web", "toile"});
  EXPECT_EQ(Convertir(CONVERSION_REMPLACER), 1);
  snprintf(expression.data(), 10, "site");
  criteres[5] = 0;
  Utilisateur({IDC_CONVERTIR_RECHERCHE}, {"web", "toile"});
  EXPECT_EQ(Convertir(CONVERSION_REMPLACER), 1);
  EXPECT_EQ(faux.Textes(),
            (std::vector<std::string>{
                "Il n'y a pas de fiche marqu\xe9" "e",
                "Il n'y a rien \xe0 rechercher.\nLes crit\xe8res de recherche ne sont pas "
                "correctement d\xe9" "finis.",
                "Il n'y a pas de fiche correspondant aux crit\xe8res de recherche."}));
  for (const MessageVu& v : faux.messages)
    EXPECT_EQ(v.style, (unsigned)(BOITE_OK | ICONE_ATTENTION));
  EXPECT_EQ(Fiches(), fiches);
  EXPECT_EQ(FichesModifieesOK, 0);
  faux.messages.clear();

  criteres[5] = 1;
  Utilisateur({IDC_CONVERTIR_RECHERCHE}, {"web", "toile"});
  EXPECT_EQ(Convertir(CONVERSION_REMPLACER), 1);
  EXPECT_EQ(Champ(CHAMP_NOTES), (std::vector<std::string>{"web", "web", "site toile", "web"}));
  EXPECT_GT(faux.redessins, 0) << "repainted while the search walks";
  MagasinLiberer(&m, sys->memoire);

  Remplir(fiches, {2, 4}, 3);
  Utilisateur({IDC_CONVERTIR_MARQUEES}, {"web", "toile"});
  EXPECT_EQ(Convertir(CONVERSION_REMPLACER), 1);
  EXPECT_EQ(Champ(CHAMP_NOTES), (std::vector<std::string>{"web", "toile", "site web", "toile"}));
  EXPECT_EQ(LireMot(MagasinFiche(&m, 2)), 1) << "the marks stay";
  Utilisateur({IDC_CONVERTIR_ECRAN}, {"web", "toile"});
  EXPECT_EQ(Convertir(CONVERSION_REMPLACER), 1);
  EXPECT_EQ(Champ(CHAMP_NOTES), (std::vector<std::string>{"web", "toile", "site toile", "toile"}));
  EXPECT_TRUE(faux.messages.empty());
}

// The card on screen keeps its place among the cards that grow and shrink
// around it, and shows its converted fields; the others' edits are left.
TEST_F(ConversionTest, LaFicheALEcranSuitEtMontreSesChamps) {
  Remplir({{"ab", "", "", "", ""}, {"abab", "", "", "", "x"}, {"xab", "u", "", "", "ab"},
           {"ab ab ab", "", "", "", ""}},
          {}, 3);
  faux.controles[EDITS[CHAMP_URL]].texte = "u";
  Utilisateur({IDC_CONVERTIR_TOUTES, IDC_CONVERTIR_NOM}, {"ab", "ABCDEF"});
  EXPECT_EQ(Convertir(CONVERSION_REMPLACER), 1);
  EXPECT_EQ(m.lpFicheEcran, MagasinFiche(&m, 3));
  EXPECT_EQ(TextesFiche(m.lpFicheEcran), (Textes{"xABCDEF", "u", "", "", "ABCDEF"}));
  EXPECT_EQ(faux.controles[EDITS[CHAMP_NOM]].texte, "xABCDEF");
  EXPECT_EQ(faux.controles[EDITS[CHAMP_NOTES]].texte, "ABCDEF");
  EXPECT_EQ(faux.controles[EDITS[CHAMP_URL]].texte, "u");
  EXPECT_EQ(faux.controles.count(EDITS[CHAMP_RUBRIQUE]), 0u);
  uint32_t taille = m.TailleTotaleFiches;
  Utilisateur({}, {"ABCDEF", "z"});
  EXPECT_EQ(Convertir(CONVERSION_REMPLACER), 1);
  EXPECT_EQ(m.lpFicheEcran, MagasinFiche(&m, 3));
  EXPECT_EQ(m.TailleTotaleFiches, taille - 8 * 5);
  EXPECT_EQ(m.longSize, 1000u + 129 + 8 * 4) << "grown once for 8 more characters, kept";
}

}  // namespace
