#pragma once
#include <functional>
#include <map>
#include <vector>

#include "archiving/call_log.h"
#include "archiving/run_window.h"

namespace kelmarin {

// The main window as the run sees it: plain state, every call logged.
class FakeRunWindow : public RunWindow {
 public:
  struct Item {
    Text text;
    bool ticked = false;
  };

  explicit FakeRunWindow(CallLog& log) : log_(log) {}

  std::map<Field, Text> fields;
  int methodIndex = -1;
  bool dateFolderTicked = false;
  std::vector<Item> items;
  int selected = -1;
  int listClicks = 0;
  bool progressLabelVisible = false;
  bool progressVisible = false;
  int progressPosition = 0;
  int progressMax = 100;
  int progressSteps = 0;
  bool stayOnTop = true;
  // Stands for the input the user gives while the run handles messages;
  // gets the number of the call, from 1.
  std::function<void(int)> onWaitingMessages;

  Text FieldText(Field field) override;
  void SetFieldText(Field field, const Text& text) override;
  int MethodIndex() override;
  bool DateFolderTicked() override;
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

  static WindowHandle OwnerHandle();

 private:
  Item& At(int index);

  CallLog& log_;
  int messagePasses_ = 0;
};

const char* FieldName(Field field);

}  // namespace kelmarin
