#pragma once
// The words of the site's own page parts (navigation, "Coming up", the months,
// the subscribe section and its how-to) in the language of the pages: English
// when the style asks for English names, else the locale's language when it
// is German, French, Spanish, Italian or Dutch, else English. Also the long
// date of a day as these parts write it ("Saturday 9 May").

#include <string>

#include "model/CalDate.h"

class TCalStyle;

struct TSiteTexts {
  const char* Language;                                             // "en", "de", ...
  const char* Navigation;                                           // the accessible name of the navigation
  const char *PreviousMonth, *NextMonth, *PreviousYear, *NextYear;  // before a link's visible text
  const char *Overview, *Subscribe, *ComingUp, *Next, *NoDates, *Months;
  const char *SubscribeIntro, *Google, *Apple, *Outlook, *AddressLabel, *Copy, *Copied, *Download;
  const char *HowTo, *HowGoogle, *HowApple, *HowOutlook, *HowOther, *Refresh;
  const char *DownloadOnly, *NoAddress;
  // The long date: {W} week day, {D} day, {M} month; YearForm adds the year {Y}.
  const char *DateForm, *YearForm;
};

// The table for a language tag ("de", "de-CH", "fr_FR"); English for any other.
const TSiteTexts& SiteTextsFor(const std::string& LanguageTag);
// The table the style's pages use.
const TSiteTexts& SiteTexts(const TCalStyle& Style);
// "Saturday 9 May", with the year when it is not ThisYear ("Saturday 9 May
// 2027"); names as the pages get them.
std::string LongDate(const TCalStyle& Style, const TSiteTexts& Texts, TDateTime Day, int ThisYear);
