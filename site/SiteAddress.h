#pragma once
// The site's public address and the subscribe links built from it. An address
// is accepted only as a plain http or https folder address: no user name or
// password, no quotes, blanks, angle brackets or backslashes, no query or
// fragment, an ASCII host. Whatever it is, every link built from it is
// percent-encoded where it goes into another address and HTML-escaped where
// it goes into a page.

#include <string>

struct TSubscribeLinks {
  std::string Https;    // the feed's own address, "https://example.org/calendar/club.ics"
  std::string Webcal;   // the same with webcal://, which calendar programs take as "subscribe"
  std::string Google;   // Google Calendar's add-by-address page for Webcal
  std::string Outlook;  // Outlook.com's add-from-web page for Https
};

// Raises an EQuillbayError saying what is wrong when Address is not an
// acceptable public address of a site.
void CheckSiteAddress(const std::string& Address);
// The links of the feed FeedName in the site at Address; a missing "/" at the
// end of Address is added. Raises as CheckSiteAddress.
TSubscribeLinks SubscribeLinks(const std::string& Address, const std::string& FeedName);
