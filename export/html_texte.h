// Text made fit for an HTML page: line feeds become <BR>, carriage returns
// go, the three markup characters and every byte above ASCII become
// entities (by name for the letters, by number for the rest), every other
// byte stays as it is.
#pragma once
#include <cstddef>
#include <cstdint>

// The longest thing one byte becomes ("&Agrave;").
enum : size_t { HTML_OCTET_MAX = 8 };

// Converts from texte (n bytes) into sortie (taille bytes, no NUL added),
// stopping before the first byte whose whole conversion would not fit.
// Returns the bytes written; *lus receives the bytes of texte used.
size_t HtmlConvertir(const char* texte, size_t n, size_t* lus, char* sortie, size_t taille);
