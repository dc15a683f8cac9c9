#pragma once
// What the settings file needs of the main window.
#include "archiving/run_window.h"
#include "platform/text.h"

namespace kelmarin {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

class SettingsWindow {
 public:
  virtual ~SettingsWindow() = default;

  // A text put here by the program goes in whole, past the typing limit.
  virtual Text FieldText(Field field) = 0;
  virtual void SetFieldText(Field field, const Text& text) = 0;
  virtual int MethodIndex() = 0;
  // Selects item 0..5, or none for any other value.
  virtual void SetMethodIndex(int index) = 0;
  virtual bool DateFolderTicked() = 0;
  virtual void SetDateFolderTicked(bool ticked) = 0;

  // The outer bounds in screen pixels; each setter changes only its own edge
  // or size. A maximised window reports its maximised bounds.
  virtual int Left() = 0;
  virtual int Top() = 0;
  virtual int Height() = 0;
  virtual int Width() = 0;
  virtual void SetLeft(int value) = 0;
  virtual void SetTop(int value) = 0;
  virtual void SetHeight(int value) = 0;
  virtual void SetWidth(int value) = 0;

  // The state the window shows in (applied when it is first shown).
  virtual WindowState State() = 0;
  virtual void SetState(WindowState state) = 0;
};

}  // namespace kelmarin
