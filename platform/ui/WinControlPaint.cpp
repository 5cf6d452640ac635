// Painting of windowed controls: update regions, the paint cycle, surfaces
// clipped to the visible part without the windowed children, printing and
// reading pixels back.
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/forms/TopLevelWindow.h"

namespace ui {

void WinControl::InvalidateRect(const gfx::Rect* client, bool erase) {
  if (!created_) return;
  gfx::Rect r = client ? gfx::Intersect(*client, ClientRect()) : ClientRect();
  if (r.IsEmpty()) return;
  update_ |= gfx::Region(r);
  if (erase) eraseNeeded_ = true;
}

void WinControl::InvalidateRegion(const gfx::Region& client, bool erase) {
  if (!created_) return;
  gfx::Region r = client & gfx::Region(ClientRect());
  if (r.IsEmpty()) return;
  update_ |= r;
  if (erase) eraseNeeded_ = true;
}

void WinControl::ValidateRect(const gfx::Rect* client) {
  if (!client) {
    update_.Clear();
    eraseNeeded_ = false;
    return;
  }
  update_ -= gfx::Region(*client);
  if (update_.IsEmpty()) eraseNeeded_ = false;
}

void WinControl::Invalidate() { InvalidateRect(nullptr, !(ControlStyle() & csOpaque)); }
void WinControl::Update() { UpdateWindow(); }

bool WinControl::RedrawLocked() const {
  for (const WinControl* w = this; w; w = w->Parent())
    if (w->redrawLock_ > 0) return true;
  return false;
}

void WinControl::RedrawWindow(const gfx::Rect* client, unsigned flags) {
  if (!created_) return;
  if (flags & RDW_INVALIDATE) {
    InvalidateRect(client, (flags & RDW_ERASE) != 0);
    if (flags & RDW_FRAME) ncDirty_ = true;
  }
  if (flags & RDW_VALIDATE) {
    ValidateRect(client);
    if (flags & RDW_NOFRAME) ncDirty_ = false;
  }
  if ((flags & RDW_ALLCHILDREN) && !(flags & RDW_NOCHILDREN)) {
    for (Control* c : std::vector<Control*>(controls_)) {
      auto* w = dynamic_cast<WinControl*>(c);
      if (!w) continue;
      if (client) {
        gfx::Rect cr = gfx::Intersect(*client, w->BoundsRect());
        if (cr.IsEmpty()) continue;
      }
      w->RedrawWindow(nullptr, flags & ~(RDW_UPDATENOW | RDW_ERASENOW));
    }
  }
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
    if (flags & RDW_ALLCHILDREN)
      PaintTree();
    else
      UpdateWindow();
    PresentTree();
  }
}

void WinControl::UpdateWindow() {
  if (!created_ || RedrawLocked() || !IsWindowVisible()) return;
  if (ncDirty_) {
    ncDirty_ = false;
    SendNcPaint();
  }
  if (!update_.IsEmpty()) {
    paintRegion_ = std::move(update_);
    update_.Clear();
    paintErase_ = eraseNeeded_;
    eraseNeeded_ = false;
    inPaint_ = true;
    Perform(WM_PAINT, 0);
    inPaint_ = false;
    paintRegion_.Clear();
    paintErase_ = false;
  }
  PresentTree();
}

void WinControl::PaintTree() {
  if (!created_ || RedrawLocked() || !IsWindowVisible()) return;
  if (top_ && top_->HasLayeredPicture()) {
    // A layered picture replaces the window's painting.
    update_.Clear();
    ncDirty_ = false;
  }
  if (ncDirty_ || !update_.IsEmpty()) {
    if (ncDirty_) {
      ncDirty_ = false;
      SendNcPaint();
    }
    if (!update_.IsEmpty()) {
      paintRegion_ = std::move(update_);
      update_.Clear();
      paintErase_ = eraseNeeded_;
      eraseNeeded_ = false;
      inPaint_ = true;
      Perform(WM_PAINT, 0);
      inPaint_ = false;
      paintRegion_.Clear();
      paintErase_ = false;
    }
  }
  for (Control* c : std::vector<Control*>(controls_))
    if (auto* w = dynamic_cast<WinControl*>(c)) w->PaintTree();
}

void WinControl::PresentTree() {
  TopLevelWindow* t = Surface();
  if (!t) return;
  if (TopLevel()->redrawLock_ > 0) return;
  t->Present();
}

void WinControl::SendNcPaint() {
  // The frame is painted on a whole-window surface that leaves the client
  // area alone.
  auto c = GetSurface(SurfaceArea::Window);
  if (!c) return;
  c->ExcludeClipRect(clientInWindow_);
  if (c->ClipEmpty()) return;
  Perform(WM_NCPAINT, reinterpret_cast<WPARAM>(c.get()));
}

std::unique_ptr<gfx::Canvas> WinControl::BeginPaint() {
  gfx::Region region;
  bool erase = false;
  if (inPaint_) {
    region = paintRegion_;
    erase = paintErase_;
    paintErase_ = false;
  } else {
    region = std::move(update_);
    update_.Clear();
    erase = eraseNeeded_;
    eraseNeeded_ = false;
  }
  auto c = GetSurface(SurfaceArea::Client);
  if (!c) return nullptr;
  gfx::Point o = c->Origin();
  c->IntersectClipRegion(region.Offset(o.X, o.Y));
  if (erase) Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(c.get()));
  return c;
}

gfx::Region WinControl::VisibleRegion() const {
  gfx::Region vis(gfx::Rect{0, 0, Width(), Height()});
  if (region_) vis &= *region_;
  gfx::Rect me = WindowRect();
  const WinControl* cur = this;
  while (const WinControl* p = cur->Parent()) {
    gfx::Point po = p->ClientOrigin();
    // The parent's client area.
    vis &= gfx::Region(p->ClientRect().Offset(po.X - me.Left, po.Y - me.Top));
    // Windowed siblings stacked above.
    bool above = false;
    for (Control* s : p->controls_) {
      if (s == cur) {
        above = true;
        continue;
      }
      auto* w = dynamic_cast<WinControl*>(s);
      if (!above || !w || !w->created_ || !(w->style_ & WS_VISIBLE)) continue;
      gfx::Rect wr = w->BoundsRect().Offset(po.X - me.Left, po.Y - me.Top);
      gfx::Region sr(wr);
      if (w->region_) sr &= w->region_->Offset(wr.Left, wr.Top);
      vis -= sr;
    }
    gfx::Rect pw = p->WindowRect();
    if (p->region_) vis &= p->region_->Offset(pw.Left - me.Left, pw.Top - me.Top);
    cur = p;
  }
  return vis;
}

gfx::Region WinControl::ExcludedChildren() const {
  gfx::Region out;
  for (Control* c : controls_) {
    auto* w = dynamic_cast<WinControl*>(c);
    if (!w || !w->created_ || !(w->style_ & WS_VISIBLE)) continue;
    gfx::Rect r = w->BoundsRect().Offset(clientInWindow_.Left, clientInWindow_.Top);
    gfx::Region cr(r);
    if (w->region_) cr &= w->region_->Offset(r.Left, r.Top);
    out |= cr;
  }
  return out;
}

std::unique_ptr<gfx::Canvas> WinControl::GetSurface(SurfaceArea area) {
  if (!created_) return nullptr;
  WinControl* top = TopLevel();
  if (!top->top_) return nullptr;
  std::shared_ptr<TopLevelWindow> t = top->top_;
  auto c = std::make_unique<gfx::Canvas>(t->Buffer());
  gfx::Point off = OffsetInTopLevel();
  gfx::Region clip = VisibleRegion();
  if (area == SurfaceArea::Client) clip &= gfx::Region(clientInWindow_);
  clip -= ExcludedChildren();
  c->SetClipRegion(clip.Offset(off.X, off.Y));
  if (area == SurfaceArea::Client)
    c->SetOrigin({off.X + clientInWindow_.Left, off.Y + clientInWindow_.Top});
  else
    c->SetOrigin(off);
  std::weak_ptr<TopLevelWindow> weak = t;
  c->SetDamageHandler([weak](const gfx::Rect& r) {
    if (auto s = weak.lock()) s->AddDirty(r);
  });
  c->SetTag(this);
  return c;
}

void WinControl::PaintWindow(gfx::Canvas&) {}

void WinControl::PaintControls(gfx::Canvas& canvas, Control* first) {
  auto children = controls_;
  auto it = children.begin();
  if (first) it = std::find(children.begin(), children.end(), first);
  gfx::Rect clip = canvas.ClipBox();
  const auto alive = AliveToken();
  for (; it != children.end(); ++it) {
    // A child's paint may free this control or another child.
    if (alive.expired()) return;
    Control* c = *it;
    if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
    if (c->HasWindow() || !c->Visible() || c->Destroying()) continue;
    if (c->Width() <= 0 || c->Height() <= 0) continue;
    if (gfx::Intersect(c->BoundsRect(), clip).IsEmpty()) continue;
    PaintControl(canvas, c);
  }
}

void WinControl::PaintControl(gfx::Canvas& canvas, Control* child) {
  gfx::Canvas::StateGuard g(canvas);
  canvas.MoveOrigin(child->Left(), child->Top());
  canvas.IntersectClipRect({0, 0, child->Width(), child->Height()});
  if (canvas.ClipEmpty()) return;
  child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas), 0);
}

void WinControl::PaintTo(gfx::Canvas& canvas, int x, int y) {
  gfx::Canvas::StateGuard g(canvas);
  canvas.MoveOrigin(x, y);
  canvas.IntersectClipRect({0, 0, Width(), Height()});
  Perform(WM_PRINT, reinterpret_cast<WPARAM>(&canvas),
          PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
}

gfx::Bitmap WinControl::CopyPixels(const gfx::Rect& windowRect) const {
  gfx::Bitmap out(std::max(0, windowRect.Width()), std::max(0, windowRect.Height()), gfx::PixelFormat::Bgr24);
  TopLevelWindow* t = Surface();
  if (!t || out.Empty()) return out;
  gfx::Point off = OffsetInTopLevel();
  gfx::Canvas c(out);
  c.DrawBitmap(0, 0, t->Buffer(), windowRect.Offset(off.X, off.Y));
  return out;
}

}  // namespace ui
