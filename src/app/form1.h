#pragma once
// The main window: its pages and controls, built from the design table
// beside it, and the handlers that hand the work to the archiving run, the
// catalogue and the settings file.
#include <windows.h>

#include <vector>

#include "app/form1_design.h"
#include "archiving/run_window.h"
#include "catalogue/catalogue_window.h"
#include "catalogue/infobase_paths.h"
#include "platform/registry.h"
#include "platform/settings_storage.h"
#include "platform/system.h"
#include "platform/win32/ui/button.h"
#include "platform/win32/ui/check_box.h"
#include "platform/win32/ui/check_list_box.h"
#include "platform/win32/ui/combo_box.h"
#include "platform/win32/ui/container.h"
#include "platform/win32/ui/edit.h"
#include "platform/win32/ui/label.h"
#include "platform/win32/ui/open_dialog.h"
#include "platform/win32/ui/progress_bar.h"
#include "platform/win32/ui/tab_control.h"
#include "settings/settings_file.h"
#include "settings/settings_window.h"

namespace kelmarin {

class Application;

class TForm1 : public RunWindow, public CatalogueWindow, public SettingsWindow {
 public:
  using Sender = win32::Control*;

  TForm1(Application& application, System& system, Registry& registry,
         SettingsStorage& storage);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;
  ~TForm1() override;

  // Creates the window and its controls from the design, hidden, and then
  // runs FormCreate.
  void Create();
  // Runs FormDestroy, then destroys the window and its controls.
  void Destroy();

  HWND Handle() const { return form_.Handle(); }
  // The window of a control of the design, by its name; Form1 itself too.
  HWND ControlHandle(const char* name) const;

  // Handlers.
  void FormCreate(Sender sender);
  void FormDestroy(Sender sender);
  void Button1Click(Sender sender);
  void Button2Click(Sender sender);
  void Button3Click(Sender sender);
  void CheckListBox1Click(Sender sender);
  void Edit2KeyPress(Sender sender, char& key);

  // The application object's part of showing and hiding.
  void ShowInState();
  void ShowAfterRestore();
  void Hide();
  // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous page that has a tab.
  void SelectNextPage(bool backwards);
  // The index of the shown page in the design (0 TabSheet1, 2 TabSheet3).
  int ActivePage() const { return activePage_; }

  // RunWindow, CatalogueWindow, SettingsWindow.
  Text FieldText(Field field) override;
  void SetFieldText(Field field, const Text& text) override;
  int MethodIndex() override;
  void SetMethodIndex(int index) override;
  bool DateFolderTicked() override;
  void SetDateFolderTicked(bool ticked) override;
  int ItemCount() override;
  bool ItemTicked(int index) override;
  void UntickItem(int index) override;
  Text ItemText(int index) override;
  void SelectItem(int index) override;
  void ListClick() override;
  void SetProgressLabelVisible(bool visible) override;
  void SetProgressVisible(bool visible) override;
  void SetProgressPosition(int position) override;
  void SetProgressMax(int max) override;
  void StepProgress() override;
  void DropStayOnTop() override;
  void ProcessWaitingMessages() override;
  WindowHandle Owner() override;
  void AddItem(const Text& title) override;
  int SelectedItem() override;
  void SetPathCaption(const Text& path) override;
  int Left() override;
  int Top() override;
  int Height() override;
  int Width() override;
  void SetLeft(int value) override;
  void SetTop(int value) override;
  void SetHeight(int value) override;
  void SetWidth(int value) override;
  WindowState State() override;
  void SetState(WindowState state) override;

  // The controls, by their design names.
  win32::TabControl PageControl1;
  win32::Container TabSheet1, TabSheet2, TabSheet3;
  win32::Container Panel1, Panel2, Panel3;
  win32::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8;
  win32::Edit Edit1, Edit2, Edit3, Edit4;
  win32::Button Button1, Button2, Button3, Button4;
  win32::CheckListBox CheckListBox1;
  win32::ComboBox ComboBox1;
  win32::CheckBox CheckBox1;
  win32::ProgressBar ProgressBar1;
  win32::OpenDialog OpenDialog1;

 private:
  struct Item {
    const ControlDesign* design;
    win32::Control* control;
    Box bounds;  // the design bounds at this screen's resolution
  };

  win32::Control* Named(const char* name);
  const Item* FindItem(const char* name) const;
  HWND ParentWindow(const ControlDesign& design) const;
  void CreateControl(Item& item, int id);
  void WireHandlers();
  void LayOutChildren(const char* container);
  void LayOutPages();
  void ShowPage(int designIndex);
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  win32::Edit& EditOf(Field field);
  RECT WindowBounds() const;
  void SetWindowBounds(const RECT& bounds);
  int Scale(int value) const;

  Application& application_;
  System& system_;
  Registry& registry_;
  SettingsStorage& storage_;
  SettingsContext settings_;
  InfobasePaths paths_;

  win32::Container form_;
  std::vector<Item> items_;
  int dpi_ = 96;
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
  HFONT headingFont_ = nullptr;
  std::vector<win32::Container*> pages_;  // TabSheet1..3
  std::vector<int> tabPages_;             // design page index of each tab
  int activePage_ = 0;
  WindowState state_ = WindowState::Normal;
  bool shown_ = false;
  HWND focusBeforeDeactivation_ = nullptr;
};

}  // namespace kelmarin
