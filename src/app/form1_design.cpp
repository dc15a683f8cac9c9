#include "app/form1_design.h"

#include <cstring>

namespace kelmarin {

namespace {

constexpr unsigned kLeftTopRight = kAnchorLeft | kAnchorTop | kAnchorRight;
constexpr unsigned kTopRight = kAnchorTop | kAnchorRight;
constexpr unsigned kRightBottom = kAnchorRight | kAnchorBottom;

const char* const kMethods[] = {"Без сжатия", "Скоростной", "Быстрый",
                                "Обычный",    "Хороший",    "Максимальный"};

const ControlDesign kControls[] = {
    {"PageControl1", ControlKind::PageControl, "Form1", {0, 0, 536, 341}, "", Align::Client},
    {"TabSheet1", ControlKind::TabSheet, "PageControl1", {0, 0, 528, 313}, "Архивация"},
    {"TabSheet2", ControlKind::TabSheet, "PageControl1", {0, 0, 528, 313}, "Восстановление",
     Align::None, kAnchorsDefault, 0, kTabHidden},
    {"TabSheet3", ControlKind::TabSheet, "PageControl1", {0, 0, 528, 313}, "Настройки"},

    {"CheckListBox1", ControlKind::CheckListBox, "TabSheet1", {0, 33, 528, 207}, "",
     Align::Client},
    {"Panel1", ControlKind::Panel, "TabSheet1", {0, 240, 528, 73}, "", Align::Bottom},
    {"Label2", ControlKind::Label, "Panel1", {8, 8, 513, 33}, "", Align::None, kLeftTopRight, 0,
     kWordWrap},
    {"Button1", ControlKind::Button, "Panel1", {448, 45, 75, 25}, "Закрыть", Align::None,
     kRightBottom},
    {"Button2", ControlKind::Button, "Panel1", {0, 45, 89, 25}, "Архивировать"},
    {"Label8", ControlKind::Label, "Panel1", {120, 48, 60, 13}, "Выполнено:", Align::None,
     kAnchorsDefault, 0, kHiddenAtStart | kAutoSize},
    {"ProgressBar1", ControlKind::ProgressBar, "Panel1", {192, 48, 249, 17}, "", Align::None,
     kAnchorsDefault, 0, kHiddenAtStart},
    {"Panel2", ControlKind::Panel, "TabSheet1", {0, 0, 528, 33}, "", Align::Top},
    {"Label1", ControlKind::Label, "Panel2", {8, 8, 491, 16},
     "Выберите БД, для которых необходимо сделать резервные копии.", Align::None,
     kAnchorsDefault, 0, kHeadingFont | kAutoSize},

    {"Label3", ControlKind::Label, "TabSheet3", {8, 8, 53, 13}, "Путь RAR:", Align::None,
     kAnchorsDefault, 0, kAutoSize},
    {"Edit1", ControlKind::Edit, "TabSheet3", {8, 32, 481, 21}, "", Align::None, kLeftTopRight,
     260, kReadOnly},
    {"Button3", ControlKind::Button, "TabSheet3", {496, 33, 25, 19}, "...", Align::None,
     kTopRight, 0, kBoldFont},
    {"Label4", ControlKind::Label, "TabSheet3", {8, 72, 91, 13}, "Имя компьютера:", Align::None,
     kAnchorsDefault, 0, kAutoSize},
    {"Edit2", ControlKind::Edit, "TabSheet3", {8, 96, 481, 21}, "", Align::None, kLeftTopRight,
     20},
    {"Label5", ControlKind::Label, "TabSheet3", {8, 136, 99, 13}, "Имя пользователя:", Align::None,
     kAnchorsDefault, 0, kAutoSize},
    {"Edit3", ControlKind::Edit, "TabSheet3", {8, 160, 481, 21}, "", Align::None, kLeftTopRight,
     20},
    {"Label6", ControlKind::Label, "TabSheet3", {8, 200, 89, 13}, "Путь назначения:", Align::None,
     kAnchorsDefault, 0, kAutoSize},
    {"Edit4", ControlKind::Edit, "TabSheet3", {8, 224, 481, 21}, "", Align::None, kLeftTopRight,
     160},
    {"Panel3", ControlKind::Panel, "TabSheet3", {0, 256, 528, 57}, "", Align::Bottom},
    {"Label7", ControlKind::Label, "Panel3", {8, 8, 75, 13}, "Метод сжатия:", Align::None,
     kAnchorsDefault, 0, kAutoSize},
    {"Button4", ControlKind::Button, "Panel3", {448, 29, 75, 25}, "Закрыть", Align::None,
     kRightBottom},
    {"ComboBox1", ControlKind::ComboBox, "Panel3", {8, 32, 169, 21}, "", Align::None,
     kAnchorsDefault, 0, 0, kMethods},
    {"CheckBox1", ControlKind::CheckBox, "Panel3", {192, 32, 233, 17},
     "Для каждого числа отдельная папка"},
};

}  // namespace

const FormDesign kForm1 = {
    "Form1", "Архивация БД 1С:Предприятие v7.7", {136, 111, 544, 375}, {536, 341},
    "MS Sans Serif", 11, 13, 100, 5,
};

std::span<const ControlDesign> Form1Controls() { return kControls; }

const ControlDesign* FindDesign(const char* name) {
  for (const ControlDesign& control : kControls) {
    if (std::strcmp(control.name, name) == 0) return &control;
  }
  return nullptr;
}

}  // namespace kelmarin
