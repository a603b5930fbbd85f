// The platform as the main program sees it: the system's, with its own dialogs.
#pragma once
#include <windows.h>

#include "store/plateforme.h"

const Plateforme* PlateformeProgramme();
