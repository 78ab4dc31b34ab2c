#pragma once
// The pages of a calendar site: month and year pages in the document's page
// form with links to their neighbours, the year, the first page and the
// subscribe section, and the first page index.html (what is coming up, the
// months by year, how to subscribe to the feed). Every link is relative, so a
// site works from any folder, host or file://. The builders only read the
// document and return the page's bytes; writing them is the publisher's task.

#include <string>
#include <utility>
#include <vector>

#include "model/CalDate.h"

class TCalStyle;
class TEventList;
class TEvent;
struct TSiteTexts;

// What one page of the site links to, as relative names.
struct TSiteLinks {
  // Neighbouring month pages ("2_2026.html"); empty at the site's ends.
  std::string Prev, Next;
  // The year page ("2026.html"); empty on a year page itself.
  std::string Year;
  // On year pages: the neighbouring year pages of the site, or empty.
  std::string PrevYear, NextYear;
  std::string Index = "index.html";
  std::string Subscribe = "index.html#subscribe";
};

// The names of a month's page ("3_2026.html") and of a year's ("2026.html").
std::string SiteMonthPageName(int Year, int Month);
std::string SiteYearPageName(int Year);
// ' lang="xx"' for the site's own words when their language is not the
// page's; empty when it is.
std::string LangAttribute(const TCalStyle& Style, const TSiteTexts& Texts);

// Month 1..12 of Year 1..9999 in the document's page form (classic or modern)
// with the site's navigation; raises "Invalid argument to date encode" for a
// month or year outside.
std::string SiteMonthPage(const TEventList& Doc, int Year, int Month, const TSiteLinks& Links);
// All twelve months of Year in the document's year layout, with navigation.
std::string SiteYearPage(const TEventList& Doc, int Year, const TSiteLinks& Links);

// What the first page of a site shows.
struct TSiteIndex {
  // The publishing day.
  TDateTime Today = 0;
  // "Coming up" lists the days with text from Today through Today + UpcomingDays - 1.
  int UpcomingDays = 60;
  // The site's public address ("https://example.org/calendar/"), "" when
  // unknown; it must be http or https without user name or quotes.
  std::string Address;
  // The feed's file name in the site ("club.ics").
  std::string FeedName;
  // The (year, month) pages of the site in calendar order.
  std::vector<std::pair<int, int>> Months;
  // The year pages of the site.
  std::vector<int> Years;
};

// index.html. Raises an EQuillbayError naming the address when Index.Address
// is given but is not an acceptable public address.
std::string SiteIndexPage(const TEventList& Doc, const TSiteIndex& Index);

// What "Coming up" shows: the first event of each day with text from Today
// through Today + Days - 1 (at least one day); when there is none, the first
// such event after them in Next (nullptr when there is none either).
struct TComingUp {
  std::vector<const TEvent*> Days;
  const TEvent* Next = nullptr;
};
TComingUp ComingUp(const TEventList& Doc, TDateTime Today, int Days);
