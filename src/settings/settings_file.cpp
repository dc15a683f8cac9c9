#include "settings/settings_file.h"

#include <algorithm>

namespace kelmarin {

namespace {

using R = SettingsRecord;

constexpr int kMethodCount = 6;

// Everything up to and including the last backslash or colon, so that both
// "C:\Kelmarin\Kelmarin.exe" and "C:Kelmarin.exe" give a directory to which
// a file name can be appended.
Text DirectoryOf(const Text& path) {
  size_t separator = path.find_last_of("\\:");
  return separator == Text::npos ? Text() : path.substr(0, separator + 1);
}

WindowState StateFromByte(uint8_t value) {
  switch (value) {
    case 1: return WindowState::Minimized;
    case 2: return WindowState::Maximized;
    // An unknown value must not leave the window in a state the system has
    // no meaning for.
    default: return WindowState::Normal;
  }
}

void ApplyRecord(const SettingsRecord& record, SettingsWindow& window) {
  window.SetFieldText(Field::Edit1, record.ReadText(R::kArchiverPath));
  window.SetFieldText(Field::Edit2, record.ReadText(R::kComputerName));
  window.SetFieldText(Field::Edit3, record.ReadText(R::kUserName));
  window.SetFieldText(Field::Edit4, record.ReadText(R::kDestination));
  window.SetDateFolderTicked(record.bytes[R::kDateFolderOffset] != 0);
  int method = record.bytes[R::kMethodOffset];
  window.SetMethodIndex(method < kMethodCount ? method : -1);
  // One edge or size at a time, the others unchanged, in the order the
  // window expects them.
  window.SetLeft(record.ReadInt32(R::kLeftOffset));
  window.SetTop(record.ReadInt32(R::kTopOffset));
  window.SetHeight(record.ReadInt32(R::kHeightOffset));
  window.SetWidth(record.ReadInt32(R::kWidthOffset));
  // Last, so that the bounds above are those a restored window returns to.
  window.SetState(StateFromByte(record.bytes[R::kWindowStateOffset]));
}

void FillRecord(SettingsWindow& window, SettingsRecord& record) {
  record.WriteText(R::kArchiverPath, window.FieldText(Field::Edit1));
  record.WriteText(R::kComputerName, window.FieldText(Field::Edit2));
  record.WriteText(R::kUserName, window.FieldText(Field::Edit3));
  record.WriteText(R::kDestination, window.FieldText(Field::Edit4));
  // The low byte: no selection (-1) is stored as 255.
  record.bytes[R::kMethodOffset] = static_cast<uint8_t>(window.MethodIndex());
  record.bytes[R::kDateFolderOffset] = window.DateFolderTicked() ? 1 : 0;
  record.WriteInt32(R::kLeftOffset, window.Left());
  record.WriteInt32(R::kTopOffset, window.Top());
  record.WriteInt32(R::kHeightOffset, window.Height());
  record.WriteInt32(R::kWidthOffset, window.Width());
  record.bytes[R::kWindowStateOffset] = static_cast<uint8_t>(window.State());
}

}  // namespace

void LoadSettings(SettingsStorage& storage, SettingsWindow& window, SettingsContext& context) {
  context.programDir = DirectoryOf(storage.ModuleFileName());
  Text path = context.programDir + kSettingsFileName;
  if (!storage.FileExists(path)) return;

  Bytes content = storage.ReadExclusive(path, SettingsRecord::kSize);
  // A short file fills only the leading part; the rest stays as it was.
  std::copy_n(content.begin(), std::min(content.size(), SettingsRecord::kSize),
              context.record.bytes.begin());
  ApplyRecord(context.record, window);
}

void SaveSettings(SettingsStorage& storage, SettingsWindow& window, SettingsContext& context) {
  // Filled over the record as loaded, so that the bytes after each text's
  // zero and the padding byte go back to the file unchanged.
  FillRecord(window, context.record);
  storage.WriteExclusive(context.programDir + kSettingsFileName,
                         Bytes(context.record.bytes.begin(), context.record.bytes.end()));
}

}  // namespace kelmarin
