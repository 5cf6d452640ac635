#include "game/standin/Memo.h"

#include <algorithm>

namespace game::standin {

Memo::Memo(ui::Component* owner) : ui::WinControl(owner) {
  SetColor(gfx::clWindow);
  SetTabStop(true);
}

void Memo::CreateParams(ui::CreateParams& params) {
  ui::WinControl::CreateParams(params);
  params.Style |= ui::WS_VSCROLL;
  params.ExStyle |= ui::WS_EX_CLIENTEDGE;
}

void Memo::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  topLine_ = 0;
  UpdateScrollBar();
  Invalidate();
}

int Memo::LineHeight() const {
  gfx::Bitmap probe(1, 1, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(probe);
  c.SetFont(Font());
  return std::max(1, c.TextHeight("0"));
}

int Memo::VisibleLines() const { return std::max(1, (ClientHeight() - 2) / LineHeight()); }

void Memo::ScrollTo(int line) {
  const int maxTop = std::max(0, static_cast<int>(lines_.size()) - VisibleLines());
  line = std::clamp(line, 0, maxTop);
  if (line == topLine_) return;
  topLine_ = line;
  UpdateScrollBar();
  Invalidate();
}

void Memo::UpdateScrollBar() {
  ui::ScrollInfo si;
  si.Mask = ui::SIF_ALL | ui::SIF_DISABLENOSCROLL;
  si.Min = 0;
  si.Max = std::max(0, static_cast<int>(lines_.size()) - 1);
  si.Page = static_cast<unsigned>(VisibleLines());
  si.Pos = topLine_;
  SetScrollInfo(ui::SB_VERT, si, true);
}

void Memo::BoundsChanged(const gfx::Rect& old) {
  ui::WinControl::BoundsChanged(old);
  UpdateScrollBar();
}

void Memo::WndProc(ui::Message& msg) {
  switch (msg.msg) {
    case ui::WM_VSCROLL: {
      const int code = static_cast<int>(msg.wParam & 0xFFFF);
      const int page = VisibleLines();
      switch (code) {
        case ui::SB_LINEUP: ScrollTo(topLine_ - 1); break;
        case ui::SB_LINEDOWN: ScrollTo(topLine_ + 1); break;
        case ui::SB_PAGEUP: ScrollTo(topLine_ - page); break;
        case ui::SB_PAGEDOWN: ScrollTo(topLine_ + page); break;
        case ui::SB_THUMBTRACK:
        case ui::SB_THUMBPOSITION: ScrollTo(static_cast<int>((msg.wParam >> 16) & 0xFFFF)); break;
        default: break;
      }
      msg.result = 0;
      return;
    }
    case ui::WM_MOUSEWHEEL: {
      const int delta = static_cast<std::int16_t>((msg.wParam >> 16) & 0xFFFF);
      ScrollTo(topLine_ - 3 * delta / 120);
      msg.result = 1;
      return;
    }
    default: break;
  }
  ui::WinControl::WndProc(msg);
}

void Memo::PaintWindow(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  canvas.FillRect(r, gfx::ColorToRGB(Color()));
  gfx::Canvas::StateGuard guard(canvas);
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  canvas.SetTextColor(Font().Color);
  const int lh = LineHeight();
  int y = 1;
  for (std::size_t i = static_cast<std::size_t>(topLine_); i < lines_.size() && y < r.Bottom; ++i, y += lh)
    canvas.TextOut(2, y, lines_[i]);
}

}  // namespace game::standin
