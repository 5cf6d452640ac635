#include "platform/ui/controls/Memo.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Utf8.h"
#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/Screen.h"

namespace ui {

namespace {
constexpr int kTextMargin = 2;

// A scratch canvas for measuring in the memo's font.
class Measure {
 public:
  explicit Measure(const gfx::Font& f) : bmp_(1, 1, gfx::PixelFormat::Bgr24), c_(bmp_) { c_.SetFont(f); }
  gfx::Canvas& C() { return c_; }

 private:
  gfx::Bitmap bmp_;
  gfx::Canvas c_;
};
}  // namespace

Memo::Memo(Component* owner) : WinControl(owner) {
  SetControlStyle((ControlStyle() | csOpaque | csDoubleClicks) & ~(csClickEvents | csSetCaption));
  SetColor(gfx::clWindow);
  SetExStyle(ExStyle() | WS_EX_CLIENTEDGE);
  SetTabStop(true);
  SetCursor(crIBeam);
  SetBounds(0, 0, 185, 89);
}

Memo::~Memo() { BeginDestruction(); }

void Memo::CreateParams(ui::CreateParams& p) {
  WinControl::CreateParams(p);
  p.Style &= ~(WS_HSCROLL | WS_VSCROLL);
  if (scrollBars_ == ScrollStyle::ssVertical || scrollBars_ == ScrollStyle::ssBoth) p.Style |= WS_VSCROLL;
  if (scrollBars_ == ScrollStyle::ssHorizontal || scrollBars_ == ScrollStyle::ssBoth) p.Style |= WS_HSCROLL;
}

// --- text ---------------------------------------------------------------------

void Memo::TextChanged() {
  topLine_ = std::min(topLine_, std::max(0, text_.LineCount() - 1));
  UpdateScrollInfo();
  Invalidate();
  OnChange(this);
}

void Memo::SetLines(std::vector<std::string> lines) {
  text_.SetLines(std::move(lines));
  topLine_ = leftPx_ = 0;
  TextChanged();
}

void Memo::AddLine(const std::string& line) {
  std::vector<std::string> l = text_.Lines();
  if (l.size() == 1 && l[0].empty())
    l[0] = line;
  else
    l.push_back(line);
  TextPos caret = text_.Caret();
  text_.SetLines(std::move(l));
  text_.SetCaret(caret, false);
  TextChanged();
}

void Memo::SetText(const std::string& text) {
  text_.SetText(text);
  topLine_ = leftPx_ = 0;
  TextChanged();
}

void Memo::SetCaretPos(TextPos p, bool extend) {
  text_.SetCaret(p, extend);
  ScrollCaretIntoView();
  Invalidate();
}

void Memo::SelectAll() {
  text_.SelectAll();
  Invalidate();
}

// --- geometry ------------------------------------------------------------------

int Memo::LineHeight() const { return std::max(1, gfx::GetFontMetrics(Font()).Height); }

int Memo::VisibleLines() const { return std::max(1, (ClientHeight() - kTextMargin) / LineHeight()); }

int Memo::TextWidthOf(const std::string& s) const {
  Measure m(Font());
  return m.C().TextWidth(s);
}

int Memo::MaxLineWidth() const {
  Measure m(Font());
  int w = 0;
  for (const std::string& l : text_.Lines()) w = std::max(w, m.C().TextWidth(l));
  return w + 2 * kTextMargin;
}

TextPos Memo::PosAt(gfx::Point p) const {
  int line = topLine_ + (p.Y - kTextMargin) / LineHeight();
  if (p.Y < kTextMargin) line = topLine_ - 1;
  line = std::clamp(line, 0, text_.LineCount() - 1);
  const std::string& s = text_.Line(line);
  int x = p.X + leftPx_ - kTextMargin;
  // The boundary nearest to x.
  Measure m(Font());
  TextPos best{line, 0};
  int prevW = 0;
  for (TextPos at{line, 0};;) {
    TextPos next = text_.NextChar(at);
    if (next.Line != line || next.Col == at.Col) break;
    int w = m.C().TextWidth(std::string_view(s).substr(0, static_cast<std::size_t>(next.Col)));
    if (x < (prevW + w) / 2) break;
    best = next;
    prevW = w;
    at = next;
  }
  return best;
}

void Memo::UpdateScrollInfo() {
  ScrollInfo v;
  v.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
  v.Min = 0;
  v.Max = std::max(0, text_.LineCount() - 1);
  v.Page = static_cast<unsigned>(VisibleLines());
  v.Pos = topLine_;
  topLine_ = SetScrollInfo(SB_VERT, v, true);
  ScrollInfo h;
  h.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
  h.Min = 0;
  h.Max = std::max(0, MaxLineWidth() - 1);
  h.Page = static_cast<unsigned>(std::max(1, ClientWidth()));
  h.Pos = leftPx_;
  leftPx_ = SetScrollInfo(SB_HORZ, h, true);
}

void Memo::SetTopLine(int line) {
  int maxTop = std::max(0, text_.LineCount() - VisibleLines());
  line = std::clamp(line, 0, maxTop);
  if (line == topLine_) return;
  topLine_ = line;
  UpdateScrollInfo();
  Invalidate();
}

void Memo::SetLeftOffset(int px) {
  int maxLeft = std::max(0, MaxLineWidth() - ClientWidth());
  px = std::clamp(px, 0, maxLeft);
  if (px == leftPx_) return;
  leftPx_ = px;
  UpdateScrollInfo();
  Invalidate();
}

void Memo::ScrollCaretIntoView() {
  TextPos c = text_.Caret();
  if (c.Line < topLine_)
    SetTopLine(c.Line);
  else if (c.Line >= topLine_ + VisibleLines())
    SetTopLine(c.Line - VisibleLines() + 1);
  int x = TextWidthOf(text_.Line(c.Line).substr(0, static_cast<std::size_t>(c.Col))) + kTextMargin;
  if (x < leftPx_)
    SetLeftOffset(x - kTextMargin);
  else if (x >= leftPx_ + ClientWidth())
    SetLeftOffset(x - ClientWidth() + kTextMargin + 1);
}

void Memo::SetScrollBars(ScrollStyle s) {
  if (s == scrollBars_) return;
  scrollBars_ = s;
  std::uint32_t st = Style() & ~(WS_HSCROLL | WS_VSCROLL);
  if (s == ScrollStyle::ssVertical || s == ScrollStyle::ssBoth) st |= WS_VSCROLL;
  if (s == ScrollStyle::ssHorizontal || s == ScrollStyle::ssBoth) st |= WS_HSCROLL;
  SetStyle(st);
  if (HandleAllocated()) FrameChanged();
  UpdateScrollInfo();
}

// --- scrolling -------------------------------------------------------------------

void Memo::VScroll(int code, int pos) {
  switch (code) {
    case SB_LINEUP: SetTopLine(topLine_ - 1); break;
    case SB_LINEDOWN: SetTopLine(topLine_ + 1); break;
    case SB_PAGEUP: SetTopLine(topLine_ - VisibleLines()); break;
    case SB_PAGEDOWN: SetTopLine(topLine_ + VisibleLines()); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: SetTopLine(pos); break;
    case SB_TOP: SetTopLine(0); break;
    case SB_BOTTOM: SetTopLine(text_.LineCount()); break;
    default: break;  // SB_ENDSCROLL: nothing moves
  }
}

void Memo::HScroll(int code, int pos) {
  int line = std::max(1, TextWidthOf("0"));
  switch (code) {
    case SB_LINEUP: SetLeftOffset(leftPx_ - line); break;
    case SB_LINEDOWN: SetLeftOffset(leftPx_ + line); break;
    case SB_PAGEUP: SetLeftOffset(leftPx_ - ClientWidth()); break;
    case SB_PAGEDOWN: SetLeftOffset(leftPx_ + ClientWidth()); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: SetLeftOffset(pos); break;
    case SB_TOP: SetLeftOffset(0); break;
    case SB_BOTTOM: SetLeftOffset(MaxLineWidth()); break;
    default: break;
  }
}

namespace {
// The thumb position of a scroll message: wParam's high word, or, when that
// is saturated (positions past 65535), what the scroll information holds.
int ThumbPos(const WinControl& w, int bar, WPARAM wParam) {
  int code = LoWord(wParam);
  int pos = HiWord(wParam);
  if (pos == 0xFFFF) {
    ScrollInfo si;
    si.Mask = SIF_POS | SIF_TRACKPOS;
    w.GetScrollInfo(bar, si);
    pos = code == SB_THUMBTRACK ? std::max(si.TrackPos, si.Pos) : si.Pos;
  }
  return pos;
}
}  // namespace

// --- thumb drag ---------------------------------------------------------------------

gfx::Rect Memo::VScrollBarRect() const {
  if (!(Style() & WS_VSCROLL)) return {};
  gfx::Rect c = ClientRectInWindow();
  int w = GetSystemMetrics(SM_CXVSCROLL);
  if (ExStyle() & WS_EX_LEFTSCROLLBAR) return {c.Left - w, c.Top, c.Left, c.Bottom};
  return {c.Right, c.Top, c.Right + w, c.Bottom};
}

bool Memo::BeginThumbDrag(gfx::Point screen) {
  gfx::Rect bar = VScrollBarRect();
  gfx::Rect wr = WindowRect();
  gfx::Point p{screen.X - wr.Left, screen.Y - wr.Top};
  ScrollInfo si;
  si.Mask = SIF_ALL;
  GetScrollInfo(SB_VERT, si);
  gfx::Rect thumb = classic::ScrollThumb(bar, true, si);
  if (thumb.IsEmpty() || !thumb.Contains(p)) return false;
  thumbDrag_ = true;
  thumbGrab_ = p.Y - thumb.Top;
  thumbLastPos_ = si.Pos;
  SetMouseCapture(true);
  return true;
}

// Maps the dragged thumb's top to a position and sends it as `code`.
void Memo::ThumbDragTo(int windowY, int code) {
  gfx::Rect bar = VScrollBarRect();
  ScrollInfo si;
  si.Mask = SIF_ALL;
  GetScrollInfo(SB_VERT, si);
  gfx::Rect thumb = classic::ScrollThumb(bar, true, si);
  int btn = bar.Width();
  int trackTop = bar.Top + btn, trackLen = bar.Height() - 2 * btn;
  int free = trackLen - thumb.Height();
  int span = (si.Max - si.Min + 1) - std::max(1, static_cast<int>(si.Page));
  int pos = thumbLastPos_;
  if (!thumb.IsEmpty() && free > 0 && span > 0) {
    int top = std::clamp(windowY - thumbGrab_, trackTop, trackTop + free);
    pos = si.Min + static_cast<int>((static_cast<long long>(top - trackTop) * span + free / 2) / free);
  }
  thumbLastPos_ = pos;
  si.Mask = SIF_TRACKPOS;
  si.TrackPos = pos;
  SetScrollInfo(SB_VERT, si, false);
  Perform(WM_VSCROLL, static_cast<WPARAM>(MakeLong(code, std::min(pos, 0xFFFF))));
}

// --- messages ---------------------------------------------------------------------

void Memo::WndProc(Message& msg) {
  switch (msg.msg) {
    case WM_VSCROLL:
      VScroll(LoWord(msg.wParam), ThumbPos(*this, SB_VERT, msg.wParam));
      OnVScroll(this);
      return;
    case WM_HSCROLL: HScroll(LoWord(msg.wParam), ThumbPos(*this, SB_HORZ, msg.wParam)); return;
    case WM_MOUSEWHEEL: {
      int delta = static_cast<std::int16_t>(HiWord(msg.wParam));
      bool handled = false;
      OnMouseWheel(this, ShiftFromKeys(LoWord(msg.wParam)), delta,
                   {GetXParam(msg.lParam), GetYParam(msg.lParam)}, handled);
      if (!handled) SetTopLine(topLine_ - delta * kWheelLines / WHEEL_DELTA);
      msg.result = 1;
      return;
    }
    case WM_GETDLGCODE: {
      LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
      // An editable memo takes Enter itself (new line).
      if (!readOnly_ && msg.wParam == VK_RETURN) code |= DLGC_WANTALLKEYS;
      msg.result = code;
      return;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (msg.wParam == static_cast<WPARAM>(HTVSCROLL) &&
          BeginThumbDrag({GetXParam(msg.lParam), GetYParam(msg.lParam)}))
        return;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      bool extend = (msg.wParam & MK_SHIFT) != 0;
      SetCaretPos(PosAt({GetXParam(msg.lParam), GetYParam(msg.lParam)}), extend);
      selecting_ = true;
      if (!Focused() && CanFocus()) SetFocus();
      break;
    }
    case WM_MOUSEMOVE:
      if (thumbDrag_) {
        ThumbDragTo(GetYParam(msg.lParam) + ClientRectInWindow().Top, SB_THUMBTRACK);
        return;
      }
      if (selecting_ && (msg.wParam & MK_LBUTTON))
        SetCaretPos(PosAt({GetXParam(msg.lParam), GetYParam(msg.lParam)}), true);
      break;
    case WM_LBUTTONUP:
      if (thumbDrag_) {
        thumbDrag_ = false;
        SetMouseCapture(false);
        ThumbDragTo(GetYParam(msg.lParam) + ClientRectInWindow().Top, SB_THUMBPOSITION);
        Perform(WM_VSCROLL, static_cast<WPARAM>(SB_ENDSCROLL));
        return;
      }
      selecting_ = false;
      break;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
      selecting_ = false;
      thumbDrag_ = false;
      break;
    case WM_CREATE:
    case WM_SIZE: UpdateScrollInfo(); break;
    case CM_FONTCHANGED: UpdateScrollInfo(); break;
    case CM_ENTER:
    case CM_EXIT: Invalidate(); break;
    case WM_ERASEBKGND: msg.result = 1; return;
    default: break;
  }
  WinControl::WndProc(msg);
}

void Memo::KeyDown(unsigned& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  if (key == 0) return;
  bool ext = (shift & ssShift) != 0, ctrl = (shift & ssCtrl) != 0;
  TextPos c = text_.Caret();
  const std::string& line = text_.Line(c.Line);
  auto moveTo = [&](TextPos p) {
    text_.SetCaret(p, ext);
    ScrollCaretIntoView();
    Invalidate();
  };
  // Up/down keep the caret's x position as well as the text allows.
  auto vertical = [&](int lines) {
    int x = TextWidthOf(line.substr(0, static_cast<std::size_t>(c.Col))) + kTextMargin - leftPx_;
    int target = std::clamp(c.Line + lines, 0, text_.LineCount() - 1);
    int y = (target - topLine_) * LineHeight() + kTextMargin;
    TextPos p = PosAt({x, y});
    p.Line = target;
    moveTo(text_.Clamp(p));
  };
  switch (key) {
    case VK_LEFT: moveTo(text_.PrevChar(c)); break;
    case VK_RIGHT: moveTo(text_.NextChar(c)); break;
    case VK_UP: vertical(-1); break;
    case VK_DOWN: vertical(1); break;
    case VK_PRIOR: {
      SetTopLine(topLine_ - VisibleLines());
      vertical(-VisibleLines());
      break;
    }
    case VK_NEXT: {
      SetTopLine(topLine_ + VisibleLines());
      vertical(VisibleLines());
      break;
    }
    case VK_HOME: moveTo(ctrl ? TextPos{0, 0} : TextPos{c.Line, 0}); break;
    case VK_END:
      moveTo(ctrl ? TextPos{text_.LineCount() - 1, static_cast<int>(text_.Lines().back().size())}
                  : TextPos{c.Line, static_cast<int>(line.size())});
      break;
    case VK_A:
      if (ctrl) SelectAll();
      break;
    case VK_DELETE:
      if (!readOnly_) {
        text_.DeleteForward();
        TextChanged();
      }
      break;
    default: break;
  }
}

void Memo::KeyPress(char32_t& ch) {
  WinControl::KeyPress(ch);
  if (ch == 0 || readOnly_) return;
  if (ch == U'\b') {
    text_.Backspace();
  } else if (ch == U'\r' || ch == U'\n') {
    text_.Insert("\n");
  } else if (ch >= 0x20 && ch != 0x7F) {
    text_.Insert(gfx::EncodeUtf8(std::u32string(1, ch)));
  } else {
    return;
  }
  TextChanged();
  ScrollCaretIntoView();
}

// --- painting -------------------------------------------------------------------------

void Memo::PaintWindow(gfx::Canvas& canvas) { PaintText(canvas); }

void Memo::PaintText(gfx::Canvas& canvas) {
  gfx::Rect client = ClientRect();
  canvas.FillRect(client, gfx::ColorToRGB(Color()));
  gfx::Canvas::StateGuard g(canvas);
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  int lh = LineHeight();
  TextPos s = text_.SelStart(), e = text_.SelEnd();
  bool sel = text_.HasSelection() && Focused();
  gfx::Color textColor = gfx::ColorToRGB(Enabled() ? Font().Color : gfx::clGrayText);
  for (int i = topLine_; i < text_.LineCount(); ++i) {
    int y = kTextMargin + (i - topLine_) * lh;
    if (y >= client.Bottom) break;
    const std::string& l = text_.Line(i);
    int x0 = kTextMargin - leftPx_;
    if (sel && i >= s.Line && i <= e.Line) {
      int from = i == s.Line ? s.Col : 0;
      int to = i == e.Line ? e.Col : static_cast<int>(l.size());
      int a = x0 + canvas.TextWidth(std::string_view(l).substr(0, static_cast<std::size_t>(from)));
      int b = x0 + canvas.TextWidth(std::string_view(l).substr(0, static_cast<std::size_t>(to)));
      if (i != e.Line) b += canvas.TextWidth(" ");
      canvas.FillRect({a, y, b, y + lh}, gfx::ColorToRGB(gfx::clHighlight));
      canvas.SetTextColor(textColor);
      canvas.TextOut(x0, y, l);
      // The selected part again in the highlight text colour, clipped.
      gfx::Canvas::StateGuard g2(canvas);
      canvas.IntersectClipRect({a, y, b, y + lh});
      canvas.SetTextColor(gfx::ColorToRGB(gfx::clHighlightText));
      canvas.TextOut(x0, y, l);
    } else {
      canvas.SetTextColor(textColor);
      canvas.TextOut(x0, y, l);
    }
  }
  if (Focused()) {
    TextPos c = text_.Caret();
    if (c.Line >= topLine_ && c.Line < topLine_ + VisibleLines() + 1) {
      int x =
          kTextMargin - leftPx_ +
          canvas.TextWidth(std::string_view(text_.Line(c.Line)).substr(0, static_cast<std::size_t>(c.Col)));
      int y = kTextMargin + (c.Line - topLine_) * lh;
      canvas.FillRect({x, y, x + 1, y + lh}, gfx::ColorToRGB(Font().Color));
    }
  }
}

}  // namespace ui
