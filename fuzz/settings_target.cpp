// Fuzz target: the input is the content of settings.opt, of any length. It is
// loaded into a window, saved, loaded again and saved again; the file must
// keep its shape and the values must survive the round trip.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "invariant.h"
#include "settings/fake_settings_storage.h"
#include "settings/fake_settings_window.h"
#include "settings/settings_file.h"

namespace kelmarin {
namespace {

using R = SettingsRecord;

struct FieldPlace {
  Field field;
  TextField place;
};

constexpr FieldPlace kTextFields[] = {
    {Field::Edit1, R::kArchiverPath},
    {Field::Edit4, R::kDestination},
    {Field::Edit2, R::kComputerName},
    {Field::Edit3, R::kUserName},
};

const Text kModule = "C:\\Kelmarin\\Kelmarin.exe";
const Text kFile = "C:\\Kelmarin\\settings.opt";

Text FieldText(FakeSettingsWindow& window, Field field) {
  return window.fields[static_cast<int>(field)];
}

// A text read from the file is the field's leading bytes up to its first zero,
// or the whole field; never anything from beyond it.
void RequireLoadedTexts(const Bytes& record, FakeSettingsWindow& window) {
  for (const FieldPlace& f : kTextFields) {
    const Text text = FieldText(window, f.field);
    FUZZ_REQUIRE(text.size() <= f.place.size);
    FUZZ_REQUIRE(std::equal(text.begin(), text.end(), record.begin() + f.place.offset,
                            [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; }));
    FUZZ_REQUIRE(text.size() == f.place.size || record[f.place.offset + text.size()] == 0);
  }
}

// `before` is the record the save wrote over. Each text lands in its own field
// with a zero inside the field, cut when it is too long; what follows the zero
// and the padding byte stay as they were.
void RequireSaved(const Bytes& saved, const Bytes& before, FakeSettingsWindow& window) {
  FUZZ_REQUIRE(saved.size() == R::kSize);
  for (const FieldPlace& f : kTextFields) {
    const Text text = FieldText(window, f.field);
    const size_t kept = std::min(text.size(), f.place.size - 1);
    const auto field = saved.begin() + f.place.offset;
    FUZZ_REQUIRE(std::equal(text.begin(), text.begin() + kept, field,
                            [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; }));
    FUZZ_REQUIRE(field[kept] == 0);
    const auto after = before.begin() + f.place.offset + kept + 1;
    FUZZ_REQUIRE(std::equal(field + kept + 1, field + f.place.size, after));
  }
  FUZZ_REQUIRE(saved[567] == before[567]);
}

// What a reload shows: the same values, texts cut to what their field holds.
void RequireSameValues(FakeSettingsWindow& saved, FakeSettingsWindow& reloaded) {
  for (const FieldPlace& f : kTextFields) {
    const Text text = FieldText(saved, f.field);
    FUZZ_REQUIRE(FieldText(reloaded, f.field) == text.substr(0, f.place.size - 1));
  }
  FUZZ_REQUIRE(reloaded.method == saved.method);
  FUZZ_REQUIRE(reloaded.ticked == saved.ticked);
  FUZZ_REQUIRE(reloaded.left == saved.left);
  FUZZ_REQUIRE(reloaded.top == saved.top);
  FUZZ_REQUIRE(reloaded.height == saved.height);
  FUZZ_REQUIRE(reloaded.width == saved.width);
  FUZZ_REQUIRE(reloaded.state == saved.state);
}

void Run(const uint8_t* data, size_t size) {
  FakeSettingsStorage storage;
  storage.moduleFileName = kModule;
  storage.files[kFile] = Bytes(data, data + size);

  // The record as the file fills it: a short file leaves zeros behind.
  Bytes loaded(R::kSize, 0);
  std::copy_n(data, std::min(size, R::kSize), loaded.begin());

  FakeSettingsWindow window;
  SettingsContext context;
  LoadSettings(storage, window, context);
  RequireLoadedTexts(loaded, window);

  SaveSettings(storage, window, context);
  const Bytes saved = storage.files[kFile];
  RequireSaved(saved, loaded, window);

  FakeSettingsWindow reloaded;
  SettingsContext reloadedContext;
  LoadSettings(storage, reloaded, reloadedContext);
  RequireSameValues(window, reloaded);

  // Saving unchanged values again changes nothing in the file.
  SaveSettings(storage, reloaded, reloadedContext);
  FUZZ_REQUIRE(storage.files[kFile] == saved);

  // The archiving run closes the destination with a backslash, so a full
  // field is offered one character more than it holds.
  window.fields[static_cast<int>(Field::Edit4)].push_back('\\');
  SaveSettings(storage, window, context);
  RequireSaved(storage.files[kFile], saved, window);
}

}  // namespace
}  // namespace kelmarin

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kelmarin::Run(data, size);
  return 0;
}
