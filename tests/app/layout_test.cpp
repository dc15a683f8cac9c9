#include "app/layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "app/form1_design.h"

namespace kelmarin {
namespace {

// A page of the first tab: a strip on top, the list in the middle, a strip
// at the bottom, as the window is designed.
const std::vector<LayoutRule> kStrips = {
    {{0, 0, 528, 33}, Align::Top},
    {{0, 33, 528, 207}, Align::Client},
    {{0, 240, 528, 73}, Align::Bottom},
};

TEST(LayOut, StripsKeepTheirHeightsAndTheListFillsTheMiddle) {
  struct Case {
    Size size;
    Box top, middle, bottom;
  } cases[] = {
      {{528, 313}, {0, 0, 528, 33}, {0, 33, 528, 207}, {0, 240, 528, 73}},
      // Under Wine the page comes out 7 pixels taller than designed.
      {{528, 320}, {0, 0, 528, 33}, {0, 33, 528, 214}, {0, 247, 528, 73}},
      {{700, 500}, {0, 0, 700, 33}, {0, 33, 700, 394}, {0, 427, 700, 73}},
      // Too small for both strips: the list gets nothing, nothing negative.
      {{100, 90}, {0, 0, 100, 33}, {0, 33, 100, 0}, {0, 33, 100, 57}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.size.width) + "x" + std::to_string(c.size.height));
    std::vector<Box> boxes = LayOut(kStrips, {528, 313}, c.size);
    EXPECT_EQ(boxes[0], c.top);
    EXPECT_EQ(boxes[1], c.middle);
    EXPECT_EQ(boxes[2], c.bottom);
  }
}

TEST(LayOut, AnchorsKeepTheDistancesToTheirEdges) {
  const Box design{448, 45, 75, 25};
  struct Case {
    const char* what;
    unsigned anchors;
    Box expected;  // in a container 100 wider and 20 taller than designed
  } cases[] = {
      {"no anchors given: left and top", kAnchorsDefault, {448, 45, 75, 25}},
      {"left, top and right: stretches", kAnchorLeft | kAnchorTop | kAnchorRight,
       {448, 45, 175, 25}},
      {"top and right: moves right", kAnchorTop | kAnchorRight, {548, 45, 75, 25}},
      {"right and bottom: moves both ways", kAnchorRight | kAnchorBottom, {548, 65, 75, 25}},
      {"all four: stretches both ways", kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom,
       {448, 45, 175, 45}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<Box> boxes = LayOut({{design, Align::None, c.anchors}}, {528, 73}, {628, 93});
    EXPECT_EQ(boxes[0], c.expected);
  }
}

TEST(LayOut, AStretchedControlNeverGetsANegativeWidth) {
  std::vector<Box> boxes = LayOut({{{8, 32, 481, 21}, Align::None, kAnchorLeft | kAnchorRight}},
                                  {528, 313}, {20, 313});
  EXPECT_EQ(boxes[0].width, 0);
}

// At its design size every container of the window must come out exactly as
// designed; a strip whose height does not add up, or a control outside its
// parent, shows here.
TEST(Form1Design, LaysOutAsDesignedAtTheDesignSize) {
  auto designSizeOf = [](const char* name) -> Size {
    if (std::strcmp(name, kForm1.name) == 0) return kForm1.client;
    const ControlDesign* design = FindDesign(name);
    return {design->bounds.width, design->bounds.height};
  };
  std::set<std::string> containers;
  for (const ControlDesign& control : Form1Controls()) containers.insert(control.parent);

  for (const std::string& container : containers) {
    if (container == "PageControl1") continue;  // pages cover the tab control's page area
    SCOPED_TRACE(container);
    std::vector<LayoutRule> rules;
    std::vector<const ControlDesign*> children;
    for (const ControlDesign& control : Form1Controls()) {
      if (container != control.parent) continue;
      rules.push_back({control.bounds, control.align, control.anchors});
      children.push_back(&control);
    }
    Size size = designSizeOf(container.c_str());
    std::vector<Box> boxes = LayOut(rules, size, size);
    for (size_t i = 0; i < children.size(); ++i) {
      SCOPED_TRACE(children[i]->name);
      EXPECT_EQ(boxes[i], children[i]->bounds);
      EXPECT_LE(boxes[i].left + boxes[i].width, size.width);
      EXPECT_LE(boxes[i].top + boxes[i].height, size.height);
    }
  }
}

TEST(Form1Design, EveryParentIsTheWindowOrAContainerBeforeItsChildren) {
  std::set<std::string> created = {kForm1.name};
  for (const ControlDesign& control : Form1Controls()) {
    EXPECT_TRUE(created.count(control.parent)) << control.name << " in " << control.parent;
    EXPECT_TRUE(created.insert(control.name).second) << control.name << " twice";
  }
}

}  // namespace
}  // namespace kelmarin
