#include "app/layout.h"

#include <algorithm>

namespace kelmarin {

namespace {

// One axis of an unaligned child: anchored at both ends it stretches,
// anchored only at the far end it moves, otherwise it stays.
void Follow(int designStart, int designLength, int designRoom, int room, bool nearAnchor,
            bool farAnchor, int* start, int* length) {
  int growth = room - designRoom;
  *start = designStart;
  *length = designLength;
  if (nearAnchor && farAnchor) {
    *length = std::max(0, designLength + growth);
  } else if (farAnchor) {
    *start = designStart + growth;
  }
}

}  // namespace

std::vector<Box> LayOut(const std::vector<LayoutRule>& children, Size designSize, Size size) {
  std::vector<Box> boxes(children.size());
  int top = 0;
  int bottom = size.height;

  // Strips first, in order: each takes the edge left free by the ones
  // before it.
  for (size_t i = 0; i < children.size(); ++i) {
    const LayoutRule& rule = children[i];
    int height = std::max(0, std::min(rule.design.height, bottom - top));
    if (rule.align == Align::Top) {
      boxes[i] = Box{0, top, size.width, height};
      top += height;
    } else if (rule.align == Align::Bottom) {
      boxes[i] = Box{0, bottom - height, size.width, height};
      bottom -= height;
    }
  }

  for (size_t i = 0; i < children.size(); ++i) {
    const LayoutRule& rule = children[i];
    switch (rule.align) {
      case Align::Top:
      case Align::Bottom:
        break;
      case Align::Client:
        boxes[i] = Box{0, top, std::max(0, size.width), std::max(0, bottom - top)};
        break;
      case Align::None: {
        Box& box = boxes[i];
        Follow(rule.design.left, rule.design.width, designSize.width, size.width,
               rule.anchors & kAnchorLeft, rule.anchors & kAnchorRight, &box.left, &box.width);
        Follow(rule.design.top, rule.design.height, designSize.height, size.height,
               rule.anchors & kAnchorTop, rule.anchors & kAnchorBottom, &box.top, &box.height);
        break;
      }
    }
  }
  return boxes;
}

}  // namespace kelmarin
