#pragma once
// The documents of the benchmarks: one event a day or two from 1900 on,
// texts of one to three lines of club news with a few accents, HTML and
// apostrophes, and the settings of a document in use. The same count gives
// the same document.

#include <iterator>
#include <random>
#include <string>

#include "model/CalDate.h"
#include "model/EventList.h"

inline const char* const ClubWords[] = {"club",
                                        "meeting",
                                        "rehearsal",
                                        "choir",
                                        "match",
                                        "training",
                                        "parents",
                                        "evening",
                                        "summer",
                                        "fair",
                                        "hall",
                                        "room",
                                        "bring",
                                        "cake",
                                        "tickets",
                                        "at",
                                        "the",
                                        "of",
                                        "for",
                                        "and",
                                        "with",
                                        "Sunday",
                                        "service",
                                        "school",
                                        "trip",
                                        "museum",
                                        "bus",
                                        "leaves",
                                        "7 pm",
                                        "10:30",
                                        "caf\xC3\xA9",
                                        "d\xC3\xA9j\xC3\xA0",
                                        "M\xC3\xBCller's",
                                        "&",
                                        "<b>open</b>",
                                        "annual",
                                        "general",
                                        "assembly",
                                        "committee",
                                        "youth"};

inline std::string ClubNewsLine(std::mt19937& Random) {
  std::string S;
  int N = 2 + static_cast<int>(Random() % 9);
  for (int I = 0; I < N; ++I) {
    if (I) S += ' ';
    S += ClubWords[Random() % std::size(ClubWords)];
  }
  return S;
}

inline void MakeClubDocument(TEventList& Doc, int Events) {
  std::mt19937 Random(static_cast<unsigned>(Events));
  Doc.DefaultFolder = "/home/secretary/Documents/club/site";
  Doc.ExportYear = 2026;
  Doc.ExportCols = 1;
  Doc.ColSpacing = 30;
  Doc.RowSpacing = 15;
  Doc.Style().ResetToDefaults();
  TDateTime Day = EncodeDate(1900, 1, 1);
  for (int I = 0; I < Events; ++I) {
    Day += 1 + Random() % 2;
    std::string Text = ClubNewsLine(Random);
    int Lines = 1 + static_cast<int>(Random() % 3);
    for (int L = 1; L < Lines; ++L) Text += "\r\n" + ClubNewsLine(Random);
    Doc.FindEvent(true, Day)->Text = Text;
  }
}
