// The records the main program reaches the system through: the shared ones
// and its own dialogs.
#pragma once
#include <windows.h>

#include "systeme_programme.h"

const SystemeProgramme* SystemeDuProgramme();
