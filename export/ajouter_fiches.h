// Cards at the end of an existing data file: declared with the export in
// exporter_fiches.h (AjouterAuFichier).
#pragma once

#include "exporter_fiches.h"
