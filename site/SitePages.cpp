#include "site/SitePages.h"

#include "generator/CalGen.h"
#include "model/EventList.h"

std::string SiteMonthPage(const TEventList& Doc, int Year, int Month, const TSiteLinks&) {
  TCalGen Gen(Doc, Doc.Style());
  Gen.BuildMonthPage(static_cast<uint16_t>(Month), static_cast<uint16_t>(Year));
  return Gen.PageText();
}

std::string SiteYearPage(const TEventList& Doc, int Year, const TSiteLinks&) {
  TCalGen Gen(Doc, Doc.Style());
  Gen.BuildYearPage(static_cast<uint16_t>(Year));
  return Gen.PageText();
}

std::string SiteIndexPage(const TEventList& Doc, const TSiteIndex&) {
  return "<!DOCTYPE html>\r\n<html lang=\"en\">\r\n<head><meta charset=\"utf-8\"><title>" +
         Doc.Style().Title + "</title></head>\r\n<body></body>\r\n</html>\r\n";
}
