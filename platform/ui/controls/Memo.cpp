#include "platform/ui/controls/Memo.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Utf8.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ScrollBarTracker.h"

namespace ui {

Memo::Memo(Component* owner) : WinControl(owner) {
  SetControlStyle((ControlStyle() | csOpaque | csDoubleClicks) & ~(csClickEvents | csSetCaption));
  SetColor(gfx::clWindow);
  SetExStyle(ExStyle() | WS_EX_CLIENTEDGE);
  SetTabStop(true);
  SetCursor(crIBeam);
  SetBounds(0, 0, 185, 89);
}

Memo::~Memo() { BeginDestruction(); }

// With word wrap the horizontal bar has nothing to scroll and is left out.
std::uint32_t Memo::ScrollStyleBits() const {
  std::uint32_t bits = 0;
  if (scrollBars_ == ScrollStyle::ssVertical || scrollBars_ == ScrollStyle::ssBoth) bits |= WS_VSCROLL;
  if (!wordWrap_ && (scrollBars_ == ScrollStyle::ssHorizontal || scrollBars_ == ScrollStyle::ssBoth))
    bits |= WS_HSCROLL;
  return bits;
}

void Memo::CreateParams(ui::CreateParams& p) {
  WinControl::CreateParams(p);
  p.Style = (p.Style & ~(WS_HSCROLL | WS_VSCROLL)) | ScrollStyleBits();
}

void Memo::ApplyScrollStyle() {
  SetStyle((Style() & ~(WS_HSCROLL | WS_VSCROLL)) | ScrollStyleBits());
  if (HandleAllocated()) FrameChanged();
  Relayout();
  UpdateScrollInfo();
  Invalidate();
}

void Memo::SetScrollBars(ScrollStyle s) {
  if (s == scrollBars_) return;
  scrollBars_ = s;
  ApplyScrollStyle();
}

void Memo::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  leftPx_ = 0;
  ApplyScrollStyle();
}

// --- text ---------------------------------------------------------------------

void Memo::TextChanged() {
  Relayout();
  topLine_ = std::min(topLine_, std::max(0, RowCount() - 1));
  UpdateScrollInfo();
  Invalidate();
  Perform(CM_TEXTCHANGED);
  Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
  OnChange(this);
}

void Memo::SetLines(std::vector<std::string> lines) {
  for (std::string& l : lines) l = Cased(l);
  text_.SetLines(std::move(lines));
  topLine_ = leftPx_ = 0;
  caretAtRowEnd_ = false;
  TextChanged();
}

void Memo::AddLine(const std::string& line) {
  std::vector<std::string> l = text_.Lines();
  if (l.size() == 1 && l[0].empty())
    l[0] = line;
  else
    l.push_back(line);
  l.back() = Cased(l.back());
  TextPos caret = text_.Caret();
  text_.SetLines(std::move(l));
  text_.SetCaret(caret, false);
  TextChanged();
}

void Memo::AssignText(std::string_view text) {
  text_.SetText(Cased(text));
  topLine_ = leftPx_ = 0;
  caretAtRowEnd_ = false;
  TextChanged();
}

void Memo::SetCharCase(EditCharCase c) {
  if (c == charCase_) return;
  charCase_ = c;
  if (c == EditCharCase::ecNormal) return;
  // Conversion keeps every character's byte length, so positions stay.
  std::vector<std::string> lines = text_.Lines();
  for (std::string& l : lines) l = Cased(l);
  if (lines == text_.Lines()) return;
  TextPos caret = text_.Caret();
  text_.SetLines(std::move(lines));
  text_.SetCaret(caret, false);
  TextChanged();
}

// Selections set from outside go through EM_SETSEL, so that a class or a
// window procedure above the memo sees them.
void Memo::SetCaretPos(TextPos p, bool extend) {
  const TextPos caret = text_.Clamp(p);
  const TextPos anchor = extend ? text_.Anchor() : caret;
  Perform(EM_SETSEL, static_cast<WPARAM>(text_.OffsetOf(anchor)), static_cast<LPARAM>(text_.OffsetOf(caret)));
}

void Memo::SelectAll() { Perform(EM_SETSEL, 0, -1); }

void Memo::SetSelection(WPARAM anchorOffset, LPARAM caretOffset) {
  const TextPos caret = caretOffset == -1 ? text_.End() : text_.PosAtOffset(caretOffset);
  const bool none = static_cast<LPARAM>(anchorOffset) == -1;
  text_.SetCaret(none ? caret : text_.PosAtOffset(static_cast<LPARAM>(anchorOffset)), false);
  MoveCaret(caret, !none);
}

void Memo::MoveCaret(TextPos p, bool extend, bool atRowEnd) {
  text_.SetCaret(p, extend);
  caretAtRowEnd_ = atRowEnd && text_.Caret() == p;
  goalX_ = -1;
  ScrollCaretIntoView();
  Invalidate();
}

void Memo::Edited() {
  caretAtRowEnd_ = false;
  goalX_ = -1;
  TextChanged();
  ScrollCaretIntoView();
}

// --- editing ----------------------------------------------------------------------

void Memo::Undo() {
  if (!readOnly_ && text_.Undo()) Edited();
}

void Memo::Redo() {
  if (!readOnly_ && text_.Redo()) Edited();
}

void Memo::CopyToClipboard() const {
  if (text_.HasSelection()) SetClipboardText(text_.SelectedText());
}

void Memo::CutToClipboard() {
  if (readOnly_ || !text_.HasSelection()) return;
  SetClipboardText(text_.SelectedText());
  if (text_.DeleteSelection()) Edited();
}

void Memo::PasteFromClipboard() {
  if (!readOnly_) Paste(ClipboardText());
}

void Memo::Paste(std::string_view text) {
  const std::string z(text);
  Perform(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(z.c_str()));
}

// --- geometry ------------------------------------------------------------------

int Memo::LineHeight() const { return std::max(1, gfx::GetFontMetrics(Font()).Height); }

int Memo::VisibleLines() const { return std::max(1, (ClientHeight() - kTextMargin) / LineHeight()); }

int Memo::CharWidth(std::string_view ch) const {
  auto it = widths_.find(std::string(ch));
  if (it != widths_.end()) return it->second;
  gfx::Bitmap bmp(1, 1, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(bmp);
  c.SetFont(Font());
  int w = c.TextWidth(ch);
  widths_.emplace(std::string(ch), w);
  return w;
}

// Text is drawn glyph after glyph without kerning, so a width is the sum of
// its characters' widths.
int Memo::WidthOf(std::string_view s) const {
  int w = 0;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t n = static_cast<std::size_t>(CharLength(s, i));
    w += CharWidth(s.substr(i, n));
    i += n;
  }
  return w;
}

int Memo::MaxLineWidth() const { return widestLine_ + 2 * kTextMargin; }

int Memo::WrapWidth() const {
  if (!wordWrap_ || !HandleAllocated()) return 0;
  return std::max(1, ClientWidth() - 2 * kTextMargin);
}

void Memo::Relayout() {
  const MemoRow top = layout_.Row(std::clamp(topLine_, 0, RowCount() - 1));
  layout_.Build(text_.Lines(), WrapWidth(), [this](std::string_view ch) { return CharWidth(ch); });
  widestLine_ = 0;
  if (!wordWrap_)
    for (const std::string& l : text_.Lines()) widestLine_ = std::max(widestLine_, WidthOf(l));
  topLine_ = top.Line < text_.LineCount() ? layout_.RowOf({top.Line, top.Start}) : 0;
}

int Memo::XOf(int row, TextPos p) const {
  const MemoRow& r = layout_.Row(row);
  const std::string& l = text_.Line(r.Line);
  int col = std::clamp(p.Col, r.Start, r.End);
  return kTextMargin - leftPx_ +
         WidthOf(std::string_view(l).substr(static_cast<std::size_t>(r.Start),
                                            static_cast<std::size_t>(col - r.Start)));
}

gfx::Point Memo::CaretPoint() const {
  int row = CaretRow();
  return {XOf(row, text_.Caret()), kTextMargin + (row - topLine_) * LineHeight()};
}

TextPos Memo::PosInRow(int row, int x, bool& atRowEnd) const {
  const MemoRow& r = layout_.Row(row);
  std::string_view l = text_.Line(r.Line);
  int at = x + leftPx_ - kTextMargin;
  // The boundary nearest to x.
  int col = r.Start, w = 0;
  while (col < r.End) {
    int n = CharLength(l, static_cast<std::size_t>(col));
    int cw = CharWidth(l.substr(static_cast<std::size_t>(col), static_cast<std::size_t>(n)));
    if (at < w + cw / 2) break;
    w += cw;
    col += n;
  }
  atRowEnd = col == r.End && !layout_.EndsLine(row);
  return {r.Line, col};
}

TextPos Memo::PosAt(gfx::Point p, bool& atRowEnd) const {
  int row = p.Y < kTextMargin ? topLine_ - 1 : topLine_ + (p.Y - kTextMargin) / LineHeight();
  return PosInRow(std::clamp(row, 0, RowCount() - 1), p.X, atRowEnd);
}

void Memo::UpdateScrollInfo() {
  ScrollInfo v;
  v.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
  v.Min = 0;
  v.Max = std::max(0, RowCount() - 1);
  v.Page = static_cast<unsigned>(VisibleLines());
  v.Pos = topLine_;
  topLine_ = SetScrollInfo(SB_VERT, v, true);
  ScrollInfo h;
  h.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
  h.Min = 0;
  h.Max = wordWrap_ ? 0 : std::max(0, MaxLineWidth() - 1);
  h.Page = static_cast<unsigned>(std::max(1, ClientWidth()));
  h.Pos = leftPx_;
  leftPx_ = SetScrollInfo(SB_HORZ, h, true);
}

void Memo::SetTopLine(int row) {
  int maxTop = std::max(0, RowCount() - VisibleLines());
  row = std::clamp(row, 0, maxTop);
  if (row == topLine_) return;
  topLine_ = row;
  UpdateScrollInfo();
  Invalidate();
}

void Memo::SetLeftOffset(int px) {
  int maxLeft = wordWrap_ ? 0 : std::max(0, MaxLineWidth() - ClientWidth());
  px = std::clamp(px, 0, maxLeft);
  if (px == leftPx_) return;
  leftPx_ = px;
  UpdateScrollInfo();
  Invalidate();
}

void Memo::ScrollCaretIntoView() {
  int row = CaretRow();
  if (row < topLine_)
    SetTopLine(row);
  else if (row >= topLine_ + VisibleLines())
    SetTopLine(row - VisibleLines() + 1);
  if (wordWrap_) return;
  int x = XOf(row, text_.Caret()) + leftPx_;
  if (x < leftPx_)
    SetLeftOffset(x - kTextMargin);
  else if (x >= leftPx_ + ClientWidth())
    SetLeftOffset(x - ClientWidth() + kTextMargin + 1);
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
    case SB_BOTTOM: SetTopLine(RowCount()); break;
    default: break;  // SB_ENDSCROLL: nothing moves
  }
}

void Memo::HScroll(int code, int pos) {
  int step = std::max(1, WidthOf("0"));
  switch (code) {
    case SB_LINEUP: SetLeftOffset(leftPx_ - step); break;
    case SB_LINEDOWN: SetLeftOffset(leftPx_ + step); break;
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
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      bool extend = (msg.wParam & MK_SHIFT) != 0, atEnd = false;
      TextPos p = PosAt({GetXParam(msg.lParam), GetYParam(msg.lParam)}, atEnd);
      MoveCaret(p, extend, atEnd);
      selecting_ = true;
      if (!Focused() && CanFocus()) SetFocus();
      break;
    }
    case WM_MOUSEMOVE:
      if (selecting_ && (msg.wParam & MK_LBUTTON)) {
        bool atEnd = false;
        TextPos p = PosAt({GetXParam(msg.lParam), GetYParam(msg.lParam)}, atEnd);
        MoveCaret(p, true, atEnd);
      }
      break;
    case WM_LBUTTONUP: selecting_ = false; break;
    case WM_CANCELMODE:
    case CM_CANCELMODE: selecting_ = false; break;
    case WM_CREATE:
    case WM_SIZE:
      WinControl::WndProc(msg);
      Relayout();
      UpdateScrollInfo();
      return;
    case CM_FONTCHANGED:
      widths_.clear();
      Relayout();
      UpdateScrollInfo();
      break;
    case CM_ENTER:
    case CM_EXIT: Invalidate(); break;
    case WM_ERASEBKGND: msg.result = 1; return;
    case WM_GETTEXT: {
      std::string text = text_.Text();
      msg.result = static_cast<LRESULT>(text.size());
      if (msg.lParam) *reinterpret_cast<std::string*>(msg.lParam) = std::move(text);
      return;
    }
    case WM_SETTEXT:
      AssignText(msg.lParam ? reinterpret_cast<const char*>(msg.lParam) : "");
      msg.result = 1;
      return;
    case EM_SETSEL:
      SetSelection(msg.wParam, msg.lParam);
      return;
    case EM_REPLACESEL:
      if (msg.lParam && text_.Insert(Cased(reinterpret_cast<const char*>(msg.lParam)))) Edited();
      return;
    default: break;
  }
  WinControl::WndProc(msg);
}

void Memo::MoveRows(int rows, bool extend) {
  int row = CaretRow();
  if (goalX_ < 0) goalX_ = XOf(row, text_.Caret()) + leftPx_;
  int goal = goalX_;
  bool atEnd = false;
  TextPos p = PosInRow(std::clamp(row + rows, 0, RowCount() - 1), goal - leftPx_, atEnd);
  MoveCaret(p, extend, atEnd);
  goalX_ = goal;
}

void Memo::KeyDown(unsigned& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  if (key == 0) return;
  const bool ext = (shift & ssShift) != 0, ctrl = (shift & ssCtrl) != 0, alt = (shift & ssAlt) != 0;
  const TextPos c = text_.Caret();
  const int row = CaretRow();
  const MemoRow& r = layout_.Row(row);
  switch (key) {
    case VK_LEFT: MoveCaret(text_.PrevChar(c), ext); break;
    case VK_RIGHT: MoveCaret(text_.NextChar(c), ext); break;
    case VK_UP: MoveRows(-1, ext); break;
    case VK_DOWN: MoveRows(1, ext); break;
    case VK_PRIOR:
      SetTopLine(topLine_ - VisibleLines());
      MoveRows(-VisibleLines(), ext);
      break;
    case VK_NEXT:
      SetTopLine(topLine_ + VisibleLines());
      MoveRows(VisibleLines(), ext);
      break;
    case VK_HOME: MoveCaret(ctrl ? TextPos{} : TextPos{r.Line, r.Start}, ext); break;
    case VK_END:
      if (ctrl)
        MoveCaret(text_.End(), ext);
      else
        MoveCaret({r.Line, r.End}, ext, !layout_.EndsLine(row));
      break;
    case VK_A:
      if (ctrl && !alt) SelectAll();
      break;
    case 'C':
      if (ctrl && !alt) CopyToClipboard();
      break;
    case 'X':
      if (ctrl && !alt) CutToClipboard();
      break;
    case 'V':
      if (ctrl && !alt) PasteFromClipboard();
      break;
    case VK_Z:
      if (ctrl && !alt) ext ? Redo() : Undo();
      break;
    case 'Y':
      if (ctrl && !alt) Redo();
      break;
    case VK_BACK:
      if (alt) Undo();  // typed Backspace arrives as a character
      break;
    case VK_INSERT:
      if (ctrl)
        CopyToClipboard();
      else if (ext)
        PasteFromClipboard();
      break;
    case VK_DELETE:
      if (ext) {
        CutToClipboard();
      } else if (!readOnly_ && text_.DeleteForward()) {
        Edited();
      }
      break;
    default: break;
  }
}

void Memo::KeyPress(char32_t& ch) {
  WinControl::KeyPress(ch);
  if (ch == 0 || readOnly_) return;
  bool changed = false;
  if (ch == U'\b')
    changed = text_.Backspace();
  else if (ch == U'\r' || ch == U'\n')
    changed = text_.Insert("\n", EditKind::Typing);
  else if (ch >= 0x20 && ch != 0x7F)
    changed =
        text_.Insert(gfx::EncodeUtf8(std::u32string(1, ApplyCharCase(ch, charCase_))), EditKind::Typing);
  if (changed) Edited();
}

// --- painting -------------------------------------------------------------------------

void Memo::PaintWindow(gfx::Canvas& canvas) { PaintText(canvas); }

gfx::Rect Memo::VScrollBarRect() const { return ScrollTracker().BarRect(true); }

void Memo::PaintText(gfx::Canvas& canvas) {
  gfx::Rect client = ClientRect();
  canvas.FillRect(client, gfx::ColorToRGB(Color()));
  gfx::Canvas::StateGuard g(canvas);
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  const int lh = LineHeight();
  const TextPos s = text_.SelStart(), e = text_.SelEnd();
  const bool sel = text_.HasSelection() && Focused();
  const gfx::Color textColor = gfx::ColorToRGB(Enabled() ? Font().Color : gfx::clGrayText);
  for (int i = topLine_; i < RowCount(); ++i) {
    const int y = kTextMargin + (i - topLine_) * lh;
    if (y >= client.Bottom) break;
    const MemoRow& r = layout_.Row(i);
    const std::string_view l = text_.Line(r.Line);
    const std::string_view part =
        l.substr(static_cast<std::size_t>(r.Start), static_cast<std::size_t>(r.End - r.Start));
    const int x0 = kTextMargin - leftPx_;
    canvas.SetTextColor(textColor);
    canvas.TextOut(x0, y, part);
    const TextPos rowStart{r.Line, r.Start}, rowEnd{r.Line, r.End};
    if (!sel || !(s < rowEnd || s == rowEnd) || !(rowStart < e)) continue;
    const int a = XOf(i, s < rowStart ? rowStart : s);
    int b = XOf(i, e < rowEnd ? e : rowEnd);
    // A selection that runs on past the line's end shows its line break.
    if (rowEnd < e && layout_.EndsLine(i)) b += WidthOf(" ");
    if (b <= a) continue;
    canvas.FillRect({a, y, b, y + lh}, gfx::ColorToRGB(gfx::clHighlight));
    gfx::Canvas::StateGuard g2(canvas);
    canvas.IntersectClipRect({a, y, b, y + lh});
    canvas.SetTextColor(gfx::ColorToRGB(gfx::clHighlightText));
    canvas.TextOut(x0, y, part);
  }
  if (Focused()) {
    gfx::Point p = CaretPoint();
    if (p.Y < client.Bottom && p.Y + lh > 0)
      canvas.FillRect({p.X, p.Y, p.X + 1, p.Y + lh}, gfx::ColorToRGB(Font().Color));
  }
}

}  // namespace ui
