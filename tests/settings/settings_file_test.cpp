#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "platform/errors.h"
#include "settings/fake_settings_storage.h"
#include "settings/fake_settings_window.h"

namespace kelmarin {
namespace {

const Text kDir = "C:\\Kelmarin\\";
const Text kPath = kDir + "settings.opt";

// A file of `size` zero bytes with pieces put at their offsets.
struct Put {
  size_t offset;
  Bytes bytes;
};

Bytes FileOf(size_t size, const std::vector<Put>& puts, uint8_t fill = 0) {
  Bytes file(size, fill);
  for (const auto& put : puts) {
    EXPECT_LE(put.offset + put.bytes.size(), size);
    std::copy(put.bytes.begin(), put.bytes.end(), file.begin() + put.offset);
  }
  return file;
}

Bytes Chars(const Text& text) { return Bytes(text.begin(), text.end()); }

Bytes Sz(const Text& text) {
  Bytes bytes = Chars(text);
  bytes.push_back(0);
  return bytes;
}

Bytes Le32(int32_t value) {
  auto bits = static_cast<uint32_t>(value);
  return {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
          static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
}

// What the window shows after a load.
struct Shown {
  Text edit1, edit2, edit3, edit4;
  int method;
  bool ticked;
  int left, top, height, width;
  WindowState state;
  bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  return out << "{" << s.edit1 << "|" << s.edit2 << "|" << s.edit3 << "|" << s.edit4
             << "| method " << s.method << ", ticked " << s.ticked << ", " << s.left << ","
             << s.top << " h" << s.height << " w" << s.width << ", state "
             << static_cast<int>(s.state) << "}";
}

Shown ShownBy(const FakeSettingsWindow& w) {
  return {w.fields[0], w.fields[1], w.fields[2], w.fields[3], w.method, w.ticked,
          w.left,      w.top,       w.height,    w.width,    w.state};
}

const Shown kDesign{"", "", "", "", -1, false, 136, 111, 375, 544, WindowState::Normal};

const Text kRar = "C:\\Program Files\\WinRAR\\Rar.exe";

Bytes FullRecord() {
  return FileOf(584, {{0, Sz(kRar)},
                      {261, Sz("D:\\Архивы\\")},
                      {522, Sz("БУХ-01")},
                      {543, Sz("Иванов")},
                      {564, {3, 1, 2, 0}},
                      {568, Le32(-8)},
                      {572, Le32(-4)},
                      {576, Le32(768)},
                      {580, Le32(1024)}});
}

const Shown kFullRecordShown{kRar, "БУХ-01", "Иванов", "D:\\Архивы\\", 3, true,
                             -8,   -4,       768,      1024,           WindowState::Maximized};

struct Loaded {
  FakeSettingsStorage storage;
  FakeSettingsWindow window;
  SettingsContext context;
};

void LoadFile(Loaded& loaded, const std::optional<Bytes>& file) {
  if (file) loaded.storage.files[kPath] = *file;
  LoadSettings(loaded.storage, loaded.window, loaded.context);
}

TEST(LoadSettings, FilesOfEveryLength) {
  Bytes withTail = FullRecord();
  withTail.resize(700, 't');
  const Text dest39 = "D:\\" + Text(36, 'Б');
  struct Case {
    const char* what;
    std::optional<Bytes> file;
    Shown shown;
  } cases[] = {
      {"no file: design values", std::nullopt, kDesign},
      {"0 bytes: all zero", Bytes{}, {"", "", "", "", 0, false, 0, 0, 0, 0, WindowState::Normal}},
      {"300 bytes: the rest reads as zero",
       FileOf(300, {{0, Sz(kRar)}, {261, Chars(dest39)}}),
       {kRar, "", "", dest39, 0, false, 0, 0, 0, 0, WindowState::Normal}},
      {"exactly 584", FullRecord(), kFullRecordShown},
      {"700 bytes: only the first 584 count", withTail, kFullRecordShown},
      {"fields without a zero byte go into their controls whole",
       FileOf(584, {{0, Chars(Text(261, 'a'))},
                    {261, Sz("D:\\")},
                    {522, Chars(Text(21, 'К'))},
                    {543, Sz("Петров")}}),
       {Text(261, 'a'), Text(21, 'К'), "Петров", "D:\\", 0, false, 0, 0, 0, 0,
        WindowState::Normal}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Loaded loaded;
    LoadFile(loaded, c.file);
    EXPECT_EQ(ShownBy(loaded.window), c.shown);
  }
}

TEST(LoadSettings, MethodDateFolderAndStateBytes) {
  struct Case {
    size_t offset;
    uint8_t value;
    int method;
    bool ticked;
    WindowState state;
  } cases[] = {
      {564, 255, -1, false, WindowState::Normal},
      {564, 5, 5, false, WindowState::Normal},
      {564, 6, -1, false, WindowState::Normal},
      {564, 200, -1, false, WindowState::Normal},
      {565, 1, 0, true, WindowState::Normal},
      {565, 2, 0, true, WindowState::Normal},
      {565, 255, 0, true, WindowState::Normal},
      {566, 1, 0, false, WindowState::Minimized},
      {566, 2, 0, false, WindowState::Maximized},
      {566, 3, 0, false, WindowState::Normal},
      {566, 255, 0, false, WindowState::Normal},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "byte " << c.offset << " = " << int{c.value});
    Loaded loaded;
    LoadFile(loaded, FileOf(584, {{c.offset, {c.value}}}));
    EXPECT_EQ(loaded.window.method, c.method);
    EXPECT_EQ(loaded.window.ticked, c.ticked);
    EXPECT_EQ(loaded.window.state, c.state);
  }
}

TEST(LoadSettings, SetsBoundsOneAtATimeAndTheStateLast) {
  Loaded loaded;
  LoadFile(loaded, FullRecord());
  EXPECT_EQ(loaded.window.changes,
            (std::vector<std::string>{"Edit1", "Edit2", "Edit3", "Edit4", "CheckBox1", "ComboBox1",
                                      "Left", "Top", "Height", "Width", "State"}));
}

TEST(LoadSettings, ProgramDirEndsAtTheLastBackslashOrColon) {
  struct Case {
    Text module;
    Text dir;
  } cases[] = {
      {"C:\\Kelmarin\\Kelmarin.exe", "C:\\Kelmarin\\"},
      {"C:Kelmarin.exe", "C:"},
      {"\\\\server\\1c\\Архив\\Kelmarin.exe", "\\\\server\\1c\\Архив\\"},
      {"C:Sub\\Kelmarin.exe", "C:Sub\\"},
      {"Kelmarin.exe", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.module);
    Loaded loaded;
    loaded.storage.moduleFileName = c.module;
    LoadFile(loaded, std::nullopt);
    EXPECT_EQ(loaded.context.programDir, c.dir);
    EXPECT_EQ(loaded.storage.existenceQueries, std::vector<Text>{c.dir + "settings.opt"});

    SaveSettings(loaded.storage, loaded.window, loaded.context);
    EXPECT_EQ(loaded.storage.files.count(c.dir + "settings.opt"), 1u);
  }
}

TEST(LoadSettings, AnUnopenableFileChangesNothingAndIsReplacedAtExit) {
  Loaded loaded;
  loaded.storage.heldOpen.insert(kPath);
  loaded.storage.files[kPath] = FullRecord();
  try {
    LoadSettings(loaded.storage, loaded.window, loaded.context);
    FAIL() << "no error";
  } catch (const FileOpenError& error) {
    EXPECT_EQ(error.Message(), "Cannot open file \"" + kPath +
                                   "\". The process cannot access the file");
  }
  EXPECT_TRUE(loaded.window.changes.empty());
  EXPECT_EQ(ShownBy(loaded.window), kDesign);

  loaded.storage.heldOpen.clear();
  SaveSettings(loaded.storage, loaded.window, loaded.context);
  EXPECT_EQ(loaded.storage.files[kPath], FileOf(584, {{564, {255, 0, 0, 0}},
                                                      {568, Le32(136)},
                                                      {572, Le32(111)},
                                                      {576, Le32(375)},
                                                      {580, Le32(544)}}));
}

TEST(SaveSettings, WritesEveryControlAtItsPlace) {
  struct Case {
    int method;
    bool ticked;
    WindowState state;
    std::vector<uint8_t> bytes564to567;
  } cases[] = {
      {-1, true, WindowState::Maximized, {255, 1, 2, 0}},
      {0, false, WindowState::Normal, {0, 0, 0, 0}},
      {5, false, WindowState::Minimized, {5, 0, 1, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.method);
    FakeSettingsStorage storage;
    FakeSettingsWindow window;
    SettingsContext context{kDir, {}};
    window.fields[0] = kRar;
    window.fields[1] = "PC";
    window.fields[2] = "Иванов";
    window.fields[3] = "D:\\Архив\\";
    window.method = c.method;
    window.ticked = c.ticked;
    window.state = c.state;
    window.left = -8;
    window.top = 20;
    window.width = 544;
    window.height = 375;

    SaveSettings(storage, window, context);

    EXPECT_EQ(storage.files[kPath], FileOf(584, {{0, Sz(kRar)},
                                                 {261, Sz("D:\\Архив\\")},
                                                 {522, Sz("PC")},
                                                 {543, Sz("Иванов")},
                                                 {564, c.bytes564to567},
                                                 {568, Le32(-8)},
                                                 {572, Le32(20)},
                                                 {576, {0x77, 0x01, 0, 0}},
                                                 {580, {0x20, 0x02, 0, 0}}}));
  }
}

TEST(SaveSettings, KeepsTheLoadedBytesAfterEachTextAndThePaddingByte) {
  const std::vector<Put> loadedPuts = {{0, Sz(kRar)},
                                       {261, Sz("D:\\Backup\\")},
                                       {522, Sz("PC")},
                                       {543, Sz("")},
                                       {564, {2, 1, 0, 0xAB}},
                                       {568, Le32(10)},
                                       {572, Le32(20)},
                                       {576, Le32(375)},
                                       {580, Le32(544)}};
  Loaded loaded;
  LoadFile(loaded, FileOf(584, loadedPuts, 'Z'));
  loaded.window.fields[0] = "C:\\R.exe";
  loaded.window.left = 30;

  SaveSettings(loaded.storage, loaded.window, loaded.context);

  std::vector<Put> savedPuts = loadedPuts;
  savedPuts.push_back({0, Sz("C:\\R.exe")});
  savedPuts.push_back({568, Le32(30)});
  EXPECT_EQ(loaded.storage.files[kPath], FileOf(584, savedPuts, 'Z'));
}

TEST(SaveSettings, ALongDestinationIsCutAndLeavesTheComputerNameAlone) {
  Loaded loaded;
  const Text destination = "D:\\" + Text(258, 'd');  // fills its field, no zero
  LoadFile(loaded, FileOf(584, {{261, Chars(destination)}, {522, Sz("PC-01")}}));
  ASSERT_EQ(loaded.window.fields[3], destination);
  loaded.window.fields[3] += "\\";  // as the archiving run closes it

  SaveSettings(loaded.storage, loaded.window, loaded.context);

  const Bytes& saved = loaded.storage.files[kPath];
  EXPECT_EQ(Bytes(saved.begin() + 261, saved.begin() + 522),
            Sz(destination.substr(0, 260)));
  EXPECT_EQ(Bytes(saved.begin() + 522, saved.begin() + 528), Sz("PC-01"));
}

}  // namespace
}  // namespace kelmarin
