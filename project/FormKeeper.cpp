#include "project/FormKeeper.h"

#include "project/PrjLib.h"

namespace {
constexpr int32_t StateNormal = 0;
constexpr int32_t StateMaximized = 1;

std::string Trim(const std::string& Text) {
  size_t First = Text.find_first_not_of(' ');
  if (First == std::string::npos) return {};
  size_t Last = Text.find_last_not_of(' ');
  return Text.substr(First, Last - First + 1);
}

std::string TextValueName(const std::string& ComponentName) { return ComponentName + ".Text"; }
}  // namespace

TFormKeeper::TFormKeeper(TKeptForm& Form) : FForm(Form) {
  if (Trim(FormName).empty()) FormName = Form.ComponentName();
}

const TRegistryAddress& TFormKeeper::EffectiveAddress() const {
  return Project ? Project->RegistryAddress : RegistryAddress;
}

void TFormKeeper::SaveSettings() {
  // All the values reach the store in one locked write, not one write each.
  TRegistryBatch Batch;
  auto Reg = OpenAddressKey(EffectiveAddress(), KeyName());
  try {
    if (FormStore) SaveGeometry(*Reg);
    if (ComponentsStore) SaveComponents(*Reg);
    if (OnSave) OnSave(*this, *Reg);
  } catch (...) {
    Batch.Commit();  // what was written before the error stays written
    throw;
  }
  Reg->CloseKey();
  Batch.Commit();
}

void TFormKeeper::LoadSettings(bool GeometryOnly) {
  auto Reg = OpenAddressKey(EffectiveAddress(), KeyName());
  if (!GeometryOnly && ComponentsStore) LoadComponents(*Reg);
  if (!GeometryOnly && OnLoad) OnLoad(*this, *Reg);
  if (FormStore) LoadGeometry(*Reg);
  Reg->CloseKey();
}

void TFormKeeper::SaveGeometry(TRegistry& Reg) {
  switch (FForm.WindowState()) {
    case TFormWindowState::Normal:
      Reg.WriteInteger("Top", FForm.Top());
      Reg.WriteInteger("Left", FForm.Left());
      Reg.WriteInteger("Width", FForm.Width());
      Reg.WriteInteger("Height", FForm.Height());
      Reg.WriteInteger("WindowState", StateNormal);
      break;
    case TFormWindowState::Maximized:
      // The normal bounds of the last save stay, so restoring returns there.
      Reg.WriteInteger("WindowState", StateMaximized);
      break;
    case TFormWindowState::Minimized:
      break;
  }
}

void TFormKeeper::LoadGeometry(TRegistry& Reg) {
  const bool Restored = Reg.ValueExists("Top") || Reg.ValueExists("Left") || Reg.ValueExists("Width") ||
                        Reg.ValueExists("Height");
  if (Reg.ValueExists("Top")) FForm.SetTop(Reg.ReadInteger("Top"));
  if (Reg.ValueExists("Left")) FForm.SetLeft(Reg.ReadInteger("Left"));
  if (Reg.ValueExists("Width")) FForm.SetWidth(Reg.ReadInteger("Width"));
  if (Reg.ValueExists("Height")) FForm.SetHeight(Reg.ReadInteger("Height"));
  if (Restored) FForm.FitToScreens();
  if (!Reg.ValueExists("WindowState")) return;
  int32_t State = Reg.ReadInteger("WindowState");
  if (State == StateNormal) FForm.SetWindowState(TFormWindowState::Normal);
  if (State == StateMaximized) FForm.SetWindowState(TFormWindowState::Maximized);
}

void TFormKeeper::SaveComponents(TRegistry& Reg) {
  for (const auto& Name : FForm.EditBoxNames()) Reg.WriteString(TextValueName(Name), FForm.EditBoxText(Name));
}

void TFormKeeper::LoadComponents(TRegistry& Reg) {
  for (const auto& Name : FForm.EditBoxNames())
    FForm.SetEditBoxText(Name, Reg.ReadString(TextValueName(Name)));
}
