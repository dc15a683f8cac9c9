#include "e2e/box_icon.h"

#include <vector>

namespace kelmarin::e2e {

namespace {

// An icon must match this share of its pixels to be taken for it.
constexpr double kMatchNeeded = 0.9;

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;
};

// The icon of a message box is the static child that carries SS_ICON.
HWND IconChild(HWND box) {
  HWND found = nullptr;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) WINAPI -> BOOL {
        char name[16] = {};
        GetClassNameA(child, name, sizeof name);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (_stricmp(name, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
            IsWindowVisible(child)) {
          *reinterpret_cast<HWND*>(data) = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

Pixels Read(HDC dc, HBITMAP bitmap, int width, int height) {
  Pixels pixels{width, height, std::vector<COLORREF>(static_cast<size_t>(width) * height)};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  GetDIBits(dc, bitmap, 0, height, pixels.colours.data(), &info, DIB_RGB_COLORS);
  for (COLORREF& colour : pixels.colours) colour &= 0x00FFFFFF;
  return pixels;
}

// Draws into a bitmap of the given size, compatible with the screen, and
// reads back what was drawn.
template <typename Draw>
Pixels Paint(int width, int height, Draw draw) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  draw(memory, screen);
  SelectObject(memory, old);
  Pixels pixels = Read(memory, bitmap, width, height);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// What the screen shows inside the window's client area.
Pixels Capture(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return Paint(client.right, client.bottom, [&](HDC memory, HDC screen) {
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
  });
}

// The system icon drawn over the given background, as a static draws it.
Pixels Render(LPCWSTR iconName, int width, int height, COLORREF background) {
  return Paint(width, height, [&](HDC memory, HDC) {
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, LoadIconW(nullptr, iconName), width, height, 0, nullptr,
               DI_NORMAL);
  });
}

double Likeness(const Pixels& a, const Pixels& b) {
  if (a.colours.empty() || a.colours.size() != b.colours.size()) return 0;
  size_t same = 0;
  for (size_t i = 0; i < a.colours.size(); ++i) same += a.colours[i] == b.colours[i];
  return static_cast<double>(same) / static_cast<double>(a.colours.size());
}

}  // namespace

BoxIcon IconOfBox(HWND box) {
  HWND child = IconChild(box);
  if (!child) return BoxIcon::Unknown;
  Pixels shown = Capture(child);
  if (shown.colours.empty()) return BoxIcon::Unknown;
  // The standard icons leave their corners clear, so the corner shows the
  // background they were drawn on.
  COLORREF background = shown.colours.front();
  struct Candidate {
    BoxIcon icon;
    LPCWSTR name;
  };
  const Candidate candidates[] = {{BoxIcon::Error, MAKEINTRESOURCEW(32513)},
                                  {BoxIcon::Warning, MAKEINTRESOURCEW(32515)},
                                  {BoxIcon::Information, MAKEINTRESOURCEW(32516)}};
  BoxIcon best = BoxIcon::Unknown;
  double bestLikeness = kMatchNeeded;
  for (const Candidate& candidate : candidates) {
    double likeness =
        Likeness(shown, Render(candidate.name, shown.width, shown.height, background));
    if (likeness >= bestLikeness) {
      best = candidate.icon;
      bestLikeness = likeness;
    }
  }
  return best;
}

const char* NameOf(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Error: return "error";
    case BoxIcon::Warning: return "warning";
    case BoxIcon::Information: return "information";
    case BoxIcon::Unknown: break;
  }
  return "unknown";
}

}  // namespace kelmarin::e2e
