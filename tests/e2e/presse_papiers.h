// The clipboard as the tests see it, from their own process.
#pragma once
#include <string>

// Puts texte on the clipboard as CF_TEXT; false when it is not available.
bool EcrirePressePapiers(const std::string& texte);
// The CF_TEXT held, empty when none.
std::string LirePressePapiers();
