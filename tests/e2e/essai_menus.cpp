// The menu bar as the user sees it: every entry, its access letter, label
// and command id; then every menu and submenu opened on screen and saved.
#include <cstdio>
#include <utility>
#include <vector>

#include "attentes.h"
#include "entrees.h"
#include "menus.h"
#include "verif.h"

namespace {

// An expected entry: the label after the letter (a tab first, except for
// the Edition items which carry their own blanks), the id of a command, or
// the entries of a submenu.
struct Attendu {
  const char* libelle;
  unsigned id;
  std::vector<Attendu> sous;
};

Attendu C(const char* libelle, unsigned id) { return Attendu{libelle, id, {}}; }
Attendu P(const char* libelle, std::vector<Attendu> sous) { return Attendu{libelle, 0, std::move(sous)}; }

std::vector<Attendu> MarquageActions(unsigned tout, unsigned fiches, unsigned recherche, unsigned noms,
                                     unsigned champs, unsigned cibles, unsigned fins, unsigned incompletes,
                                     unsigned extraweb) {
  return {C("Tout", tout),
          C("Fiches...", fiches),
          C("Recherche", recherche),
          C("Noms de sites en doubles", noms),
          P("URL en doubles", {C("Champs complets", champs), C("Cibles", cibles), C("Fins de cibles", fins)}),
          C("Fiches incomplètes", incompletes),
          C("<EXTRAWEB> invalides", extraweb)};
}

std::vector<Attendu> Affichages(unsigned tout, unsigned marquees, unsigned recherche) {
  return {C("Tout", tout), C("Fiches marquées", marquees), C("Recherche", recherche)};
}

// The eight menus of the bar, in order, with their mnemonic text.
std::vector<Attendu> MenusAttendus() {
  std::vector<Attendu> basculer = MarquageActions(332, 338, 353, 351, 347, 530, 541, 366, 691);
  basculer.insert(basculer.begin(), C("Fiche à l'écran", 685));
  return {
      P("&Fichier",
        {C("Nouveau", 417), C("Ouvrir...", 414), C("Enregistrer", 416), C("Enregistrer sous...", 415),
         C("Ouvrir par défaut", 307), C("Découper...", 356),
         P("Importer URL depuis...",
           {P("Fichier", {C("Tout type", 336), C("HTML", 387), C("Email", 331)}),
            P("Dossier", {C("Fichiers tous types", 337), C("Fichiers HTML", 395)}), C("Favoris (IE)", 689),
            C("Signets (Netscape)", 407)}),
         P("Exporter...", {C("Fiches", 323), C("Page de liens HTML", 380), C("Liste HTML d'adresses email", 341),
                           C("Texte simple pour autre base", 573)}),
         P("Répertorier...",
           {P("Pour le navigateur", {C("Créer fiche", 410), C("Modifier URL", 363)}),
            P("<EXTRAWEB>", {C("Créer fiche", 411), C("Fichiers sous Dossiers", 409), C("Modifier URL", 364)})}),
         C("Mise à jour", 358), C("Connecter...", 469), C("Choisir le navigateur...", 467), C("Quitter", 308)}),
      P("Impre&ssion", {P("Imprimer", {C("Fiches", 419), C("Noms de sites", 377), C("URL", 378),
                                       C("Rubriques", 376), C("Mots clés", 379)}),
                        C("Configurer", 418)}),
      P("E&dition", {C("   Annuler\tCtrl+Z", 330), C("   Couper\tCtrl+X", 311), C("   Copier\tCtrl+C", 312),
                     C("   Coller\tCtrl+V", 313)}),
      P("&Gestion",
        {C("Nouvelle fiche", 316), C("Dupliquer", 314), C("Supprimer", 315),
         P("Aller à...",
           {P("Fiche suivante", {C("Immédiate", 317), C("Recherche", 321), C("Marquée", 626)}),
            P("Fiche précédente", {C("Immédiate", 318), C("Recherche", 320), C("Marquée", 625)}),
            C("Première fiche", 335), C("Dernière fiche", 340), C("La fiche...", 637)}),
         P("Trier par...", {C("Noms de sites", 365), C("URL", 370), C("Rubriques", 375)}),
         P("Convertir", {C("<EXTRAWEB> vers Navigateur", 526), C("Navigateur vers <EXTRAWEB>", 536),
                         C("Remplacer...par...", 544), C("Ajouter...", 572), C("Supprimer...", 677)})}),
      P("&Marquage", {P("Basculer", basculer),
                      P("Marquer", MarquageActions(333, 334, 306, 352, 348, 531, 542, 413, 692)),
                      P("Supprimer", MarquageActions(324, 346, 412, 354, 349, 532, 543, 475, 693))}),
      P("Affic&her", {P("Noms de sites", Affichages(641, 644, 643)),
                      P("URL", {P("Champs complets", Affichages(642, 405, 404)),
                                P("Cibles", Affichages(533, 535, 534)),
                                P("Fins de cibles", Affichages(537, 539, 538))}),
                      C("Rubriques", 645), C("Mots clés", 657)}),
      P("Calc&uler", {P("Nombre de fiches", {C("Marquées", 686), C("Recherche", 687), C("Incomplètes", 690),
                                             C("Nom de site en cours", 345), C("URL en cours", 350),
                                             C("Rubrique en cours", 355), C("Sélection en cours", 360)}),
                      C("Taille du travail en cours", 688), C("Nombre de rubriques", 695),
                      C("Nombre de mots clés", 696)}),
      P("&Recherche", {C("Définir les critères de recherche", 319), C("Rechercher sur les fiches suivantes", 321),
                       C("Rechercher sur les fiches précédentes", 320),
                       C("Première correspondance à l'écran   F3", 635),
                       C("Correspondance suivante à l'écran   F4", 636)}),
  };
}

// The text after "&X": a tab and the label, or the Edition form as it is.
std::string Suite(const Attendu& a) {
  const std::string libelle = a.libelle;
  return libelle.rfind("   ", 0) == 0 ? libelle : "\t" + libelle;
}

// The label of a found entry: what follows "&X" and its blanks or tab.
std::string Libelle(const ElementMenu& e) {
  const size_t debut = e.texte.find_first_not_of(" \t", 2);
  return debut == std::string::npos ? std::string() : e.texte.substr(debut);
}

// Prints the menu as found, one entry a line, indented by depth.
void Imprimer(const std::vector<ElementMenu>& menu, int profondeur) {
  for (const ElementMenu& e : menu) {
    std::string ligne(2 * profondeur + 4, ' ');
    if (e.genre == 'S') {
      ligne += "----";
    } else {
      ligne += Lisible(e.texte);
      if (e.genre == 'C') ligne += "  (" + std::to_string(e.id) + ")";
      if (e.etat & (MFS_GRAYED | MFS_DISABLED)) ligne += "  [grise]";
    }
    std::printf("%s\n", ligne.c_str());
    Imprimer(e.sous, profondeur + 1);
  }
}

// One submenu against its expected entries: the letters run A, B, C...
// down the menu, every entry is "&" + letter + its label, and the set of
// labels and ids is the expected one (their order is not checked).
void ComparerSousMenu(const std::vector<ElementMenu>& trouve, const std::vector<Attendu>& attendu,
                      const std::string& nom) {
  std::vector<bool> pris(attendu.size(), false);
  std::string lettres, fautes;
  char lettre = 'A';
  for (const ElementMenu& e : trouve) {
    if (e.genre == 'S') continue;
    const bool forme = e.texte.size() >= 2 && e.texte[0] == '&';
    lettres += forme ? e.texte[1] : '?';
    if (!forme || e.texte[1] != lettre) {
      fautes += " [\"" + Lisible(e.texte) + "\" devrait commencer par &" + lettre + "]";
    }
    ++lettre;
    const std::string suite = forme ? e.texte.substr(2) : e.texte;
    bool trouvee = false;
    for (size_t i = 0; i < attendu.size() && !trouvee; ++i) {
      if (pris[i] || Suite(attendu[i]) != suite) continue;
      const bool sous_menu = !attendu[i].sous.empty();
      if (sous_menu != (e.genre == 'P') || (!sous_menu && attendu[i].id != e.id)) continue;
      pris[i] = trouvee = true;
      if (sous_menu) ComparerSousMenu(e.sous, attendu[i].sous, nom + " > " + attendu[i].libelle);
    }
    if (!trouvee) {
      fautes += " [en trop ou faux : \"" + Lisible(e.texte) + "\"" +
                (e.genre == 'C' ? " id " + std::to_string(e.id) : std::string(" (sous-menu)")) + "]";
    }
  }
  for (size_t i = 0; i < attendu.size(); ++i) {
    if (!pris[i]) {
      fautes += " [manque : \"" + Lisible(Suite(attendu[i])) + "\"" +
                (attendu[i].sous.empty() ? " id " + std::to_string(attendu[i].id) : std::string(" (sous-menu)")) +
                "]";
    }
  }
  if (fautes.empty()) {
    Verifier(true, "menu " + nom + " : lettres " + lettres + ", libelles et ids conformes");
  } else {
    Verifier(false, "menu " + nom + " :" + fautes);
  }
}

void MenusTextes() {
  Programme p;
  std::vector<ElementMenu> barre;
  if (!Verifier(PiloteDemarrer(p, "menus_textes", ""), "demarrage") ||
      !Verifier(PiloteLireMenus(p, barre), "barre de menus lue dans le programme")) {
    PiloteTerminer(p);
    return;
  }
  std::printf("Menus trouves :\n");
  Imprimer(barre, 0);

  // The bar itself: eight menus then three commands, in this order.
  const std::vector<Attendu> menus = MenusAttendus();
  const struct {
    const char* texte;
    unsigned id;
  } commandes[] = {{"&Champ", 322}, {"&Info", 309}, {"&Aide", 310}};
  VerifierEntier(static_cast<long long>(barre.size()), static_cast<long long>(menus.size() + 3),
                 "nombre d'entrees de la barre");
  for (size_t i = 0; i < barre.size() && i < menus.size() + 3; ++i) {
    const ElementMenu& e = barre[i];
    const std::string position = "barre, entree " + std::to_string(i + 1);
    if (i < menus.size()) {
      VerifierTexte(e.texte, menus[i].libelle, position);
      if (Verifier(e.genre == 'P', position + " est un menu")) ComparerSousMenu(e.sous, menus[i].sous, e.texte);
    } else {
      const auto& c = commandes[i - menus.size()];
      VerifierTexte(e.texte, c.texte, position);
      Verifier(e.genre == 'C' && e.id == c.id,
               position + " est la commande " + std::to_string(c.id) + " (trouve " + std::to_string(e.id) + ")");
    }
  }
  PiloteTerminer(p);
}

// A file name from a menu path: ASCII letters and digits, accents dropped.
std::string NomFichier(const std::string& texte) {
  std::string nom;
  for (unsigned char c : texte) {
    char garde = 0;
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) garde = static_cast<char>(c);
    if (c >= 'A' && c <= 'Z') garde = static_cast<char>(c - 'A' + 'a');
    if (c >= 0xE8 && c <= 0xEB) garde = 'e';  // è é ê ë
    if (c == 0xE0 || c == 0xE2) garde = 'a';
    if (c == '&') continue;
    if (garde) {
      nom += garde;
    } else if (!nom.empty() && nom.back() != '_') {
      nom += '_';
    }
  }
  while (!nom.empty() && nom.back() == '_') nom.pop_back();
  return nom;
}

// Opens `menu` (reached by `chemin`), saves what the screen shows, then
// does the same for each of its submenus.
void CapturerMenu(const Programme& p, const std::vector<ElementMenu>& menu, std::vector<int> chemin,
                  const std::string& nom) {
  const bool ouvert = PiloteOuvrirMenu(p, chemin);
  RECT zone = PiloteRectangle(p.principale);
  const int ouverts = PiloteMenusOuverts(p, &zone);
  if (Verifier(ouvert && ouverts == static_cast<int>(chemin.size()),
               nom + " : " + std::to_string(chemin.size()) + " menu(s) ouvert(s) a l'ecran")) {
    Verifier(PiloteCapturerZone(zone, nom), "capture " + nom + ".png");
  }
  Verifier(PiloteFermerMenus(p), nom + " : menus refermes");
  int position = 0;
  for (const ElementMenu& e : menu) {
    if (e.genre == 'S') continue;
    if (e.genre == 'P') {
      std::vector<int> suite = chemin;
      suite.push_back(position);
      CapturerMenu(p, e.sous, suite, nom + "_" + NomFichier(Libelle(e)));
    }
    ++position;
  }
}

void MenusCaptures() {
  Programme p;
  std::vector<ElementMenu> barre;
  if (Verifier(PiloteDemarrer(p, "menus_captures", ""), "demarrage") &&
      Verifier(PiloteLireMenus(p, barre), "barre de menus lue dans le programme")) {
    for (size_t i = 0; i < barre.size(); ++i) {
      if (barre[i].genre == 'P') {
        CapturerMenu(p, barre[i].sous, {static_cast<int>(i)}, "menu_" + NomFichier(barre[i].texte));
      }
    }
    // Only menus were opened: no command ran, nothing changed.
    PiloteSynchroniser(p);
    VerifierTravailVierge(p);
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

// The plain commands of the bar: Champ walks the focus down the five
// fields and round again, each becoming the current field; Info shows the
// information box and gives the focus back.
void MenusChampInfo() {
  constexpr int CMD_CHAMP = 322;
  constexpr int CMD_INFO = 309;
  constexpr int CMD_FICHE_PRECEDENTE = 318;
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "menus_champ_info", ""), "demarrage")) {
    PiloteTerminer(p);
    return;
  }
  PiloteAuPremierPlan(p.principale);
  VerifierFocus(p, ID_NOM_DE_SITE, "au demarrage");
  const int ordre[] = {ID_URL, ID_RUBRIQUE, ID_MOTS_CLES, ID_NOTES, ID_NOM_DE_SITE, ID_URL, ID_RUBRIQUE};
  for (int id : ordre) {
    PiloteCommande(p, CMD_CHAMP);
    VerifierFocus(p, id, "Champ");
  }
  // Rubrique is now the current field: a refusal gives it the focus back.
  PiloteCommande(p, CMD_FICHE_PRECEDENTE);
  VerifierBoite(p, "Il n'y a pas de fiche précédente.", Icone::Exclamation, {IDOK}, IDOK, &p.principale);
  VerifierFocus(p, ID_RUBRIQUE, "apres le message, le champ courant");

  PiloteCommande(p, CMD_INFO);
  HWND info = PiloteAttendreDialogue(p, TITRE_A_PROPOS);
  if (Verifier(info != nullptr, "Info : la boite d'information s'ouvre") &&
      Verifier(PiloteCliquer(info, IDOK) && PiloteAttendreDisparition(info), "OK la ferme")) {
    VerifierFocus(p, ID_RUBRIQUE, "apres Info");
  }
  PiloteFermer(p);
  VerifierFinSansQuestion(p);
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"menus_textes", MenusTextes},
    {"menus_captures", MenusCaptures},
    {"menus_champ_info", MenusChampInfo},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
