// The application shell around the window: the error box, closing, the
// start-up show requests, minimising, and a whole run through the window.
#include <string>

#include "app/box_watcher.h"
#include "app/form_fixture.h"
#include "platform/errors.h"
#include "support/stand_in.h"

namespace kelmarin {
namespace {

TEST_F(FormTest, ErrorsOfAHandlerEndInTheErrorBoxAndTheLoopGoesOn) {
  Start();
  BoxWatcher watcher;
  struct Case {
    std::function<void()> fail;
    const char* shown;
  } cases[] = {
      {[] { throw InOutError(101); }, "Disk full."},
      {[] { throw Error("Done."); }, "Done."},
      {[] { throw Error("Why?"); }, "Why?."},
      {[] { throw std::runtime_error("bad thing"); }, "bad thing."},
  };
  for (const Case& c : cases) {
    bool after = false;
    app->Dispatch([&] {
      c.fail();
      after = true;
    });
    EXPECT_FALSE(after);
  }
  std::vector<SeenBox> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), std::size(cases));
  for (size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].caption, "Kelmarin");
    EXPECT_EQ(seen[i].text, cases[i].shown);
    EXPECT_EQ(seen[i].owner, Form());
    EXPECT_FALSE(seen[i].ownerEnabled);  // the window takes no input meanwhile
  }
  EXPECT_TRUE(IsWindowEnabled(Form()));
  EXPECT_FALSE(app->QuitRequested());
}

TEST_F(FormTest, ASettingsFileThatCannotBeOpenedSkipsTheCatalogueButTheWindowOpens) {
  storage.files[kSettingsPath] = Bytes(584, 0);
  storage.heldOpen.insert(kSettingsPath);
  BoxWatcher watcher;
  Start();
  std::vector<SeenBox> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text.rfind("Cannot open file \"C:\\Kelmarin\\settings.opt\".", 0), 0u)
      << seen[0].text;
  EXPECT_EQ(form->ItemCount(), 0);
  EXPECT_TRUE(IsWindowVisible(Form()));
  storage.heldOpen.clear();  // lets the end of the test save without a box
}

TEST_F(FormTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheProgramStillEnds) {
  Start();
  storage.heldOpen.insert(kSettingsPath);
  BoxWatcher watcher;
  app->EndSequence();
  std::vector<SeenBox> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text.rfind("Cannot create file", 0), 0u) << seen[0].text;
  EXPECT_FALSE(IsWindow(Form()));
}

TEST_F(FormTest, EveryCloseRouteAsksTheLoopToEndAndNothingMore) {
  struct Route {
    const char* name;
    std::function<void(FormTest&)> close;
  } routes[] = {
      {"Button1", [](FormTest& t) { PostMessageA(t.H("Button1"), BM_CLICK, 0, 0); }},
      {"Button4", [](FormTest& t) {
         t.form->SelectNextPage(false);
         PostMessageA(t.H("Button4"), BM_CLICK, 0, 0);
       }},
      {"title bar close box",
       [](FormTest& t) { PostMessageA(t.Form(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Alt+F4", [](FormTest& t) { PostMessageA(t.Form(), WM_SYSKEYDOWN, VK_F4, 1 << 29); }},
      {"taskbar close", [](FormTest& t) { PostMessageA(t.app->Handle(), WM_CLOSE, 0, 0); }},
      {"log off", [](FormTest& t) {
         EXPECT_TRUE(SendMessageA(t.Form(), WM_QUERYENDSESSION, 0, 0));
         PostMessageA(t.Form(), WM_CLOSE, 0, 0);
       }},
  };
  for (const Route& route : routes) {
    SCOPED_TRACE(route.name);
    Start();
    route.close(*this);
    Pump();
    EXPECT_TRUE(app->QuitRequested());
    // Nothing is closed yet: the end sequence does that after the loop.
    EXPECT_TRUE(IsWindowVisible(Form()));
    Stop();
  }
}

TEST_F(FormTest, ShowRequestsOfTheStartOverrideTheStateOfTheWindow) {
  Start(SW_SHOWMAXIMIZED);
  EXPECT_TRUE(IsZoomed(Form()));
  EXPECT_EQ(form->State(), WindowState::Maximized);
  Stop();

  Start(SW_SHOWMINNOACTIVE);
  EXPECT_FALSE(IsWindowVisible(Form()));
  EXPECT_TRUE(IsIconic(app->Handle()));
  EXPECT_EQ(form->State(), WindowState::Minimized);
  // Restoring the program shows the window in the normal state.
  SendMessageA(app->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  EXPECT_TRUE(IsWindowVisible(Form()));
  EXPECT_FALSE(IsZoomed(Form()));
  EXPECT_EQ(form->State(), WindowState::Normal);
}

TEST_F(FormTest, TheWindowStateFromTheSettingsFileTakesEffectAtTheFirstShow) {
  struct Case {
    unsigned char stateByte;
    bool shown;
    bool zoomed;
  } cases[] = {{1, false, false}, {2, true, true}, {7, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int{c.stateByte});
    Bytes record(584, 0);
    record[564] = 255;
    record[566] = c.stateByte;
    const int bounds[] = {136, 111, 375, 544};  // left, top, height, width
    for (int i = 0; i < 4; ++i) {
      for (int b = 0; b < 4; ++b) record[568 + 4 * i + b] = (bounds[i] >> (8 * b)) & 0xFF;
    }
    storage.files[kSettingsPath] = record;
    Start();
    EXPECT_EQ(IsWindowVisible(Form()) != FALSE, c.shown);
    EXPECT_EQ(IsIconic(app->Handle()) != FALSE, !c.shown);
    EXPECT_EQ(IsZoomed(Form()) != FALSE, c.zoomed);
    Stop();
  }
}

TEST_F(FormTest, MinimisingHidesTheWindowAndKeepsItsState) {
  Start(SW_SHOWMAXIMIZED);
  // The taskbar button is the application window's, with its title.
  EXPECT_EQ(TextOfWindow(app->Handle()), "Kelmarin");
  EXPECT_EQ(GetWindow(Form(), GW_OWNER), app->Handle());
  EXPECT_TRUE(IsWindowVisible(app->Handle()));

  SendMessageA(Form(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(Form()));
  EXPECT_TRUE(IsIconic(app->Handle()));
  EXPECT_EQ(form->State(), WindowState::Maximized);

  SendMessageA(app->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  EXPECT_TRUE(IsWindowVisible(Form()));
  EXPECT_TRUE(IsZoomed(Form()));
}

// Two infobases archived by the stand-in archiver, with a close request
// waiting when the run handles its messages: the run goes on to its end and
// its completion message, and the loop is asked to end only then.
TEST_F(FormTest, ARunThroughTheWindowFinishesEvenWhenClosedMeanwhile) {
  test_support::TempFolder temp;
  Text first = temp / "first", second = temp / "second", target = temp / "target";
  for (const Text& dir : {first, second, target}) ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
  Text log = temp / "log.txt";
  test_support::ScopedEnvironment logTo(test_support::kLogVariable, log);
  registry.values = {{first, Sz("Первая")}, {second, Sz("Вторая")}};
  Start();
  form->SetFieldText(Field::Edit1, test_support::StandInPath());
  form->SetFieldText(Field::Edit4, target);
  form->CheckListBox1.SetChecked(0, true);
  form->CheckListBox1.SetChecked(1, true);
  EXPECT_TRUE(GetWindowLongA(Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);

  BoxWatcher watcher;
  PostMessageA(Form(), WM_CLOSE, 0, 0);
  SendMessageA(H("Button2"), BM_CLICK, 0, 0);

  EXPECT_EQ(test_support::ReadLogLines(log).size(), 2u);
  std::vector<SeenBox> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, "Архивация БД");
  EXPECT_EQ(seen[0].text.rfind("Архивация завершена.", 0), 0u) << seen[0].text;
  EXPECT_TRUE(app->QuitRequested());
  EXPECT_FALSE(GetWindowLongA(Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(IsWindowVisible(H("ProgressBar1")));
  EXPECT_FALSE(IsWindowVisible(H("Label8")));
  EXPECT_EQ(form->FieldText(Field::Edit4), target + "\\");
  EXPECT_EQ(TextOfWindow(H("Label2")), second);
}

}  // namespace
}  // namespace kelmarin

namespace kelmarin {
namespace {

// The "..." button's open dialog, answered from the watcher's thread: a
// cancel leaves Edit1 alone, a confirmed file replaces even a loaded path,
// and the next opening starts from the file chosen last.
TEST_F(FormTest, TheOpenDialogPutsTheChosenFileIntoEdit1) {
  test_support::TempFolder temp;
  Text archiver = temp / "rar.exe";
  ASSERT_TRUE(test_support::WriteTextFile(archiver, "MZ"));
  struct Opening {
    Text initialName;
    bool readOnlyShownAndTicked = false;
  };
  Lock lock;
  std::vector<Opening> openings;
  Text choose;  // empty: cancel
  BoxWatcher watcher([&](HWND box) {
    const int kReadOnlyBox = 0x410, kNameCombo = 0x47C, kNameEdit = 0x480;
    HWND readOnly = GetDlgItem(box, kReadOnlyBox);
    if (!readOnly) return false;
    HWND name = GetDlgItem(box, kNameCombo);
    if (!name) name = GetDlgItem(box, kNameEdit);
    Opening opening{TextOf(name), IsWindowVisible(readOnly) &&
                                      SendMessageA(readOnly, BM_GETCHECK, 0, 0) == BST_CHECKED};
    Lock::Held held(lock);
    openings.push_back(opening);
    if (choose.empty()) {
      PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    } else {
      SetWindowTextA(name, choose.c_str());
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return true;
  });
  Start();
  form->SelectNextPage(false);
  form->SetFieldText(Field::Edit1, "D:\\loaded\\rar.exe");

  SendMessageA(H("Button3"), BM_CLICK, 0, 0);
  EXPECT_EQ(form->FieldText(Field::Edit1), "D:\\loaded\\rar.exe");

  {
    Lock::Held held(lock);
    choose = archiver;
  }
  SendMessageA(H("Button3"), BM_CLICK, 0, 0);
  EXPECT_EQ(form->FieldText(Field::Edit1), archiver);

  {
    Lock::Held held(lock);
    choose.clear();
  }
  SendMessageA(H("Button3"), BM_CLICK, 0, 0);
  EXPECT_EQ(form->FieldText(Field::Edit1), archiver);

  Lock::Held held(lock);
  ASSERT_EQ(openings.size(), 3u);
  EXPECT_EQ(openings[0].initialName, "");
  EXPECT_NE(openings[2].initialName.find("rar.exe"), Text::npos) << openings[2].initialName;
  for (const Opening& opening : openings) EXPECT_TRUE(opening.readOnlyShownAndTicked);
  EXPECT_TRUE(watcher.Seen().size() >= 3u);
}

}  // namespace
}  // namespace kelmarin
