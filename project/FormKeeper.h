#pragma once
// The form keeper: brings a window back where the user left it. It writes the
// form's bounds and window state (and, on request, the texts of its one-line
// edit boxes) to the key "Forms\<FormName>" below the project's settings
// address, and reads them back. It does not watch the form: the form calls
// LoadSettings while it is created and SaveSettings when it is destroyed. The
// form is reached through TKeptForm, which the window layer implements.

#include <functional>
#include <string>
#include <vector>

#include "project/RegistryLib.h"

class TProject;
class TFormKeeper;

// Toolkit-neutral window states; the stored numbers are 0 normal, 1 maximized.
enum class TFormWindowState { Normal, Maximized, Minimized };

// What the keeper needs of a form.
class TKeptForm {
 public:
  virtual ~TKeptForm() = default;
  virtual std::string ComponentName() const = 0;
  // Bounds in screen pixels of the normal (not maximized) window.
  virtual int Top() const = 0;
  virtual int Left() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetTop(int Value) = 0;
  virtual void SetLeft(int Value) = 0;
  virtual void SetWidth(int Value) = 0;
  virtual void SetHeight(int Value) = 0;
  // Called once restored bounds are set: bounds stored on other screens (a
  // larger one, another scale, one that is gone) are brought onto the screens
  // that are there now.
  virtual void FitToScreens() {}
  virtual TFormWindowState WindowState() const = 0;
  virtual void SetWindowState(TFormWindowState Value) = 0;
  // Component names of the form's single-line edit boxes (the standard kind
  // and kinds derived from it, not number boxes or multi-line areas), in
  // component order.
  virtual std::vector<std::string> EditBoxNames() const = 0;
  virtual std::string EditBoxText(const std::string& Name) const = 0;
  virtual void SetEditBoxText(const std::string& Name, const std::string& Text) = 0;
};

// Reg is open on the form's key; the handler neither closes nor frees it and
// leaves it on that key.
using TStoreEvent = std::function<void(TFormKeeper& Sender, TRegistry& Reg)>;

class TFormKeeper {
 public:
  // FormName starts as the form's component name.
  explicit TFormKeeper(TKeptForm& Form);
  TFormKeeper(const TFormKeeper&) = delete;
  TFormKeeper& operator=(const TFormKeeper&) = delete;

  TKeptForm& Form() const { return FForm; }

  TProject* Project = nullptr;  // not owned; its RegistryAddress wins when set
  TRegistryAddress RegistryAddress;
  bool FormStore = true;
  std::string FormName;
  bool ComponentsStore = false;
  TStoreEvent OnLoad;
  TStoreEvent OnSave;

  // With GeometryOnly the edit boxes and OnLoad are left out. Registry
  // errors ("Invalid data type for '%s'") end the loading at that value.
  void LoadSettings(bool GeometryOnly);
  void SaveSettings();

  // The address in use and the key path below it.
  const TRegistryAddress& EffectiveAddress() const;
  std::string KeyName() const { return "Forms\\" + FormName; }

 private:
  void LoadGeometry(TRegistry& Reg);
  void SaveGeometry(TRegistry& Reg);
  void LoadComponents(TRegistry& Reg);
  void SaveComponents(TRegistry& Reg);

  TKeptForm& FForm;
};
