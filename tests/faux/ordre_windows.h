// The order of lstrcmpA for the Western code page, as Windows' word sort
// makes it: letters first by their base letter (ligatures spelt out), then
// by their accents, then by case (small letters first); blanks, signs and
// digits come before letters; hyphens and apostrophes count only between
// texts otherwise equal. The fake's comparison, so that the tests see the
// order the program has on Windows.
#pragma once

// Below 0 when a comes first, 0 when equal, above 0 when b comes first.
int OrdreWindows(const char* a, const char* b);
