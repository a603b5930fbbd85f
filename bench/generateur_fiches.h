// Real-looking cards for the benchmarks: varied site names, URLs of 30 to
// 120 characters, categories, keywords and notes, the same on every run.
#pragma once
#include <cstdint>

#include "magasin.h"

// Fills m with nombre cards in a new block of the platform, 1,000 spare
// bytes after them; card 1 on screen. 0 when the block cannot be had.
int GenererFiches(Magasin* m, const Memoire* memoire, uint32_t nombre);
