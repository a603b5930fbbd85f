// The exports of the File menu: the calls to lvxliens and lvxspec, the card
// offered for a new page, list or text file, the target loaded after an
// export to a data file.
#pragma once
#include "programme.h"

enum GenreExportation { EXPORT_PAGE_LIENS, EXPORT_LISTE_EMAIL, EXPORT_TEXTE };

// "Page de liens HTML", "Liste HTML d'adresses email", "Texte simple pour
// autre base"; then the offer of a card pointing to the file written.
int CommandeExportation(Programme* p, int genre);
// "Fiches": the save-changes prompt, then the export; the target is loaded
// when the user asked to open it.
int CommandeExporterFiches(Programme* p, int);
// "Découper...".
int CommandeDecouper(Programme* p, int);
