// The records the main program reaches the system through: the shared ones,
// its own dialogs and the printer.
#pragma once
#include <windows.h>

#include "systeme_programme.h"

const SystemeProgramme* SystemeDuProgramme();
// The print dialog, and the fonts, pen and device contexts of printing.
const Imprimante* ImprimanteSysteme();
