#pragma once
// The project controller: the life cycle of the one document that its owner
// edits (new, open, save, save as, close), the question asked before unsaved
// changes are dropped, and the recently used list behind the Reopen submenu,
// kept in the "Projects" key below RegistryAddress. It never reads or writes
// the document: it asks the user for names through UserDialogs(), keeps the
// file name and the modified flag, and calls its owner back through the On...
// notifications, which the owner handles by moving the data. An error raised
// by a notification ends the operation at that point; a failing OnOpen also
// leaves the document untitled, so the unread file is never recorded.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "project/RegistryLib.h"
#include "project/UserDialogs.h"

class TProject;

using TProjectEvent = std::function<void(TProject&)>;

// One item of the Reopen submenu. Clicking it calls
// Project.ReopenItemClick(Tag).
struct TReopenMenuItem {
  std::string Caption;  // "1 /home/ann/club.qby"
  std::string Name;     // "a1"
  int Tag = 0;          // index into ProjectList
  bool Enabled = true;
  bool Checked = false;
};

// The Reopen submenu, as the window implements it.
class TReopenMenu {
 public:
  virtual ~TReopenMenu() = default;
  // Removes and destroys every item.
  virtual void ClearItems() = 0;
  virtual void AddItem(const TReopenMenuItem& Item) = 0;
  virtual int ItemCount() const = 0;
  // Enables or disables the submenu itself.
  virtual void SetEnabled(bool Enabled) = 0;
};

class TProject {
 public:
  TProject();
  ~TProject();
  TProject(const TProject&) = delete;
  TProject& operator=(const TProject&) = delete;

  // Full path of the open document; empty while it is untitled.
  const std::string& FileName() const { return FFileName; }
  bool Modified() const { return FModified; }
  // Raises OnChanged on every assignment, also when the value stays.
  void SetModified(bool Value);

  std::string DefaultExt = "dat";
  std::string FileFilter = "All Files|*.*";
  TProjectEvent OnOpen;
  TProjectEvent OnNew;
  TProjectEvent OnChanged;
  TProjectEvent OnClose;
  TProjectEvent OnNameChanged;
  std::string OpenTitle;
  std::string SaveTitle;
  std::string SaveAlert = "The data have been changed. Save?";
  TRegistryAddress RegistryAddress;
  TProjectEvent OnSave;
  int32_t MaxListSize = 5;
  // The paths shown in the Reopen submenu, as FillReopenMenu last read them.
  std::vector<std::string> ProjectList;
  TProjectEvent OnProjectListAdd;
  // The folder the file dialogs open in; not stored anywhere.
  std::string LastFolder;

  void New();
  void Open();
  // An untitled document is saved through SaveAs. When OnSave raises, the
  // document is marked modified again before the error goes on.
  void Save();
  void SaveAs();
  // Records the name in the recently used list and forgets the document;
  // asks nothing.
  void Close();
  // False when the user cancelled: Cancel, or Yes followed by a cancelled save
  // dialog. A failing save raises its error.
  bool QuerySave();
  void FillReopenMenu(TReopenMenu& Menu);
  // The click of the Reopen item whose tag is Tag; a tag outside ProjectList
  // does nothing.
  void ReopenItemClick(int Tag);
  // Opens the named file as Open opens a chosen one: the save question
  // first, then OnOpen with the name set; a file that cannot be read leaves
  // an untitled document, and the error goes on to the caller.
  void OpenFile(const std::string& Path);
  // LastFolder, first filled from ProjectList or the documents folder when
  // it is blank.
  std::string GetInitialDir();

  // Reads the existing files of the recently used list, in stored order.
  void ReadProjectList(std::vector<std::string>& List);
  // Puts Path at the front, made absolute with "." and ".." resolved; the
  // entry that names it the same way leaves its old place.
  void AddToProjectList(const std::string& Path);
  void ClearProjectList();

 private:
  void SetFileName(const std::string& Value);
  // Closes the document and opens Path in its place; asks nothing.
  void DoOpen(const std::string& Path);
  // The settings that the open and the save dialog share.
  TFileDialogRequest FileDialogRequest(const std::string& Title);
  // Save that reports whether the document was written (false: the save
  // dialog was cancelled).
  bool SaveDocument();
  bool SaveDocumentAs();

  std::string FFileName;
  bool FModified = false;
};

// The folder part of a path: up to the last "/", which stays only for the
// root ("/a.qby" gives "/"); empty when the path has no "/".
std::string ExtractFolder(const std::string& Path);
// "File_" and the position, padded with "0" to at least three digits.
std::string ProjectEntryName(int Index);
// A value of the "Projects" key is an entry when its name begins with exactly
// "File".
bool IsProjectEntryName(const std::string& Name);
