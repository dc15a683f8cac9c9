#include "platform/win32/ui/check_list_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/errors.h"

namespace kelmarin::win32 {
namespace {

const int kListId = 101;

// A plain top-level window that, like every container of the program,
// reflects what it hears about its children to their wrappers first.
LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (Control::Reflect(hwnd, message, wParam, lParam, &result)) return result;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// One container for the whole run, shown once: under Wine every shown
// top-level window takes seconds to destroy.
HWND Container() {
  static HWND container = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ContainerProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "KelmarinListTestContainer";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Test", WS_OVERLAPPEDWINDOW, 50, 50,
                                  420, 320, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    return window;
  }();
  return container;
}

// A tick list in the shown container that counts the user's selections.
class ListWindow {
 public:
  explicit ListWindow(const std::vector<Text>& titles = {}) {
    RECT bounds{0, 0, 300, 200};
    list.Create(Container(), kListId, bounds, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                WS_TABSTOP, WS_EX_CLIENTEDGE);
    list.onUserSelect = [this] { ++userSelections; };
    for (const Text& title : titles) list.Add(title);
    SetFocus(list.Handle());
  }
  ListWindow(const ListWindow&) = delete;
  ListWindow& operator=(const ListWindow&) = delete;
  ~ListWindow() { DestroyWindow(list.Handle()); }

  HWND List() const { return list.Handle(); }

  RECT ItemRect(int index) const {
    RECT item{};
    SendMessageA(List(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item;
  }
  POINT TickBoxOf(int index) const {
    RECT item = ItemRect(index);
    return POINT{item.left + 7, (item.top + item.bottom) / 2};
  }
  POINT TextOf(int index) const {
    RECT item = ItemRect(index);
    return POINT{item.left + 100, (item.top + item.bottom) / 2};
  }

  void Click(POINT at) const {
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  }
  // A key that types no character, as the arrow and paging keys arrive.
  void Key(UINT virtualKey) const {
    SendMessageA(List(), WM_KEYDOWN, virtualKey, 1);
    SendMessageA(List(), WM_KEYUP, virtualKey, 0xC0000001);
  }
  void Type(const Text& characters) const {
    for (char c : characters) {
      SendMessageA(List(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
  }
  void Space() const {
    SendMessageA(List(), WM_KEYDOWN, VK_SPACE, 1);
    SendMessageA(List(), WM_CHAR, ' ', 1);
    SendMessageA(List(), WM_KEYUP, VK_SPACE, 0xC0000001);
  }

  CheckListBox list;
  int userSelections = 0;
};

const std::vector<Text> kTitles = {"Склад", "Бухгалтерия 2005", "бухгалтерия тест", "Зарплата",
                                   "Ёлка", "Trade & Co"};

TEST(CheckListBox, KeepsTitlesInOrderAddedAndTicksPerItem) {
  const Text longest(259, 'Ж');
  const std::vector<Text> titles = {"Яблоко", "Архив", "", "Trade & Co", longest, "Архив"};
  ListWindow window;
  for (size_t i = 0; i < titles.size(); ++i) {
    EXPECT_EQ(window.list.Add(titles[i]), static_cast<int>(i));
  }
  ASSERT_EQ(window.list.Count(), static_cast<int>(titles.size()));
  for (size_t i = 0; i < titles.size(); ++i) {
    EXPECT_EQ(window.list.ItemText(static_cast<int>(i)), titles[i]) << "item " << i;
    EXPECT_FALSE(window.list.Checked(static_cast<int>(i))) << "item " << i;
  }
  EXPECT_EQ(window.list.Selected(), -1);

  window.list.SetChecked(1, true);
  window.list.SetChecked(4, true);
  window.list.SetChecked(4, false);
  EXPECT_TRUE(window.list.Checked(1));
  EXPECT_FALSE(window.list.Checked(4));
  EXPECT_FALSE(window.list.Checked(5)) << "the twin title keeps its own tick";
  EXPECT_FALSE(window.list.Checked(99));
  EXPECT_EQ(window.list.ItemText(99), "");
  EXPECT_EQ(window.userSelections, 0);
}

// The list box answers LB_ADDSTRING with an error, as a full one does.
LRESULT CALLBACK RefusingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto next = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "TestNextProc"));
  if (message == LB_ADDSTRING) return reinterpret_cast<LRESULT>(GetPropA(hwnd, "TestAnswer"));
  return CallWindowProcA(next, hwnd, message, wParam, lParam);
}

TEST(CheckListBox, RefusedAddThrowsListInsertError) {
  for (LRESULT answer : {static_cast<LRESULT>(LB_ERR), static_cast<LRESULT>(LB_ERRSPACE)}) {
    ListWindow window({"Склад"});
    HWND list = window.List();
    SetPropA(list, "TestAnswer", reinterpret_cast<HANDLE>(answer));
    SetPropA(list, "TestNextProc", reinterpret_cast<HANDLE>(GetWindowLongPtrA(list, GWLP_WNDPROC)));
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefusingProc));

    EXPECT_THROW(window.list.Add("Зарплата"), ListInsertError) << "answer " << answer;
    EXPECT_EQ(window.list.Count(), 1);

    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropA(list, "TestNextProc")));
  }
}

TEST(CheckListBox, ClickOnTickBoxTogglesSelectsAndNotifiesOnce) {
  ListWindow window(kTitles);
  window.list.Select(0);

  window.Click(window.TickBoxOf(2));
  EXPECT_TRUE(window.list.Checked(2));
  EXPECT_EQ(window.list.Selected(), 2);
  EXPECT_EQ(window.userSelections, 1);
  EXPECT_FALSE(window.list.Checked(0));
  EXPECT_FALSE(window.list.Checked(1));

  window.Click(window.TickBoxOf(2));
  EXPECT_FALSE(window.list.Checked(2));
  EXPECT_EQ(window.list.Selected(), 2);
}

TEST(CheckListBox, ClickOnTextSelectsWithoutTicking) {
  ListWindow window(kTitles);

  window.Click(window.TextOf(3));
  EXPECT_EQ(window.list.Selected(), 3);
  EXPECT_EQ(window.userSelections, 1);
  for (int i = 0; i < window.list.Count(); ++i) EXPECT_FALSE(window.list.Checked(i)) << i;
}

TEST(CheckListBox, ClickBelowTheLastItemTicksNothing) {
  ListWindow window({"Склад", "Зарплата"});
  RECT last = window.ItemRect(1);

  window.Click(POINT{last.left + 7, last.bottom + 20});
  EXPECT_FALSE(window.list.Checked(0));
  EXPECT_FALSE(window.list.Checked(1));
}

TEST(CheckListBox, SpaceTogglesTheSelectedItemWithoutSearching) {
  ListWindow window(kTitles);
  window.list.Select(3);

  window.Space();
  EXPECT_TRUE(window.list.Checked(3));
  EXPECT_EQ(window.list.Selected(), 3);
  window.Space();
  EXPECT_FALSE(window.list.Checked(3));
  EXPECT_EQ(window.userSelections, 0);
}

TEST(CheckListBox, SpaceWithNothingSelectedTicksNothing) {
  ListWindow window(kTitles);
  window.Type(" ");
  EXPECT_EQ(window.list.Selected(), -1);
  EXPECT_EQ(window.userSelections, 0);
  for (int i = 0; i < window.list.Count(); ++i) EXPECT_FALSE(window.list.Checked(i)) << i;
}

TEST(CheckListBox, NavigationKeysSelectAndNotify) {
  struct Case {
    UINT key;
    int expected;
  };
  for (Case c : {Case{VK_DOWN, 2}, Case{VK_UP, 0}, Case{VK_END, 5}, Case{VK_HOME, 0}}) {
    ListWindow window(kTitles);
    window.list.Select(1);
    window.Key(c.key);
    EXPECT_EQ(window.list.Selected(), c.expected) << "key " << c.key;
    EXPECT_EQ(window.userSelections, 1) << "key " << c.key;
  }
}

TEST(CheckListBox, TypingSelectsTheFirstTitleThatBeginsWithIt) {
  struct Case {
    Text typed;
    int expected;
    int selections;
  };
  const Case cases[] = {
      {"б", 1, 1},                   // first of two matches, other case
      {"БУХГАЛТЕРИЯ", 1, 11},        // every letter selects again
      {"зАР", 3, 3},                 // mixed case
      {"ё", 4, 1},                   // Ё lies outside the А..я block
      {"t", 5, 1},                   // Latin letters fold too
      {"зх", 3, 1},                  // no match leaves the selection alone
      {"ю", -1, 0},                  // nothing matches at all
      {"Trade & Co", 5, 5},          // a space toggles, it is not part of the search
  };
  for (const Case& c : cases) {
    ListWindow window(kTitles);
    window.Type(c.typed);
    EXPECT_EQ(window.list.Selected(), c.expected) << c.typed;
    EXPECT_EQ(window.userSelections, c.selections) << c.typed;
  }
}

TEST(CheckListBox, PauseInTypingStartsANewSearch) {
  ListWindow window(kTitles);
  window.Type("б");
  Sleep(700);
  window.Type("з");
  EXPECT_EQ(window.list.Selected(), 3);
}

TEST(CheckListBox, BackspaceShortensTheSearchAndWhenEmptySelectsTheFirstItem) {
  ListWindow window(kTitles);
  window.Type("зх");
  ASSERT_EQ(window.list.Selected(), 3);
  ASSERT_EQ(window.userSelections, 1);

  window.Type("\b");
  EXPECT_EQ(window.list.Selected(), 3);
  EXPECT_EQ(window.userSelections, 2);

  window.Type("\b");
  EXPECT_EQ(window.list.Selected(), 0);
  EXPECT_EQ(window.userSelections, 3);

  window.Type("ё");
  EXPECT_EQ(window.list.Selected(), 4) << "the search starts again from nothing";
}

TEST(CheckListBox, BackspaceInAnEmptyListStillNotifies) {
  ListWindow window;
  window.Type("\b");
  EXPECT_EQ(window.list.Selected(), -1);
  EXPECT_EQ(window.userSelections, 1);
}

TEST(CheckListBox, SelectFromTheProgramDoesNotNotify) {
  ListWindow window(kTitles);
  window.list.Select(2);
  EXPECT_EQ(window.list.Selected(), 2);
  window.list.Select(-1);
  EXPECT_EQ(window.list.Selected(), -1);
  EXPECT_EQ(window.userSelections, 0);
}

// Renders the list into a bitmap the way it paints itself on screen.
class Snapshot {
 public:
  explicit Snapshot(HWND list) {
    RECT client;
    GetClientRect(list, &client);
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT | PRF_ERASEBKGND);
  }
  Snapshot(const Snapshot&) = delete;
  Snapshot& operator=(const Snapshot&) = delete;
  ~Snapshot() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  std::vector<COLORREF> Block(const RECT& area) const {
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) pixels.push_back(At(x, y));
    }
    return pixels;
  }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

int FontHeight(HWND window) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return metrics.tmHeight;
}

TEST(CheckListBox, PaintsTicksAndSelection) {
  ListWindow window(kTitles);
  window.list.SetChecked(0, true);
  window.list.Select(2);
  ASSERT_TRUE(UpdateWindow(Container()));

  Snapshot shot(window.List());
  RECT ticked = window.ItemRect(0);
  RECT unticked = window.ItemRect(1);
  EXPECT_GE(ticked.bottom - ticked.top, FontHeight(window.List()) + 2) << "room for the text";
  EXPECT_GE(ticked.bottom - ticked.top, 13 + 2) << "room for the tick box";
  auto tickColumn = [](RECT item) { return RECT{item.left, item.top, item.left + 18, item.bottom}; };
  EXPECT_NE(shot.Block(tickColumn(ticked)), shot.Block(tickColumn(unticked)));
  EXPECT_NE(shot.Block(tickColumn(unticked)),
            std::vector<COLORREF>(shot.Block(tickColumn(unticked)).size(), GetSysColor(COLOR_WINDOW)))
      << "an unticked item still shows its box";

  RECT selected = window.ItemRect(2);
  int middle = (selected.top + selected.bottom) / 2;
  EXPECT_EQ(shot.At(selected.right - 3, middle), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(shot.At(unticked.right - 3, (unticked.top + unticked.bottom) / 2),
            GetSysColor(COLOR_WINDOW));
}

}  // namespace
}  // namespace kelmarin::win32
