#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include "catalogue/fake_catalogue_window.h"
#include "catalogue/fake_registry.h"
#include "platform/errors.h"

namespace kelmarin {
namespace {

using Texts = std::vector<Text>;

struct Loaded {
  Texts titles;
  Texts paths;
};

Loaded Load(FakeRegistry& registry) {
  FakeCatalogueWindow window;
  InfobasePaths paths{"left from before"};
  LoadCatalogue(registry, window, paths);
  return {window.items, paths};
}

TEST(LoadCatalogue, OpensTheTitlesKeyWithFullAccess) {
  FakeRegistry registry;
  Load(registry);
  EXPECT_EQ(registry.openedSubKey, "Software\\1C\\1Cv7\\7.7\\Titles");
  EXPECT_EQ(registry.openedOptions, 0u);
  EXPECT_EQ(registry.openedAccess, 0xF003Fu);
}

TEST(LoadCatalogue, TitlesAndPathsStayAlignedAndWhole) {
  const Text path259 = "C:\\" + Text(256, 'p');
  const Text title259(259, 'T');
  const Text longPath = "D:\\" + Text(397, 'q');
  const Text longTitle(600, 'Л');
  struct Case {
    const char* what;
    std::vector<FakeValue> values;
    Loaded expected;
  } cases[] = {
      {"enumeration order, not sorted",
       {{"D:\\Zeta", Sz("Зарплата")},
        {"C:\\Alpha", Sz("Бухгалтерия")},
        {"E:\\Mid", Sz("Склад")}},
       {{"Зарплата", "Бухгалтерия", "Склад"}, {"D:\\Zeta", "C:\\Alpha", "E:\\Mid"}}},
      {"duplicate titles keep their own paths",
       {{"C:\\One", Sz("База")}, {"C:\\Two", Sz("База")}, {"C:\\One", Sz("База")}},
       {{"База", "База", "База"}, {"C:\\One", "C:\\Two", "C:\\One"}}},
      {"empty string and no data give empty titles",
       {{"C:\\Empty", Sz("")}, {"C:\\None", ""}},
       {{"", ""}, {"C:\\Empty", "C:\\None"}}},
      {"259 characters fit the first read",
       {{path259, Sz(title259)}},
       {{title259}, {path259}}},
      {"a longer value is read whole and the next one is not polluted by it",
       {{longPath, Sz(longTitle)}, {"C:\\B", Sz("Бух")}, {"C:\\C", "abc"}},
       {{longTitle, "Бух", "abc"}, {longPath, "C:\\B", "C:\\C"}}},
      {"a name one past the room, data exactly 260 bytes without a zero",
       {{"C:\\" + Text(257, 'n'), Text(260, 'd')}, {"C:\\x", "ab"}},
       {{Text(260, 'd'), "ab"}, {"C:\\" + Text(257, 'n'), "C:\\x"}}},
      {"data without a zero gives exactly the bytes delivered",
       {{"C:\\A", Sz(Text(250, 'z'))}, {"C:\\B", "xy"}},
       {{Text(250, 'z'), "xy"}, {"C:\\A", "C:\\B"}}},
      {"a value lengthened twice while it is read is still read whole",
       {{"C:\\Grows", Sz("Счёт"), 2}, {"C:\\Next", Sz("Касса")}},
       {{"Счёт" + Text(2 * FakeRegistry::kGrowth, 'g'), "Касса"}, {"C:\\Grows", "C:\\Next"}}},
      {"the title ends at the first zero",
       {{"C:\\A", Sz("Учёт") + "junk"}},
       {{"Учёт"}, {"C:\\A"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeRegistry registry;
    registry.values = c.values;
    const Loaded loaded = Load(registry);
    EXPECT_EQ(loaded.titles, c.expected.titles);
    EXPECT_EQ(loaded.paths, c.expected.paths);
    EXPECT_EQ(registry.closed, std::vector<RegistryKey>{FakeRegistry::kKey});
  }
}

TEST(LoadCatalogue, StopsAtAFailureOtherThanASmallBuffer) {
  const std::vector<FakeValue> values = {
      {"C:\\First", Sz("Первая")},
      {"C:\\Second", Sz(Text(300, 's'))},
      {"C:\\Third", Sz("Третья")},
  };
  struct Case {
    const char* what;
    long failFromSecond;  // 0: the index itself does not fail
    long queryResult;
    int secondGrowingReads;
  } cases[] = {
      {"key deleted while enumerated", kRegKeyDeleted, kRegSuccess, 0},
      {"access denied at an index", kRegAccessDenied, kRegSuccess, 0},
      {"sizes of the key cannot be read", 0, kRegKeyDeleted, 0},
      {"a value that keeps growing", 0, kRegSuccess, 1000000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeRegistry registry;
    registry.values = values;
    registry.values[1].growingReads = c.secondGrowingReads;
    if (c.failFromSecond != 0) {
      registry.failFrom = 1;
      registry.failResult = c.failFromSecond;
    }
    registry.queryResult = c.queryResult;
    const Loaded loaded = Load(registry);
    EXPECT_EQ(loaded.titles, Texts{"Первая"});
    EXPECT_EQ(loaded.paths, Texts{"C:\\First"});
    EXPECT_EQ(registry.closed, std::vector<RegistryKey>{FakeRegistry::kKey});
  }
}

TEST(LoadCatalogue, KeyThatCannotBeOpenedGivesEmptyListsAndNothingToClose) {
  for (long openResult : {kRegFileNotFound, kRegAccessDenied}) {
    SCOPED_TRACE(openResult);
    FakeRegistry registry;
    registry.openResult = openResult;
    registry.values = {{"C:\\A", Sz("A")}};
    const Loaded loaded = Load(registry);
    EXPECT_TRUE(loaded.titles.empty());
    EXPECT_TRUE(loaded.paths.empty());
    EXPECT_EQ(registry.enumCalls, 0);
    EXPECT_TRUE(registry.closed.empty());
  }
}

TEST(LoadCatalogue, RefusedItemKeepsPairsSoFarAndClosesTheKey) {
  FakeRegistry registry;
  registry.values = {{"C:\\A", Sz("A")}, {"C:\\B", Sz("B")}, {"C:\\C", Sz("C")}};
  FakeCatalogueWindow window;
  window.capacity = 2;
  InfobasePaths paths;
  EXPECT_THROW(LoadCatalogue(registry, window, paths), ListInsertError);
  EXPECT_EQ(window.items, (Texts{"A", "B"}));
  EXPECT_EQ(paths, (Texts{"C:\\A", "C:\\B"}));
  EXPECT_EQ(registry.closed, std::vector<RegistryKey>{FakeRegistry::kKey});
}

TEST(ShowSelectedPath, ShowsThePathOfTheSelectedItemOnly) {
  const InfobasePaths paths = {"C:\\Бух", "D:\\Зарплата", "E:\\Склад"};
  struct Case {
    int selected;
    std::optional<Text> caption;  // nullopt: Label2 untouched
  } cases[] = {
      {0, "C:\\Бух"}, {1, "D:\\Зарплата"}, {2, "E:\\Склад"},
      {-1, std::nullopt}, {3, std::nullopt}, {-2, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected);
    FakeCatalogueWindow window;
    window.selected = c.selected;
    EXPECT_NO_THROW(ShowSelectedPath(window, paths));
    EXPECT_EQ(window.pathCaption, c.caption);
  }
}

TEST(ShowSelectedPath, EmptyListWithNothingSelectedLeavesTheCaption) {
  FakeCatalogueWindow window;
  window.pathCaption = "C:\\Earlier";
  ShowSelectedPath(window, {});
  EXPECT_EQ(window.pathCaption, "C:\\Earlier");
}

TEST(ShowSelectedPath, SecondLoadedItemShowsTheSecondValuesName) {
  FakeRegistry registry;
  registry.values = {{"C:\\A", Sz("A")}, {"C:\\B", Sz("B")}, {"C:\\C", Sz("C")}};
  FakeCatalogueWindow window;
  InfobasePaths paths;
  LoadCatalogue(registry, window, paths);
  window.selected = 1;
  ShowSelectedPath(window, paths);
  EXPECT_EQ(window.pathCaption, "C:\\B");
}

}  // namespace
}  // namespace kelmarin
