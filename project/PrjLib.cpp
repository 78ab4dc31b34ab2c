#include "project/PrjLib.h"

#include <cstdio>
#include <filesystem>

#include "platform/TextUtil.h"
#include "project/ShellLib.h"
#include "project/UserDialogs.h"

namespace {
const char* const ProjectsKey = "Projects";

void Raise(const TProjectEvent& Event, TProject& Sender) {
  if (Event) Event(Sender);
}

bool IsExistingFile(const std::string& Path) {
  std::error_code Ec;
  return !Path.empty() && std::filesystem::is_regular_file(Path, Ec);
}

// A path as the recently used list keeps and compares it: absolute, with "."
// and ".." resolved by the text alone, so a symbolic link stays as it is.
// Letter case counts: /a/Club.qby and /a/club.qby are two files.
std::string ListedPath(const std::string& Path) {
  std::error_code Ec;
  const std::filesystem::path Absolute = std::filesystem::absolute(Path, Ec);
  return (Ec ? std::filesystem::path(Path) : Absolute).lexically_normal().string();
}

}  // namespace

std::string ExtractFolder(const std::string& Path) {
  size_t Pos = Path.rfind('/');
  if (Pos == std::string::npos) return {};
  // The root keeps its separator, as does "//" at the start of a path.
  if (Pos == 0 || Path[Pos - 1] == '/') return Path.substr(0, Pos + 1);
  return Path.substr(0, Pos);
}

std::string ProjectEntryName(int Index) {
  char Buffer[32];
  std::snprintf(Buffer, sizeof Buffer, "File_%03d", Index);
  return Buffer;
}

bool IsProjectEntryName(const std::string& Name) { return Name.compare(0, 4, "File") == 0; }

TProject::TProject() = default;
TProject::~TProject() = default;

void TProject::SetModified(bool Value) {
  FModified = Value;
  Raise(OnChanged, *this);
}

void TProject::SetFileName(const std::string& Value) {
  FFileName = Value;
  Raise(OnNameChanged, *this);
}

bool TProject::QuerySave() {
  if (!FModified) return true;
  switch (AskToConfirm(SaveAlert, TMsgButtons::YesNoCancel)) {
    case TMsgResult::Yes:
      // The user asked for the changes to be kept: a cancelled save dialog
      // abandons whatever asked, rather than dropping them.
      return SaveDocument();
    case TMsgResult::No:
      return true;
    default:
      return false;
  }
}

void TProject::New() {
  if (!QuerySave()) return;
  Close();
  Raise(OnNew, *this);
  SetModified(false);
}

void TProject::Open() {
  if (!QuerySave()) return;
  // The chosen file need not exist.
  auto Chosen = UserDialogs().OpenFile(FileDialogRequest(OpenTitle));
  if (!Chosen) return;
  DoOpen(*Chosen);
}

TFileDialogRequest TProject::FileDialogRequest(const std::string& Title) {
  TFileDialogRequest Request;
  Request.Title = Title;
  Request.DefaultExt = DefaultExt;
  Request.Filter = FileFilter;
  Request.FilterIndex = 1;
  Request.InitialDir = GetInitialDir();
  Request.HideReadOnly = true;
  Request.Resizable = true;
  Request.MustExist = false;
  return Request;
}

void TProject::DoOpen(const std::string& Path) {
  Close();
  SetFileName(Path);
  LastFolder = ExtractFolder(Path);
  try {
    Raise(OnOpen, *this);
  } catch (...) {
    // A file that could not be read is not the open document, so closing
    // never records it in the recently used list.
    SetFileName(std::string());
    throw;
  }
  SetModified(false);
}

void TProject::ReopenItemClick(int Tag) {
  if (Tag < 0 || Tag >= static_cast<int>(ProjectList.size())) return;
  // Copied first: closing rebuilds the submenu and ProjectList with it.
  const std::string Path = ProjectList[Tag];
  UserDialogs().ProcessMessages();
  OpenFile(Path);
}

void TProject::OpenFile(const std::string& Path) {
  if (!QuerySave()) return;
  DoOpen(Path);
}

void TProject::Save() { SaveDocument(); }

bool TProject::SaveDocument() {
  if (FFileName.empty()) return SaveDocumentAs();
  SetModified(false);
  try {
    Raise(OnSave, *this);
  } catch (...) {
    // A document whose writing failed must not count as saved.
    SetModified(true);
    throw;
  }
  return true;
}

void TProject::SaveAs() { SaveDocumentAs(); }

bool TProject::SaveDocumentAs() {
  TFileDialogRequest Request = FileDialogRequest(SaveTitle);
  Request.PromptOverwrite = true;
  auto Chosen = UserDialogs().SaveFile(Request);
  if (!Chosen) return false;
  SetFileName(*Chosen);
  LastFolder = ExtractFolder(FFileName);
  return SaveDocument();
}

void TProject::Close() {
  if (!FFileName.empty()) AddToProjectList(FFileName);
  SetModified(false);
  SetFileName(std::string());
  Raise(OnClose, *this);
}

std::string TProject::GetInitialDir() {
  if (IsBlank(LastFolder)) {
    if (!ProjectList.empty()) {
      LastFolder = ExtractFolder(ProjectList.front());
    } else {
      LastFolder = GetPersonalFolder();
    }
  }
  return LastFolder;
}

void TProject::ClearProjectList() {
  auto Reg = OpenAddressKey(RegistryAddress, ProjectsKey);
  std::vector<std::string> Names;
  Reg->GetValueNames(Names);
  for (const auto& Name : Names) {
    if (IsProjectEntryName(Name)) Reg->DeleteValue(Name);
  }
  Reg->CloseKey();
}

void TProject::ReadProjectList(std::vector<std::string>& List) {
  List.clear();
  {
    auto Reg = OpenAddressKey(RegistryAddress, ProjectsKey);
    std::vector<std::string> Names;
    Reg->GetValueNames(Names);
    for (const auto& Name : Names) {
      if (!IsProjectEntryName(Name)) continue;
      std::string Path = Reg->ReadString(Name);
      if (IsExistingFile(Path)) List.push_back(Path);
    }
    Reg->CloseKey();
  }
  if (!List.empty()) GetInitialDir();
}

void TProject::AddToProjectList(const std::string& Path) {
  {
    // Another copy of the program sees the old list or the new one, never
    // one half cleared.
    TRegistryBatch Batch;
    auto Reg = OpenAddressKey(RegistryAddress, ProjectsKey);
    std::vector<std::string> Working;
    ReadProjectList(Working);
    ClearProjectList();
    const std::string Listed = ListedPath(Path);
    for (auto It = Working.begin(); It != Working.end(); ++It) {
      if (ListedPath(*It) == Listed) {
        Working.erase(It);
        break;
      }
    }
    Working.insert(Working.begin(), Listed);
    // At most one entry leaves per addition: a stored list longer than
    // MaxListSize shrinks one entry at a time and never loses several at once.
    if (static_cast<int64_t>(Working.size()) > MaxListSize) Working.pop_back();
    for (size_t I = 0; I < Working.size(); ++I) {
      Reg->WriteString(ProjectEntryName(static_cast<int>(I)), Working[I]);
    }
    Reg->CloseKey();
    Batch.Commit();
  }
  Raise(OnProjectListAdd, *this);
}

void TProject::FillReopenMenu(TReopenMenu& Menu) {
  Menu.ClearItems();
  ReadProjectList(ProjectList);
  for (size_t I = 0; I < ProjectList.size(); ++I) {
    TReopenMenuItem Item;
    Item.Caption = std::to_string(I + 1) + " " + ProjectList[I];
    Item.Name = "a" + std::to_string(I + 1);
    Item.Tag = static_cast<int>(I);
    Menu.AddItem(Item);
  }
  Menu.SetEnabled(Menu.ItemCount() > 0);
}
