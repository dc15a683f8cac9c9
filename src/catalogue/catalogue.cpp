#include "catalogue/catalogue.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace kelmarin {

namespace {

// The room offered first for every value: a directory path and a title
// nearly always fit it, so the key's sizes are asked for only when one does
// not.
constexpr uint32_t kFirstNameRoom = 260;  // characters, the zero included
constexpr uint32_t kFirstDataRoom = 260;  // bytes

// A value that keeps growing while we re-read it is given up after this many
// reads, and the list ends there.
constexpr int kReadsPerValue = 4;

class OpenKey {
 public:
  OpenKey(Registry& registry, RegistryKey key) : registry_(registry), key_(key) {}
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() { registry_.CloseKey(key_); }
  RegistryKey Get() const { return key_; }

 private:
  Registry& registry_;
  RegistryKey key_;
};

struct Infobase {
  Text path;
  Text title;
};

// Text up to the first zero among the bytes the system delivered; never
// anything beyond them, so nothing from an earlier value can leak in.
Text UpToZero(const char* bytes, uint32_t delivered) {
  const char* end = std::find(bytes, bytes + delivered, '\0');
  return Text(bytes, end);
}

uint32_t Clamped(uint64_t size) {
  return static_cast<uint32_t>(std::min<uint64_t>(size, std::numeric_limits<uint32_t>::max()));
}

// Reads the value at `index` whole. False when the enumeration is over: no
// more values, a failure of the key, or a value that would not hold still.
bool ReadValue(Registry& registry, RegistryKey key, uint32_t index, Infobase& value) {
  uint32_t nameRoom = kFirstNameRoom;
  uint32_t dataRoom = kFirstDataRoom;
  for (int read = 0; read < kReadsPerValue; ++read) {
    std::vector<char> name(nameRoom);
    std::vector<char> data(dataRoom);
    uint32_t nameChars = nameRoom;
    uint32_t dataBytes = dataRoom;
    const long result = registry.EnumValue(key, index, name.data(), &nameChars,
                                           reinterpret_cast<uint8_t*>(data.data()), &dataBytes);
    if (result == kRegSuccess) {
      value.path = UpToZero(name.data(), std::min(nameChars, nameRoom));
      value.title = UpToZero(data.data(), std::min(dataBytes, dataRoom));
      return true;
    }
    if (result != kRegMoreData) return false;

    uint32_t maxNameChars = 0;
    uint32_t maxDataBytes = 0;
    if (registry.QueryValueSizes(key, &maxNameChars, &maxDataBytes) != kRegSuccess) return false;
    // The longest name is counted in characters, and in a multi-byte code
    // page a character can take two bytes; the zero comes on top. The data
    // size the value itself needs comes back in dataBytes.
    nameRoom = std::max(nameRoom, Clamped(uint64_t{maxNameChars} * 2 + 1));
    dataRoom = std::max({dataRoom, maxDataBytes, dataBytes});
  }
  return false;
}

}  // namespace

void LoadCatalogue(Registry& registry, CatalogueWindow& window, InfobasePaths& paths) {
  paths.clear();
  RegistryKey handle = 0;
  // Opened with full access although it is only read: a user whose rights
  // on the key stop at reading gets an empty list, as on a PC without 1C.
  if (registry.OpenCurrentUserKey(kTitlesKey, 0, kKeyAllAccess, &handle) != kRegSuccess) return;
  const OpenKey key(registry, handle);

  Infobase value;
  for (uint32_t index = 0; ReadValue(registry, key.Get(), index, value); ++index) {
    window.AddItem(value.title);
    paths.push_back(value.path);
  }
}

void ShowSelectedPath(CatalogueWindow& window, const InfobasePaths& paths) {
  // An empty list still runs the click handler (Backspace in it), with
  // nothing selected: the caption then keeps what it shows.
  const int selected = window.SelectedItem();
  if (selected < 0 || static_cast<size_t>(selected) >= paths.size()) return;
  window.SetPathCaption(paths[selected]);
}

}  // namespace kelmarin
