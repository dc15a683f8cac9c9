#pragma once
#include <string>
#include <vector>

#include "settings/settings_window.h"

namespace kelmarin {

// The window's settings as plain data, starting from the design values, with
// a log of every change in the order it was made.
class FakeSettingsWindow : public SettingsWindow {
 public:
  Text fields[4];
  int method = -1;
  bool ticked = false;
  int left = 136;
  int top = 111;
  int height = 375;
  int width = 544;
  WindowState state = WindowState::Normal;
  std::vector<std::string> changes;

  Text FieldText(Field field) override { return fields[static_cast<int>(field)]; }
  void SetFieldText(Field field, const Text& text) override {
    static const char* const kNames[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    changes.push_back(kNames[static_cast<int>(field)]);
    fields[static_cast<int>(field)] = text;
  }
  int MethodIndex() override { return method; }
  void SetMethodIndex(int index) override {
    changes.push_back("ComboBox1");
    method = index >= 0 && index <= 5 ? index : -1;
  }
  bool DateFolderTicked() override { return ticked; }
  void SetDateFolderTicked(bool value) override {
    changes.push_back("CheckBox1");
    ticked = value;
  }

  int Left() override { return left; }
  int Top() override { return top; }
  int Height() override { return height; }
  int Width() override { return width; }
  void SetLeft(int value) override { changes.push_back("Left"); left = value; }
  void SetTop(int value) override { changes.push_back("Top"); top = value; }
  void SetHeight(int value) override { changes.push_back("Height"); height = value; }
  void SetWidth(int value) override { changes.push_back("Width"); width = value; }

  WindowState State() override { return state; }
  void SetState(WindowState value) override {
    changes.push_back("State");
    state = value;
  }
};

}  // namespace kelmarin
