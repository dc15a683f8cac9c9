// The main window's pages, controls, keys and layout.
#include <string>

#include "app/form_fixture.h"

namespace kelmarin {
namespace {

TEST_F(FormTest, ShowsTwoTabsAndCtrlTabNeverReachesTheHiddenPage) {
  Start();
  HWND tabs = H("PageControl1");
  ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(form->PageControl1.TabText(0), "Архивация");
  EXPECT_EQ(form->PageControl1.TabText(1), "Настройки");
  EXPECT_TRUE(IsWindowVisible(H("TabSheet1")));
  EXPECT_FALSE(IsWindowVisible(H("TabSheet2")));
  EXPECT_FALSE(IsWindowVisible(H("TabSheet3")));

  struct Step {
    bool shift;
    int page;
  } steps[] = {{false, 2}, {false, 0}, {false, 2}, {true, 0}, {true, 2}, {true, 0}};
  for (const Step& step : steps) {
    SetModifierKeys(true, step.shift);
    PostMessageA(tabs, WM_KEYDOWN, VK_TAB, 1);
    Pump();
    EXPECT_EQ(form->ActivePage(), step.page);
    EXPECT_TRUE(IsWindowVisible(H(step.page == 0 ? "TabSheet1" : "TabSheet3")));
    EXPECT_FALSE(IsWindowVisible(H("TabSheet2")));
  }
  SetModifierKeys(false, false);

  // A click on the second tab shows the settings page.
  RECT tab{};
  SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(tabs, WM_LBUTTONUP, 0, at);
  Pump();
  EXPECT_EQ(form->ActivePage(), 2);
  EXPECT_TRUE(IsWindowVisible(H("TabSheet3")));
  EXPECT_FALSE(IsWindowVisible(H("TabSheet1")));
}

TEST_F(FormTest, TabWalksTheTabStripAndThenTheControlsOfTheShownPage) {
  Start();
  auto focused = [this]() -> Text {
    HWND focus = GetFocus();
    if (GetParent(focus) == H("ComboBox1")) focus = H("ComboBox1");
    for (const char* name : {"PageControl1", "CheckListBox1", "Button1", "Button2", "Edit1",
                             "Button3", "Edit2", "Edit3", "Edit4", "Button4", "ComboBox1",
                             "CheckBox1"}) {
      if (focus == H(name)) return name;
    }
    return "?";
  };
  auto walk = [&](int presses) {
    std::vector<Text> names;
    for (int i = 0; i < presses; ++i) {
      PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
      Pump();
      names.push_back(focused());
    }
    return names;
  };
  SetModifierKeys(false, false);
  SetFocus(H("PageControl1"));
  EXPECT_EQ(walk(4), (std::vector<Text>{"CheckListBox1", "Button1", "Button2", "PageControl1"}));
  form->SelectNextPage(false);
  SetFocus(H("PageControl1"));
  EXPECT_EQ(walk(9), (std::vector<Text>{"Edit1", "Button3", "Edit2", "Edit3", "Edit4", "Button4",
                                        "ComboBox1", "CheckBox1", "PageControl1"}));
}

TEST_F(FormTest, ControlsAreSystemControlsWithTheirTextsAndLimits) {
  Start();
  struct Case {
    const char* name;
    const char* windowClass;
    const char* text;
    int limit;  // 0: not an edit box
    bool visible;
  } cases[] = {
      {"PageControl1", "SysTabControl32", "", 0, true},
      {"CheckListBox1", "ListBox", "", 0, true},
      {"Label1", "Static", "Выберите БД, для которых необходимо сделать резервные копии.", 0, true},
      {"Label2", "Static", "", 0, true},
      {"Button2", "Button", "Архивировать", 0, true},
      {"Label8", "Static", "Выполнено:", 0, false},
      {"ProgressBar1", "msctls_progress32", "", 0, false},
      {"Button1", "Button", "Закрыть", 0, true},
      {"Label3", "Static", "Путь RAR:", 0, true},
      {"Edit1", "Edit", "", 260, true},
      {"Button3", "Button", "...", 0, true},
      {"Label4", "Static", "Имя компьютера:", 0, true},
      {"Edit2", "Edit", "", 20, true},
      {"Label5", "Static", "Имя пользователя:", 0, true},
      {"Edit3", "Edit", "", 20, true},
      {"Label6", "Static", "Путь назначения:", 0, true},
      {"Edit4", "Edit", "", 160, true},
      {"Label7", "Static", "Метод сжатия:", 0, true},
      {"ComboBox1", "ComboBox", "", 0, true},
      {"CheckBox1", "Button", "Для каждого числа отдельная папка", 0, true},
      {"Button4", "Button", "Закрыть", 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = H(c.name);
    ASSERT_TRUE(IsWindow(hwnd));
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    EXPECT_EQ(lstrcmpiA(className, c.windowClass), 0) << className;
    EXPECT_EQ(TextOfWindow(hwnd), c.text);
    if (c.limit) {
      EXPECT_EQ(SendMessageA(hwnd, EM_GETLIMITTEXT, 0, 0), c.limit);
    }
    EXPECT_EQ((GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0, c.visible);
  }

  EXPECT_EQ(TextOfWindow(Form()), "Архивация БД 1С:Предприятие v7.7");
  EXPECT_TRUE(GetWindowLongA(Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongA(H("Edit1"), GWL_STYLE) & ES_READONLY);
  // Label2 wraps the path over its two lines.
  EXPECT_EQ(GetWindowLongA(H("Label2"), GWL_STYLE) & SS_TYPEMASK, SS_LEFT);
  EXPECT_EQ(SendMessageA(H("ComboBox1"), CB_GETCOUNT, 0, 0), 6);
  EXPECT_EQ(SendMessageA(H("ComboBox1"), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_FALSE(form->CheckBox1.Checked());
  EXPECT_EQ(SendMessageA(H("ProgressBar1"), PBM_GETRANGE, FALSE, 0), 100);
  EXPECT_EQ(SendMessageA(H("ProgressBar1"), PBM_GETPOS, 0, 0), 0);
  // The catalogue has filled the list, unticked and unselected.
  ASSERT_EQ(form->ItemCount(), 3);
  EXPECT_EQ(form->ItemText(1), "Вторая");
  EXPECT_FALSE(form->ItemTicked(1));
}

TEST_F(FormTest, TypingLimitsBindTheUserButNotTheProgram) {
  Start();
  struct Case {
    const char* name;
    Field field;
    size_t limit;
  } cases[] = {{"Edit2", Field::Edit2, 20}, {"Edit3", Field::Edit3, 20}, {"Edit4", Field::Edit4, 160}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (size_t i = 0; i < c.limit + 5; ++i) SendMessageA(H(c.name), WM_CHAR, 'a', 1);
    EXPECT_EQ(form->FieldText(c.field), Text(c.limit, 'a'));
    Text longer(c.limit + 40, 'b');
    form->SetFieldText(c.field, longer);
    EXPECT_EQ(form->FieldText(c.field), longer);
  }
  Text path(262, 'p');
  form->SetFieldText(Field::Edit1, path);
  EXPECT_EQ(form->FieldText(Field::Edit1), path);
  SendMessageA(H("Edit1"), WM_CHAR, 'x', 1);
  SendMessageA(H("Edit1"), WM_CHAR, VK_BACK, 1);
  EXPECT_EQ(form->FieldText(Field::Edit1), path);
}

TEST_F(FormTest, NameFieldsDropReservedCharactersAsTheyAreTyped) {
  Start();
  struct Case {
    char key;
    bool kept;
  } cases[] = {{'.', false}, {'\\', false}, {'*', false}, {'-', true}, {'я', true}, {'Z', true}};
  for (const char* name : {"Edit2", "Edit3"}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(name) + " key " + c.key);
      SetWindowTextA(H(name), "");
      SendMessageA(H(name), WM_CHAR, static_cast<unsigned char>(c.key), 1);
      EXPECT_EQ(TextOfWindow(H(name)), c.kept ? Text(1, c.key) : Text());
    }
  }
}

TEST_F(FormTest, ClickingTheTickBoxOfAnotherItemTicksItAndShowsItsPath) {
  Start();
  RECT item{};
  ASSERT_NE(SendMessageA(H("CheckListBox1"), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item)),
            LB_ERR);
  LPARAM at = MAKELPARAM(item.left + 8, (item.top + item.bottom) / 2);
  PostMessageA(H("CheckListBox1"), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(H("CheckListBox1"), WM_LBUTTONUP, 0, at);
  Pump();
  EXPECT_TRUE(form->ItemTicked(1));
  EXPECT_EQ(form->SelectedItem(), 1);
  EXPECT_EQ(TextOfWindow(H("Label2")), "C:\\Bases\\Second");
}

TEST_F(FormTest, MethodBoxCompletesTypedTextToTheFirstMatchingItem) {
  Start();
  form->SelectNextPage(false);
  HWND edit = form->ComboBox1.EditHandle();
  ASSERT_TRUE(edit);
  SetFocus(edit);
  SendMessageA(edit, WM_CHAR, static_cast<unsigned char>('Х'), 1);
  SendMessageA(edit, WM_CHAR, static_cast<unsigned char>('о'), 1);
  EXPECT_EQ(form->MethodIndex(), 4);
  EXPECT_EQ(form->ComboBox1.GetText(), "Хороший");
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);  // the completed part stays selected for further typing
  EXPECT_EQ(end, 7u);
}

TEST_F(FormTest, EnterAndEscapeDoNothing) {
  Start();
  form->SelectNextPage(false);
  SetFocus(H("Edit2"));
  for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
    PostMessageA(H("Edit2"), WM_KEYDOWN, key, 1);
    PostMessageA(H("Edit2"), WM_KEYUP, key, 0xC0000001);
    Pump();
    EXPECT_FALSE(app->QuitRequested());
    EXPECT_TRUE(IsWindowVisible(Form()));
  }
}

// What the user sees after a resize: the list fills the middle of the first
// page, the edit boxes stretch, "..." and the close buttons keep to the
// right, the strips keep their heights, the rest stays where it was.
TEST_F(FormTest, ControlsKeepTheirEdgesWhenTheWindowIsResized) {
  Start();
  auto check = [this](const char* when) {
    SCOPED_TRACE(when);
    SIZE page = ClientOf(H("TabSheet1"));
    RECT panel1 = PlaceOf("Panel1"), list = PlaceOf("CheckListBox1"), panel2 = PlaceOf("Panel2");
    EXPECT_EQ(panel2.bottom - panel2.top, 33);
    EXPECT_EQ(panel1.bottom - panel1.top, 73);
    EXPECT_EQ(panel1.bottom, page.cy);
    EXPECT_EQ(list.top, 33);
    EXPECT_EQ(list.bottom, panel1.top);
    EXPECT_EQ(list.right, page.cx);
    SIZE strip = ClientOf(H("Panel1"));
    EXPECT_EQ(strip.cx - PlaceOf("Label2").right, 528 - 521);
    EXPECT_EQ(strip.cx - PlaceOf("Button1").right, 528 - 523);
    EXPECT_EQ(PlaceOf("Button2").left, 0);
    EXPECT_EQ(PlaceOf("ProgressBar1").left, 192);

    SIZE settings = ClientOf(H("TabSheet3"));
    for (const char* edit : {"Edit1", "Edit2", "Edit3", "Edit4"}) {
      EXPECT_EQ(PlaceOf(edit).left, 8) << edit;
      EXPECT_EQ(settings.cx - PlaceOf(edit).right, 528 - 489) << edit;
    }
    EXPECT_EQ(settings.cx - PlaceOf("Button3").right, 528 - 521);
    RECT panel3 = PlaceOf("Panel3");
    EXPECT_EQ(panel3.bottom - panel3.top, 57);
    EXPECT_EQ(panel3.bottom, settings.cy);
    EXPECT_EQ(ClientOf(H("Panel3")).cx - PlaceOf("Button4").right, 528 - 523);
    EXPECT_EQ(PlaceOf("ComboBox1").left, 8);
    EXPECT_EQ(PlaceOf("ComboBox1").top, 32);
    EXPECT_EQ(PlaceOf("CheckBox1").left, 192);
  };
  check("as opened");
  SetWindowPos(Form(), nullptr, 0, 0, 720, 520, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(ClientOf(H("TabSheet1")).cx, ClientOf(H("TabSheet3")).cx);
  check("after a resize");
}

}  // namespace
}  // namespace kelmarin
