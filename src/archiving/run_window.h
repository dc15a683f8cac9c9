#pragma once
// What the archiving run needs of the main window. The form implements it;
// tests fake it.
#include "platform/system.h"
#include "platform/text.h"

namespace kelmarin {

enum class Field { Edit1, Edit2, Edit3, Edit4 };

class RunWindow {
 public:
  virtual ~RunWindow() = default;

  virtual Text FieldText(Field field) = 0;
  virtual void SetFieldText(Field field, const Text& text) = 0;
  // ComboBox1's selected position, -1 when none.
  virtual int MethodIndex() = 0;
  virtual bool DateFolderTicked() = 0;

  // CheckListBox1.
  virtual int ItemCount() = 0;
  virtual bool ItemTicked(int index) = 0;
  // Unticks the item and redraws its tick box at once.
  virtual void UntickItem(int index) = 0;
  virtual Text ItemText(int index) = 0;
  // Selects and scrolls the item into view without running the list's click
  // handler.
  virtual void SelectItem(int index) = 0;
  // Runs the list's click handler, which shows the selected path.
  virtual void ListClick() = 0;

  virtual void SetProgressLabelVisible(bool visible) = 0;  // Label8
  virtual void SetProgressVisible(bool visible) = 0;       // ProgressBar1
  virtual void SetProgressPosition(int position) = 0;
  virtual void SetProgressMax(int max) = 0;
  virtual void StepProgress() = 0;

  // Switches the window from stay-on-top to the normal style for good.
  virtual void DropStayOnTop() = 0;
  // Handles every waiting window message, then returns.
  virtual void ProcessWaitingMessages() = 0;
  virtual WindowHandle Owner() = 0;
};

}  // namespace kelmarin
