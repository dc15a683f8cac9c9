#pragma once
// What the infobase catalogue needs of the main window.
#include "platform/text.h"

namespace kelmarin {

class CatalogueWindow {
 public:
  virtual ~CatalogueWindow() = default;

  // Appends an unticked item to CheckListBox1; throws ListInsertError when
  // the list refuses it.
  virtual void AddItem(const Text& title) = 0;
  // CheckListBox1's selected position, -1 when none.
  virtual int SelectedItem() = 0;
  virtual void SetPathCaption(const Text& path) = 0;  // Label2
};

}  // namespace kelmarin
