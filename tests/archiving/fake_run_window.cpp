#include "archiving/fake_run_window.h"

#include <stdexcept>
#include <string>

namespace kelmarin {

namespace {
constexpr int kProgressStep = 5;
}

const char* FieldName(Field field) {
  switch (field) {
    case Field::Edit1: return "Edit1";
    case Field::Edit2: return "Edit2";
    case Field::Edit3: return "Edit3";
    case Field::Edit4: return "Edit4";
  }
  return "?";
}

FakeRunWindow::Item& FakeRunWindow::At(int index) {
  if (index < 0 || static_cast<size_t>(index) >= items.size()) {
    throw std::out_of_range("item " + std::to_string(index));
  }
  return items[static_cast<size_t>(index)];
}

Text FakeRunWindow::FieldText(Field field) {
  log_.Add(std::string("get ") + FieldName(field));
  return fields[field];
}

void FakeRunWindow::SetFieldText(Field field, const Text& text) {
  log_.Add(std::string("set ") + FieldName(field) + " '" + text + "'");
  fields[field] = text;
}

int FakeRunWindow::MethodIndex() {
  log_.Add("MethodIndex");
  return methodIndex;
}

bool FakeRunWindow::DateFolderTicked() {
  log_.Add("DateFolderTicked");
  return dateFolderTicked;
}

int FakeRunWindow::ItemCount() {
  log_.Add("ItemCount");
  return static_cast<int>(items.size());
}

bool FakeRunWindow::ItemTicked(int index) {
  log_.Add("ItemTicked " + std::to_string(index));
  return At(index).ticked;
}

void FakeRunWindow::UntickItem(int index) {
  log_.Add("UntickItem " + std::to_string(index));
  At(index).ticked = false;
}

Text FakeRunWindow::ItemText(int index) {
  log_.Add("ItemText " + std::to_string(index));
  return At(index).text;
}

void FakeRunWindow::SelectItem(int index) {
  log_.Add("SelectItem " + std::to_string(index));
  At(index);
  selected = index;
}

void FakeRunWindow::ListClick() {
  log_.Add("ListClick");
  ++listClicks;
}

void FakeRunWindow::SetProgressLabelVisible(bool visible) {
  log_.Add(std::string("Label8 ") + (visible ? "shown" : "hidden"));
  progressLabelVisible = visible;
}

void FakeRunWindow::SetProgressVisible(bool visible) {
  log_.Add(std::string("ProgressBar1 ") + (visible ? "shown" : "hidden"));
  progressVisible = visible;
}

void FakeRunWindow::SetProgressPosition(int position) {
  log_.Add("ProgressPosition " + std::to_string(position));
  progressPosition = position;
}

void FakeRunWindow::SetProgressMax(int max) {
  log_.Add("ProgressMax " + std::to_string(max));
  progressMax = max;
}

void FakeRunWindow::StepProgress() {
  log_.Add("StepProgress");
  ++progressSteps;
  progressPosition += kProgressStep;
}

void FakeRunWindow::DropStayOnTop() {
  log_.Add("DropStayOnTop");
  stayOnTop = false;
}

void FakeRunWindow::ProcessWaitingMessages() {
  log_.Add("ProcessWaitingMessages");
  ++messagePasses_;
  if (onWaitingMessages) onWaitingMessages(messagePasses_);
}

WindowHandle FakeRunWindow::Owner() { return OwnerHandle(); }

WindowHandle FakeRunWindow::OwnerHandle() {
  static int owner;
  return &owner;
}

}  // namespace kelmarin
