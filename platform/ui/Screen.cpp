#include "platform/ui/Screen.h"

#include <algorithm>
#include <map>

#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/forms/TopLevelWindow.h"

namespace ui {

namespace {
// The classic desktop's metrics.
int DefaultMetric(int index) {
  switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CYSMCAPTION: return 17;
    case SM_CXSMSIZE:
    case SM_CYSMSIZE: return 15;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE: return 18;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    default: break;
  }
  if (Application::Exists()) {
    auto& s = App().Screen();
    switch (index) {
      case SM_CXSCREEN: return s.Width();
      case SM_CYSCREEN: return s.Height();
      case SM_CXFULLSCREEN:
      case SM_CXMAXIMIZED: return s.WorkArea().Width();
      case SM_CYFULLSCREEN:
      case SM_CYMAXIMIZED: return s.WorkArea().Height();
      default: break;
    }
  }
  return 0;
}

std::map<int, int>& Overrides() {
  static std::map<int, int> m;
  return m;
}
}  // namespace

int GetSystemMetrics(int index) {
  auto& o = Overrides();
  auto it = o.find(index);
  return it != o.end() ? it->second : DefaultMetric(index);
}

void SetSystemMetricOverride(int index, int value) { Overrides()[index] = value; }
void ResetSystemMetrics() { Overrides().clear(); }

Screen::Screen(backend::Backend& backend) : backend_(backend) {}

int Screen::Width() const { return backend_.ScreenSize().Width; }
int Screen::Height() const { return backend_.ScreenSize().Height; }
gfx::Rect Screen::WorkArea() const { return backend_.WorkArea(); }
std::vector<backend::Monitor> Screen::Monitors() const { return backend_.Monitors(); }
int Screen::Depth() const { return backend_.ScreenDepth(); }
gfx::Point Screen::CursorPos() const { return backend_.PointerPosition(); }

void Screen::SetCursor(Cursor c) {
  cursor_ = c;
  if (!Application::Exists()) return;
  for (WinControl* w : App().TopLevels())
    if (auto* t = w->Surface())
      backend_.SetCursor(t->Surface(), ToBackendCursor(c == crDefault ? crArrow : c));
}

backend::Cursor Screen::ToBackendCursor(Cursor c) {
  switch (c) {
    case crIBeam: return backend::Cursor::IBeam;
    case crHourGlass: return backend::Cursor::Wait;
    case crCross: return backend::Cursor::Cross;
    case crSizeNWSE: return backend::Cursor::SizeNWSE;
    case crSizeNESW: return backend::Cursor::SizeNESW;
    case crSizeWE: return backend::Cursor::SizeWE;
    case crSizeNS: return backend::Cursor::SizeNS;
    case crSizeAll: return backend::Cursor::SizeAll;
    case crHandPoint: return backend::Cursor::Hand;
    case crNo: return backend::Cursor::No;
    default: return backend::Cursor::Arrow;
  }
}

std::vector<WinControl*> Screen::TopLevelWindows() const {
  std::vector<WinControl*> out;
  if (!Application::Exists()) return out;
  for (backend::SurfaceId id : backend_.StackingOrder())
    if (WinControl* w = App().WindowOfSurface(id)) out.push_back(w);
  return out;
}

std::vector<Form*> Screen::Forms() const {
  std::vector<Form*> out;
  if (!Application::Exists()) return out;
  for (WinControl* w : App().TopLevels())
    if (auto* f = dynamic_cast<Form*>(w)) out.push_back(f);
  return out;
}

WinControl* Screen::TopLevelAt(gfx::Point screen) const {
  if (!Application::Exists()) return nullptr;
  return App().WindowOfSurface(backend_.SurfaceAt(screen));
}

WinControl* Screen::WindowFromPoint(gfx::Point screen) const {
  WinControl* w = TopLevelAt(screen);
  while (w) {
    gfx::Point p = w->ScreenToClient(screen);
    auto* child = dynamic_cast<WinControl*>(w->ControlAtPos(p, true, true));
    if (!child || !w->ClientRect().Contains(p)) break;
    w = child;
  }
  return w;
}

WinControl* Screen::WindowAbove(const WinControl* w) const {
  auto order = TopLevelWindows();
  auto it = std::find(order.begin(), order.end(), w);
  if (it == order.end()) return nullptr;
  for (++it; it != order.end(); ++it) {
    auto* t = (*it)->Surface();
    if (t && backend_.IsVisible(t->Surface())) return *it;
  }
  return nullptr;
}

Form* Screen::ActiveForm() const { return Application::Exists() ? App().ActiveForm() : nullptr; }
WinControl* Screen::ActiveControl() const { return Application::Exists() ? App().FocusedControl() : nullptr; }

gfx::Font Screen::CaptionFont() const {
  gfx::Font f;
  f.Name = "Tahoma";
  f.Height = -11;
  f.Style = gfx::fsBold;
  f.Color = gfx::clCaptionText;
  return f;
}

gfx::Font Screen::SmallCaptionFont() const {
  gfx::Font f = CaptionFont();
  return f;
}

gfx::Font Screen::MenuFont() const {
  gfx::Font f;
  f.Name = "Tahoma";
  f.Height = -11;
  f.Color = gfx::clMenuText;
  return f;
}

gfx::Font Screen::IconFont() const { return MenuFont(); }

bool Screen::CompositionOn() const { return backend_.LayeredAvailable(); }

}  // namespace ui
