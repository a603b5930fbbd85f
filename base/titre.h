// The program's name: the caption of its message boxes, its window class and
// the start of its window title.
#pragma once

#define TITRE_LORVANIX "Lorvanix 6.1"
