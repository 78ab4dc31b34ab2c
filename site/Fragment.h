#pragma once
// Fragments for other sites: a month, or the days coming up, as one
// self-contained <div> to paste or include into a page that has its own look
// (a CMS theme). The <div> carries its own <style>, every rule scoped under
// its class "quillbay-cal" and strong enough to hold against a theme's rules
// for table, td and *; its colours are CSS custom properties (--qb-...) that
// the host site may override. A fragment has no script, no id and nothing
// that makes the browser ask another server: user texts keep only safe
// attributes (SafeHtml).

#include <string>
#include <string_view>

#include "model/CalDate.h"

class TEventList;

// Month 1..12 of Year 1..9999 as a grid of seven equal columns; raises
// "Invalid argument to date encode" for a month or year outside.
std::string MonthFragment(const TEventList& Doc, int Year, int Month);
// The days with text from Today through Today + Days - 1 with their long
// dates; when there are none, the next day with text, or "No dates yet".
std::string UpcomingFragment(const TEventList& Doc, TDateTime Today, int Days);

// Html (as BalanceHtml leaves it: known elements only, all else escaped) with
// every tag rewritten to keep only title, lang and dir, a link's href when it
// is http, https, mailto, tel or relative, a time's datetime and a font's
// color, size and face; an image becomes its alt text.
std::string SafeHtml(std::string_view Html);
