#include "app/form1.h"

#include <cstring>

#include "app/application.h"
#include "archiving/archiving_run.h"
#include "archiving/file_name_rules.h"
#include "catalogue/catalogue.h"

namespace kelmarin {

namespace {

constexpr int kFirstControlId = 100;
constexpr COLORREF kHeadingColour = RGB(255, 0, 0);
// A label sized to its text gets a few pixels more than the text measures:
// the themed static control draws a little wider, and would otherwise cut
// off the last character.
constexpr int kAutoSizeSlack = 3;

bool Is(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

RECT ToRect(const Box& box) {
  return RECT{box.left, box.top, box.left + box.width, box.top + box.height};
}

HFONT MakeFont(int height, int weight, const char* face) {
  return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace

TForm1::TForm1(Application& application, System& system, Registry& registry,
               SettingsStorage& storage)
    : application_(application), system_(system), registry_(registry), storage_(storage) {}

TForm1::~TForm1() {
  form_.Destroy();
  for (HFONT font : {font_, boldFont_, headingFont_}) {
    if (font) DeleteObject(font);
  }
}

win32::Control* TForm1::Named(const char* name) {
  struct Entry {
    const char* name;
    win32::Control* control;
  };
  const Entry entries[] = {
      {"PageControl1", &PageControl1}, {"TabSheet1", &TabSheet1}, {"TabSheet2", &TabSheet2},
      {"TabSheet3", &TabSheet3},       {"Panel1", &Panel1},       {"Panel2", &Panel2},
      {"Panel3", &Panel3},             {"Label1", &Label1},       {"Label2", &Label2},
      {"Label3", &Label3},             {"Label4", &Label4},       {"Label5", &Label5},
      {"Label6", &Label6},             {"Label7", &Label7},       {"Label8", &Label8},
      {"Edit1", &Edit1},               {"Edit2", &Edit2},         {"Edit3", &Edit3},
      {"Edit4", &Edit4},               {"Button1", &Button1},     {"Button2", &Button2},
      {"Button3", &Button3},           {"Button4", &Button4},     {"CheckListBox1", &CheckListBox1},
      {"ComboBox1", &ComboBox1},       {"CheckBox1", &CheckBox1}, {"ProgressBar1", &ProgressBar1},
  };
  for (const Entry& entry : entries) {
    if (Is(entry.name, name)) return entry.control;
  }
  return nullptr;
}

HWND TForm1::ControlHandle(const char* name) const {
  if (Is(name, kForm1.name)) return form_.Handle();
  win32::Control* control = const_cast<TForm1*>(this)->Named(name);
  return control ? control->Handle() : nullptr;
}

const TForm1::Item* TForm1::FindItem(const char* name) const {
  for (const Item& item : items_) {
    if (Is(item.design->name, name)) return &item;
  }
  return nullptr;
}

int TForm1::Scale(int value) const { return MulDiv(value, dpi_, 96); }

// The pages of the page control are children of the window itself, placed
// over the control's page area and above it, so that the tab strip and the
// controls of the shown page are one ring of tab stops.
HWND TForm1::ParentWindow(const ControlDesign& design) const {
  if (Is(design.parent, kForm1.name) || Is(design.parent, "PageControl1")) return form_.Handle();
  return ControlHandle(design.parent);
}

void TForm1::Create() {
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  font_ = MakeFont(Scale(kForm1.fontHeight), FW_NORMAL, kForm1.fontName);
  boldFont_ = MakeFont(Scale(kForm1.fontHeight), FW_BOLD, kForm1.fontName);
  headingFont_ = MakeFont(Scale(kForm1.headingFontHeight), FW_BOLD, kForm1.fontName);

  form_.onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return OnMessage(message, wParam, lParam, result);
  };
  form_.onResize = [this] {
    LayOutChildren(kForm1.name);
    LayOutPages();
  };
  const Box& outer = kForm1.bounds;
  form_.Create(application_.Handle(), 0,
               RECT{outer.left, outer.top, outer.left + Scale(outer.width),
                    outer.top + Scale(outer.height)},
               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_TOPMOST, kForm1.caption);
  SendMessageA(form_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON")) {
    SendMessageA(form_.Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(form_.Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }

  for (const ControlDesign& design : Form1Controls()) {
    const Box& b = design.bounds;
    items_.push_back(Item{&design, Named(design.name),
                          Box{Scale(b.left), Scale(b.top), Scale(b.width), Scale(b.height)}});
  }
  for (size_t i = 0; i < items_.size(); ++i) {
    CreateControl(items_[i], kFirstControlId + static_cast<int>(i));
  }
  SetWindowPos(PageControl1.Handle(), HWND_BOTTOM, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  WireHandlers();

  LayOutChildren(kForm1.name);
  LayOutPages();
  for (const Item& item : items_) {
    if (item.design->kind == ControlKind::TabSheet || item.design->kind == ControlKind::Panel) {
      LayOutChildren(item.design->name);
    }
  }
  ShowPage(0);
  focusBeforeDeactivation_ = PageControl1.Handle();

  application_.Dispatch([this] { FormCreate(&form_); });
}

void TForm1::CreateControl(Item& item, int id) {
  const ControlDesign& design = *item.design;
  HWND parent = ParentWindow(design);
  RECT bounds = ToRect(item.bounds);
  DWORD visible = (design.options & kHiddenAtStart) ? 0 : WS_VISIBLE;
  const char* name = design.name;

  switch (design.kind) {
    case ControlKind::PageControl:
      PageControl1.Create(parent, id, bounds, font_, visible | WS_TABSTOP | WS_CLIPSIBLINGS);
      break;
    case ControlKind::TabSheet: {
      auto* page = static_cast<win32::Container*>(item.control);
      page->onResize = [this, name] { LayOutChildren(name); };
      page->Create(parent, id, bounds, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                   WS_EX_CONTROLPARENT);
      if (!(design.options & kTabHidden)) {
        tabPages_.push_back(static_cast<int>(pages_.size()));
        PageControl1.AddTab(design.text);
      }
      pages_.push_back(page);
      break;
    }
    case ControlKind::Panel: {
      auto* panel = static_cast<win32::Container*>(item.control);
      panel->onResize = [this, name] { LayOutChildren(name); };
      panel->Create(parent, id, bounds, WS_CHILD | visible | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                    WS_EX_CONTROLPARENT);
      break;
    }
    case ControlKind::Label: {
      auto* label = static_cast<win32::Label*>(item.control);
      bool heading = design.options & kHeadingFont;
      DWORD wrap = (design.options & kWordWrap) ? SS_LEFT : SS_LEFTNOWORDWRAP;
      label->Create(parent, id, bounds, heading ? headingFont_ : font_, design.text,
                    visible | wrap | SS_NOPREFIX);
      if (heading) label->SetTextColor(kHeadingColour);
      if (design.options & kAutoSize) {
        SIZE extent = label->TextExtent();
        item.bounds.width = extent.cx + Scale(kAutoSizeSlack);
        item.bounds.height = extent.cy;
        win32::PlaceWindow(label->Handle(), ToRect(item.bounds));
      }
      break;
    }
    case ControlKind::Edit: {
      auto* edit = static_cast<win32::Edit*>(item.control);
      DWORD readOnly = (design.options & kReadOnly) ? ES_READONLY : 0;
      edit->Create(parent, id, bounds, font_, visible | WS_TABSTOP | readOnly, WS_EX_CLIENTEDGE);
      if (design.maxLength > 0) edit->SetLimit(design.maxLength);
      break;
    }
    case ControlKind::Button: {
      HFONT font = (design.options & kBoldFont) ? boldFont_ : font_;
      static_cast<win32::Button*>(item.control)
          ->Create(parent, id, bounds, font, design.text, visible | WS_TABSTOP);
      break;
    }
    case ControlKind::CheckListBox:
      CheckListBox1.Create(parent, id, bounds, font_, visible | WS_TABSTOP | WS_VSCROLL,
                           WS_EX_CLIENTEDGE);
      break;
    case ControlKind::ComboBox:
      ComboBox1.Create(parent, id, bounds, font_, visible | WS_TABSTOP);
      for (const char* text : design.items) ComboBox1.AddItem(text);
      break;
    case ControlKind::CheckBox:
      CheckBox1.Create(parent, id, bounds, font_, design.text, visible | WS_TABSTOP);
      break;
    case ControlKind::ProgressBar:
      ProgressBar1.Create(parent, id, bounds, visible);
      ProgressBar1.SetRange(0, kForm1.progressMax);
      ProgressBar1.SetStep(kForm1.progressStep);
      ProgressBar1.SetPosition(0);
      break;
  }
}

void TForm1::WireHandlers() {
  Button1.onClick = [this] { application_.Dispatch([this] { Button1Click(&Button1); }); };
  Button4.onClick = [this] { application_.Dispatch([this] { Button1Click(&Button4); }); };
  Button2.onClick = [this] { application_.Dispatch([this] { Button2Click(&Button2); }); };
  Button3.onClick = [this] { application_.Dispatch([this] { Button3Click(&Button3); }); };
  CheckListBox1.onUserSelect = [this] {
    application_.Dispatch([this] { CheckListBox1Click(&CheckListBox1); });
  };
  Edit2.onKeyPress = [this](char& key) {
    application_.Dispatch([this, &key] { Edit2KeyPress(&Edit2, key); });
  };
  Edit3.onKeyPress = [this](char& key) {
    application_.Dispatch([this, &key] { Edit2KeyPress(&Edit3, key); });
  };
  PageControl1.onChange = [this] {
    int tab = PageControl1.Selected();
    if (tab >= 0 && tab < static_cast<int>(tabPages_.size())) ShowPage(tabPages_[tab]);
  };
}

void TForm1::LayOutChildren(const char* container) {
  HWND parent = ControlHandle(container);
  if (!parent) return;
  Size designSize;
  if (Is(container, kForm1.name)) {
    designSize = Size{Scale(kForm1.client.width), Scale(kForm1.client.height)};
  } else if (const Item* item = FindItem(container)) {
    designSize = Size{item->bounds.width, item->bounds.height};
  }
  std::vector<LayoutRule> rules;
  std::vector<const Item*> children;
  for (const Item& item : items_) {
    if (!Is(item.design->parent, container)) continue;
    rules.push_back(LayoutRule{item.bounds, item.design->align, item.design->anchors});
    children.push_back(&item);
  }
  if (children.empty()) return;
  SIZE client = win32::ClientSize(parent);
  std::vector<Box> boxes = LayOut(rules, designSize, Size{client.cx, client.cy});
  for (size_t i = 0; i < children.size(); ++i) {
    HWND child = children[i]->control->Handle();
    if (child) win32::PlaceWindow(child, ToRect(boxes[i]));
  }
}

void TForm1::LayOutPages() {
  if (!PageControl1.Handle()) return;
  RECT area = PageControl1.DisplayRect();
  for (win32::Container* page : pages_) {
    if (page->Handle()) win32::PlaceWindow(page->Handle(), area);
  }
}

void TForm1::ShowPage(int designIndex) {
  HWND focus = GetFocus();
  HWND previous = pages_.at(activePage_)->Handle();
  HWND next = pages_.at(designIndex)->Handle();
  ShowWindow(next, SW_SHOW);
  if (previous != next) {
    ShowWindow(previous, SW_HIDE);
    if (focus && IsChild(previous, focus)) SetFocus(PageControl1.Handle());
  }
  activePage_ = designIndex;
  for (size_t tab = 0; tab < tabPages_.size(); ++tab) {
    if (tabPages_[tab] == designIndex && PageControl1.Selected() != static_cast<int>(tab)) {
      PageControl1.Select(static_cast<int>(tab));
    }
  }
}

void TForm1::SelectNextPage(bool backwards) {
  int count = static_cast<int>(tabPages_.size());
  if (count == 0) return;
  int current = PageControl1.Selected();
  int next = (current + (backwards ? count - 1 : 1)) % count;
  ShowPage(tabPages_[next]);
}

bool TForm1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        application_.Minimize();
        *result = 0;
        return true;
      }
      return false;
    case WM_SIZE:
      if (shown_ && IsWindowVisible(form_.Handle())) {
        if (wParam == SIZE_MAXIMIZED) state_ = WindowState::Maximized;
        if (wParam == SIZE_RESTORED) state_ = WindowState::Normal;
      }
      return false;
    case WM_CLOSE:
      application_.RequestQuit();
      *result = 0;
      return true;
    case WM_QUERYENDSESSION:
      *result = TRUE;
      return true;
    case WM_ENDSESSION:
      application_.EndSession(wParam != FALSE);
      *result = 0;
      return true;
    case WM_COMMAND:
      // Enter and Esc reach the window as IDOK and IDCANCEL from no control:
      // the window has no default and no cancel button.
      if (lParam == 0) {
        *result = 0;
        return true;
      }
      return false;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(form_.Handle(), focus)) focusBeforeDeactivation_ = focus;
        return false;
      }
      [[fallthrough]];
    case WM_SETFOCUS: {
      HWND target = focusBeforeDeactivation_;
      if (!target || !IsChild(form_.Handle(), target) || !IsWindowVisible(target)) {
        target = PageControl1.Handle();
      }
      if (!IsIconic(form_.Handle())) SetFocus(target);
      *result = 0;
      return true;
    }
    default:
      return false;
  }
}

void TForm1::ShowInState() {
  shown_ = true;
  ShowWindow(form_.Handle(), state_ == WindowState::Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  UpdateWindow(form_.Handle());
}

void TForm1::ShowAfterRestore() {
  if (state_ == WindowState::Minimized) state_ = WindowState::Normal;
  if (!shown_) {
    ShowInState();
  } else {
    ShowWindow(form_.Handle(), SW_SHOW);
  }
  SetForegroundWindow(form_.Handle());
}

void TForm1::Hide() { ShowWindow(form_.Handle(), SW_HIDE); }

void TForm1::Destroy() {
  if (!form_.Handle()) return;
  application_.Dispatch([this] { FormDestroy(&form_); });
  form_.Destroy();
}

// ---- Handlers ----

void TForm1::FormCreate(Sender) {
  LoadSettings(storage_, *this, settings_);
  LoadCatalogue(registry_, *this, paths_);
}

void TForm1::FormDestroy(Sender) {
  InfobasePaths().swap(paths_);
  SaveSettings(storage_, *this, settings_);
}

void TForm1::Button1Click(Sender) { application_.RequestQuit(); }

void TForm1::Button2Click(Sender) { RunArchiving(*this, system_, paths_); }

void TForm1::Button3Click(Sender) {
  if (OpenDialog1.Execute(form_.Handle())) Edit1.SetText(OpenDialog1.FileName());
}

void TForm1::CheckListBox1Click(Sender) { ShowSelectedPath(*this, paths_); }

void TForm1::Edit2KeyPress(Sender, char& key) { FilterNameKey(key); }

// ---- What the archiving run, the catalogue and the settings file use ----

win32::Edit& TForm1::EditOf(Field field) {
  switch (field) {
    case Field::Edit1: return Edit1;
    case Field::Edit2: return Edit2;
    case Field::Edit3: return Edit3;
    case Field::Edit4: break;
  }
  return Edit4;
}

Text TForm1::FieldText(Field field) { return EditOf(field).GetText(); }
void TForm1::SetFieldText(Field field, const Text& text) { EditOf(field).SetText(text); }
int TForm1::MethodIndex() { return ComboBox1.Selected(); }
void TForm1::SetMethodIndex(int index) { ComboBox1.Select(index); }
bool TForm1::DateFolderTicked() { return CheckBox1.Checked(); }
void TForm1::SetDateFolderTicked(bool ticked) { CheckBox1.SetChecked(ticked); }

int TForm1::ItemCount() { return CheckListBox1.Count(); }
bool TForm1::ItemTicked(int index) { return CheckListBox1.Checked(index); }
void TForm1::UntickItem(int index) { CheckListBox1.SetChecked(index, false); }
Text TForm1::ItemText(int index) { return CheckListBox1.ItemText(index); }
void TForm1::SelectItem(int index) { CheckListBox1.Select(index); }
void TForm1::ListClick() { CheckListBox1Click(&CheckListBox1); }
void TForm1::AddItem(const Text& title) { CheckListBox1.Add(title); }
int TForm1::SelectedItem() { return CheckListBox1.Selected(); }
void TForm1::SetPathCaption(const Text& path) { Label2.SetText(path); }

void TForm1::SetProgressLabelVisible(bool visible) {
  ShowWindow(Label8.Handle(), visible ? SW_SHOW : SW_HIDE);
}
void TForm1::SetProgressVisible(bool visible) {
  ShowWindow(ProgressBar1.Handle(), visible ? SW_SHOW : SW_HIDE);
}
void TForm1::SetProgressPosition(int position) { ProgressBar1.SetPosition(position); }
void TForm1::SetProgressMax(int max) { ProgressBar1.SetMax(max); }
void TForm1::StepProgress() { ProgressBar1.StepIt(); }

void TForm1::DropStayOnTop() {
  SetWindowPos(form_.Handle(), HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm1::ProcessWaitingMessages() { application_.ProcessWaitingMessages(); }
WindowHandle TForm1::Owner() { return form_.Handle(); }

RECT TForm1::WindowBounds() const {
  RECT bounds{};
  GetWindowRect(form_.Handle(), &bounds);
  return bounds;
}

void TForm1::SetWindowBounds(const RECT& b) {
  SetWindowPos(form_.Handle(), nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int TForm1::Left() { return WindowBounds().left; }
int TForm1::Top() { return WindowBounds().top; }
int TForm1::Height() { return WindowBounds().bottom - WindowBounds().top; }
int TForm1::Width() { return WindowBounds().right - WindowBounds().left; }

void TForm1::SetLeft(int value) {
  RECT b = WindowBounds();
  SetWindowBounds(RECT{value, b.top, value + (b.right - b.left), b.bottom});
}
void TForm1::SetTop(int value) {
  RECT b = WindowBounds();
  SetWindowBounds(RECT{b.left, value, b.right, value + (b.bottom - b.top)});
}
void TForm1::SetHeight(int value) {
  RECT b = WindowBounds();
  SetWindowBounds(RECT{b.left, b.top, b.right, b.top + value});
}
void TForm1::SetWidth(int value) {
  RECT b = WindowBounds();
  SetWindowBounds(RECT{b.left, b.top, b.left + value, b.bottom});
}

WindowState TForm1::State() { return state_; }
void TForm1::SetState(WindowState state) { state_ = state; }

}  // namespace kelmarin
