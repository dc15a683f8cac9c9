#pragma once
// The design of the main window as a form designer keeps it: the window's
// own settings and one table of its controls, each with its parent, place,
// text and settings. Positions are pixels at 96 dots per inch within the
// parent's client area; the table's order is the creation order and so, on
// each parent, the tab order.
#include <cstddef>
#include <span>

#include "app/layout.h"

namespace kelmarin {

enum class ControlKind {
  PageControl,
  TabSheet,
  Panel,
  Label,
  Edit,
  Button,
  CheckListBox,
  ComboBox,
  CheckBox,
  ProgressBar,
};

enum ControlOption : unsigned {
  kReadOnly = 1 << 0,
  kHiddenAtStart = 1 << 1,
  kWordWrap = 1 << 2,
  kAutoSize = 1 << 3,     // sized to its text on one line, as the font draws it
  kBoldFont = 1 << 4,
  kHeadingFont = 1 << 5,  // bold, red, 13 pixels
  kTabHidden = 1 << 6,    // a page without a tab
};

struct ControlDesign {
  const char* name;
  ControlKind kind;
  const char* parent;
  Box bounds;
  const char* text = "";
  Align align = Align::None;
  unsigned anchors = kAnchorsDefault;
  int maxLength = 0;  // 0: no typing limit
  unsigned options = 0;
  std::span<const char* const> items = {};
};

struct FormDesign {
  const char* name;
  const char* caption;
  Box bounds;  // outer, in screen pixels
  Size client;
  const char* fontName;
  int fontHeight;  // character height in pixels
  int headingFontHeight;
  int progressMax;
  int progressStep;
};

extern const FormDesign kForm1;
std::span<const ControlDesign> Form1Controls();

// The design entry of a control, nullptr for an unknown name.
const ControlDesign* FindDesign(const char* name);

}  // namespace kelmarin
