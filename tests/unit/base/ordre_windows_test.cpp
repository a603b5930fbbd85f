// The fake's order of texts, which the sort and the lists are tested with,
// against orders lstrcmpA gives on Windows.
#include "ordre_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(OrdreWindowsTest, LesTextesSeRangentCommeSousWindows) {
  // Each text comes strictly before the next one.
  const std::vector<std::string> ordre = {
      "",      " a",     "!",          "1",       "a",    "A",     "\xe0 la",
      "ab",    "aB",     "b",          "coop",    "co-op", "e",    "E",
      "\xe9",  "ete",    "Ete",        "\xc9t\xe9", "la",  "l'a",  "Le Monde",
      "L\xe9gifrance",   "Z",          "zz",      "\xfe"};
  for (size_t i = 0; i + 1 < ordre.size(); i++) {
    EXPECT_LT(OrdreWindows(ordre[i].c_str(), ordre[i + 1].c_str()), 0) << ordre[i] << " | " << ordre[i + 1];
    EXPECT_GT(OrdreWindows(ordre[i + 1].c_str(), ordre[i].c_str()), 0) << ordre[i + 1] << " | " << ordre[i];
  }
  std::vector<std::string> melange = ordre;
  std::reverse(melange.begin(), melange.end());
  std::stable_sort(melange.begin(), melange.end(),
                   [](const std::string& x, const std::string& y) { return OrdreWindows(x.c_str(), y.c_str()) < 0; });
  EXPECT_EQ(melange, ordre);
}

TEST(OrdreWindowsTest, LigaturesEtSignesDeMot) {
  EXPECT_EQ(OrdreWindows("\x9cuf", "oeuf"), 0) << "the oe ligature is spelt out";
  EXPECT_EQ(OrdreWindows("stra\xdf" "e", "strasse"), 0);
  EXPECT_LT(OrdreWindows("l'eau", "leaux"), 0) << "the apostrophe weighs only between equal texts";
  EXPECT_EQ(OrdreWindows("meme", "meme"), 0);
}

}  // namespace
