#pragma once
// Places the children of one container after the container changed its
// size, as a form designer would: strips aligned to the top or bottom keep
// their heights and take the whole width, a child aligned to the client
// fills what is left between them, and every other child keeps its
// distances to the edges it is anchored to.
#include <vector>

namespace kelmarin {

struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Box&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
};

enum class Align { None, Top, Bottom, Client };

enum Anchor : unsigned {
  kAnchorLeft = 1,
  kAnchorTop = 2,
  kAnchorRight = 4,
  kAnchorBottom = 8,
};
inline constexpr unsigned kAnchorsDefault = kAnchorLeft | kAnchorTop;

struct LayoutRule {
  Box design;  // in the container's client pixels at design size
  Align align = Align::None;
  unsigned anchors = kAnchorsDefault;
};

// The boxes of the children, in the order of the rules, for a container
// whose client area was designSize at design and is now size. Sizes never
// go below zero.
std::vector<Box> LayOut(const std::vector<LayoutRule>& children, Size designSize, Size size);

}  // namespace kelmarin
