#pragma once
#include "platform/settings_storage.h"
#include "platform/text.h"
#include "settings/settings_record.h"
#include "settings/settings_window.h"

namespace kelmarin {

// What the settings file keeps for the life of the program.
struct SettingsContext {
  Text programDir;  // with its trailing separator
  SettingsRecord record;
};

inline constexpr const char* kSettingsFileName = "settings.opt";

// Reads settings.opt next to the exe into the window. Throws FileOpenError.
void LoadSettings(SettingsStorage& storage, SettingsWindow& window, SettingsContext& context);

// Writes the window's values to settings.opt. Throws FileCreateError or
// FileWriteError.
void SaveSettings(SettingsStorage& storage, SettingsWindow& window, SettingsContext& context);

}  // namespace kelmarin
