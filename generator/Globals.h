#pragma once
// The browser preview: the month page of a day written to the one preview
// file, Quillbay/calendar.html in the user's work folder, and opened with the
// user's browser through the platform. The preview folder is private to the
// user (mode 0700); a folder that is a symbolic link, belongs to someone else
// or can be written by others is refused, never written into or cleaned.

#include <string>

#include "model/CalDate.h"

class TEventList;
class TCalStyle;

// The platform's temporary folder: $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp.
std::string GetTempFolder();
// GetTempFolder(), or "tmp" in the program's folder when that is blank or
// missing; the fallback is neither tested nor created here.
std::string GetWorkFolder();
// The folder Quillbay in the work folder.
std::string GetPreviewFolder();
// calendar.html in the preview folder.
std::string GetPreviewFileName();

// Writes the month page of Date with Style into the preview file and asks the
// platform to open it. Raises "Invalid argument to date encode", "Cannot
// create file %s", or a refusal of an unsafe preview folder (nothing is
// opened then), and "No program could be started to open %s" when the page
// is written but no browser could be started.
void PreviewMonth(const TEventList& EventList, const TCalStyle& Style, TDateTime Date);
// Deletes the preview file; a missing file, a failure or an unsafe folder is
// ignored. The folder stays.
void DeletePreviewFile();
