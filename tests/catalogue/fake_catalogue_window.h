#pragma once
#include <cstddef>
#include <limits>
#include <optional>
#include <vector>

#include "catalogue/catalogue_window.h"
#include "platform/errors.h"

namespace kelmarin {

// The tick list and Label2 as plain data; refuses items beyond `capacity`
// the way the real list refuses when it is full.
class FakeCatalogueWindow : public CatalogueWindow {
 public:
  std::vector<Text> items;
  size_t capacity = std::numeric_limits<size_t>::max();
  int selected = -1;
  std::optional<Text> pathCaption;

  void AddItem(const Text& title) override {
    if (items.size() >= capacity) throw ListInsertError();
    items.push_back(title);
  }
  int SelectedItem() override { return selected; }
  void SetPathCaption(const Text& path) override { pathCaption = path; }
};

}  // namespace kelmarin
