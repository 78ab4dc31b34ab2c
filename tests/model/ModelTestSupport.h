#pragma once
// Shared helpers of the model tests: the worked-example document and line
// joining with CR LF; temporary folders and whole files come from the testing
// library.

#include <filesystem>
#include <initializer_list>
#include <string>

#include "model/CalDate.h"
#include "model/EventList.h"
#include "tests/support/TestFiles.h"

// Joins lines, each ended by CR LF.
inline std::string CrLfLines(std::initializer_list<std::string> Lines) {
  std::string Out;
  for (const auto& L : Lines) Out += L + "\r\n";
  return Out;
}

// A fresh document as the main window makes one for New in 2026.
inline void MakeFresh(TEventList& Doc, const std::string& Folder = "C:\\Calendars") {
  SetDocumentDefaults(Doc, Folder, 2026);
  Doc.Style().ResetToDefaults();
}

// The two-event document of the file format's worked example.
inline void MakeWorkedExample(TEventList& Doc) {
  MakeFresh(Doc);
  Doc.FindEvent(true, 46086)->Text = "Spring fair";
  Doc.FindEvent(true, 46098)->Text = "Doctor's visit\r\n10 am";
}
