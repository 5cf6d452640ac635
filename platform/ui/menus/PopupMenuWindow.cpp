#include "platform/ui/menus/PopupMenuWindow.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/Screen.h"
#include "platform/ui/menus/MenuBar.h"
#include "platform/ui/menus/MenuPainter.h"

namespace ui {

PopupMenuWindow::PopupMenuWindow(MenuItem* list, Form* target, bool keyboard)
    : Form(nullptr), list_(list), target_(target), keyboard_(keyboard) {
  SetMenuWindow(true);
  SetBorderStyle(BorderStyle::bsNone);
  SetTag(-98);
  SetExStyle(ExStyle() | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST);
  SetColor(gfx::clMenu);
  Measure();
}

PopupMenuWindow::~PopupMenuWindow() {
  BeginDestruction();
  slide_.reset();
  DestroyWnd();
}

void PopupMenuWindow::Measure() {
  items_ = list_->VisibleItems();
  gfx::Bitmap scratch(1, 1, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(scratch);
  glyphColumn_ = menupaint::GlyphColumnWidth(menupaint::WidestImage(items_));
  std::vector<gfx::Size> sizes;
  std::vector<MenuBreak> breaks;
  for (MenuItem* it : items_) {
    sizes.push_back(menupaint::MeasurePopupItem(c, it, target_, glyphColumn_));
    breaks.push_back(it->Break());
  }
  columns_.Layout(sizes, breaks);
  // Shortcut texts line up in each column after its longest caption.
  shortcutX_.assign(items_.size(), 0);
  std::vector<int> perColumn(static_cast<std::size_t>(columns_.Columns()), 0);
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->GetShortCut() != scNone && !items_[i]->IsOwnerDrawn()) {
      int& x = perColumn[static_cast<std::size_t>(columns_.ColumnOf(static_cast<int>(i)))];
      x = std::max(x, menupaint::CaptionExtent(c, items_[i], glyphColumn_));
    }
  for (std::size_t i = 0; i < items_.size(); ++i)
    shortcutX_[i] = perColumn[static_cast<std::size_t>(columns_.ColumnOf(static_cast<int>(i)))];
  gfx::Size e = columns_.Extent();
  SetBounds(Left(), Top(), e.Width + 2 * kPopupBorder, e.Height + 2 * kPopupBorder);
}

void PopupMenuWindow::NcCalcSize(NcCalcSizeParams& p) {
  p.Rect[0] = p.Rect[0].Inflate(-kPopupBorder, -kPopupBorder);
}

void PopupMenuWindow::NcPaint(gfx::Canvas& c) {
  gfx::Rect r{0, 0, Width(), Height()};
  classic::DrawEdge(c, r, classic::EDGE_RAISED);
  c.FrameRect(r.Inflate(-2, -2), gfx::ColorToRGB(gfx::clMenu));
}

OwnerDrawState PopupMenuWindow::StateOf(int i) const {
  MenuItem* it = items_[static_cast<std::size_t>(i)];
  OwnerDrawState s = 0;
  if (i == selected_) s |= odSelected;
  if (!it->Enabled()) s |= odGrayed | odDisabled;
  if (it->Checked()) s |= odChecked;
  if (it->Default()) s |= odDefault;
  if (!keyboard_) s |= odNoAccel;
  return s;
}

void PopupMenuWindow::PaintWindow(gfx::Canvas& c) {
  for (std::size_t i = 0; i < items_.size(); ++i) PaintItem(c, static_cast<int>(i));
  for (const gfx::Rect& line : columns_.BarLines()) menupaint::DrawColumnLine(c, line);
}

void PopupMenuWindow::PaintItem(gfx::Canvas& c, int i) {
  menupaint::PopupItemLayout layout{glyphColumn_, shortcutX_[static_cast<std::size_t>(i)]};
  menupaint::DrawPopupItem(c, items_[static_cast<std::size_t>(i)], ItemRect(i), StateOf(i), layout);
}

void PopupMenuWindow::WndProc(Message& msg) {
  if (msg.msg == WM_ERASEBKGND && msg.wParam) {
    reinterpret_cast<gfx::Canvas*>(msg.wParam)->FillRect(ClientRect(), gfx::ColorToRGB(gfx::clMenu));
    msg.result = 1;
    return;
  }
  if (msg.msg == WM_MOUSEACTIVATE) {
    msg.result = MA_NOACTIVATE;
    return;
  }
  Form::WndProc(msg);
}

void PopupMenuWindow::SetSelected(int index) {
  if (index == selected_) return;
  int old = selected_;
  selected_ = index;
  for (int i : {old, index})
    if (i >= 0 && i < columns_.Count()) {
      gfx::Rect r = ItemRect(i);
      InvalidateRect(&r, false);
    }
  UpdateWindow();
}

int PopupMenuWindow::ItemAt(gfx::Point p) const { return columns_.ItemAt(p); }

gfx::Rect PopupMenuWindow::ItemRect(int i) const {
  if (i < 0 || i >= columns_.Count()) return {};
  return columns_.Rects()[static_cast<std::size_t>(i)];
}

gfx::Rect PopupMenuWindow::ItemScreenRect(int i) const {
  gfx::Point o = ClientOrigin();
  return ItemRect(i).Offset(o.X, o.Y);
}

void PopupMenuWindow::ShowAt(gfx::Point at, const gfx::Rect& avoid, bool submenu) {
  gfx::Rect scr = App().Screen().DesktopRect();
  int x = at.X, y = at.Y;
  if (x + Width() > scr.Right) x = submenu ? avoid.Left - Width() + kPopupBorder : scr.Right - Width();
  if (y + Height() > scr.Bottom)
    y = submenu ? scr.Bottom - Height() : (avoid.IsEmpty() ? y - Height() : avoid.Top - Height());
  x = std::max(scr.Left, x);
  y = std::max(scr.Top, y);
  SetBounds(x, y, Width(), Height());
  slide_ = std::make_unique<MenuSlide>(*this, animation_);
  ShowNoActivate();
  RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

PopupMenuWindow* PopupMenuWindow::Showing(const MenuItem* list) {
  for (WinControl* w : App().TopLevels())
    if (auto* p = dynamic_cast<PopupMenuWindow*>(w); p && p->Visible() && p->List() == list) return p;
  return nullptr;
}

gfx::Rect MenuItemScreenRect(const MenuItem* item) {
  if (!item || !item->Parent()) return {};
  if (PopupMenuWindow* w = PopupMenuWindow::Showing(item->Parent())) {
    const auto& items = w->Items();
    auto it = std::find(items.begin(), items.end(), item);
    if (it != items.end()) return w->ItemScreenRect(static_cast<int>(it - items.begin()));
  }
  Menu* m = item->GetParentMenu();
  if (m && m->WindowForm() && item->Parent() == m->Items())
    return m->WindowForm()->MenuBar().ItemScreenRect(item);
  return {};
}

}  // namespace ui
