// The memo: multi-line text in a window with a client-edge border and
// optional scroll bars in its non-client area. Lines wrap at word boundaries
// to the client width (WordWrap, on by default; the horizontal bar is then
// left out); caret, selection, Home/End, Up/Down, the page keys, the vertical
// scroll range and mouse hits follow the visual rows. It scrolls by the
// scroll messages (codes 0-7 and end scroll 8; thumb position and track from
// wParam's high word), the mouse wheel, caret movement and its plain scroll
// bars (auto-repeating arrows and page areas, thumb drag), and keeps the
// window's scroll information up to date. Editing: typing, Backspace,
// Delete, Enter, undo/redo (Ctrl+Z / Alt+Backspace, Ctrl+Y / Ctrl+Shift+Z)
// and the clipboard (Ctrl+C / Ctrl+Insert, Ctrl+X / Shift+Delete, Ctrl+V /
// Shift+Insert, Ctrl+A).
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ui/EditMessages.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/controls/MemoCharCase.h"
#include "platform/ui/controls/MemoLayout.h"
#include "platform/ui/controls/MemoText.h"

namespace ui {

enum class ScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class Memo : public WinControl {
 public:
  explicit Memo(Component* owner);
  ~Memo() override;

  std::string ClassName() const override { return "TMemo"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TMemo" || c == "TCustomMemo" || c == "TCustomEdit" || WinControl::InheritsFrom(c);
  }

  // --- text ---------------------------------------------------------------
  const std::vector<std::string>& Lines() const { return text_.Lines(); }
  void SetLines(std::vector<std::string> lines);
  void AddLine(const std::string& line);
  // Text() and SetText() (the control's, through WM_GETTEXT / WM_SETTEXT)
  // are the lines joined with "\n"; setting splits at CR LF, CR and LF.
  // Every change of the text sends CM_TEXTCHANGED and CM_CHANGED, then
  // OnChange.
  // Letter case of all text: converts what is there and what comes in.
  EditCharCase CharCase() const { return charCase_; }
  void SetCharCase(EditCharCase c);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on) { readOnly_ = on; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);

  // --- caret and selection ------------------------------------------------
  // Both go through EM_SETSEL; the caret is scrolled into view.
  TextPos CaretPos() const { return text_.Caret(); }
  void SetCaretPos(TextPos p, bool extend = false);
  void SelectAll();
  std::string SelText() const { return text_.SelectedText(); }
  bool HasSelection() const { return text_.HasSelection(); }
  // The caret's top-left in client coordinates.
  gfx::Point CaretPoint() const;

  // --- editing (nothing happens while ReadOnly, except copying) -----------
  bool CanUndo() const { return !readOnly_ && text_.CanUndo(); }
  bool CanRedo() const { return !readOnly_ && text_.CanRedo(); }
  void Undo();
  void Redo();
  void CopyToClipboard() const;
  void CutToClipboard();
  void PasteFromClipboard();

  // --- rows and scrolling -------------------------------------------------
  // The visual rows: one per line without word wrap.
  const MemoLayout& Layout() const { return layout_; }
  int RowCount() const { return layout_.RowCount(); }
  ScrollStyle ScrollBars() const { return scrollBars_; }
  // Sets WS_VSCROLL / WS_HSCROLL and recalculates the frame.
  void SetScrollBars(ScrollStyle s);
  // The first visible row.
  int TopLine() const { return topLine_; }
  void SetTopLine(int row);
  int LeftOffset() const { return leftPx_; }
  int LineHeight() const;
  // Whole rows that fit in the client area (at least 1).
  int VisibleLines() const;
  // Scrolls so that the caret is inside the client area.
  void ScrollCaretIntoView();
  // The vertical scroll bar in window coordinates (empty without one).
  gfx::Rect VScrollBarRect() const;
  // Rows per wheel notch.
  static constexpr int kWheelLines = 3;
  // Space between the client edge and the text.
  static constexpr int kTextMargin = 2;

  NotifyEvent OnChange;
  NotifyEvent OnVScroll;

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void WndProc(Message& msg) override;
  void PaintWindow(gfx::Canvas& canvas) override;
  void KeyDown(unsigned& key, ShiftState shift) override;
  void KeyPress(char32_t& ch) override;
  // The plain look: background, text, selection, caret.
  virtual void PaintText(gfx::Canvas& canvas);
  // Scroll message handling (WM_VSCROLL / WM_HSCROLL).
  virtual void VScroll(int code, int pos);
  virtual void HScroll(int code, int pos);
  // Re-reads the text size into the scroll information.
  void UpdateScrollInfo();
  // After the text changed: new rows, scroll range, repaint, the change
  // notices and OnChange.
  void TextChanged();

 private:
  std::uint32_t ScrollStyleBits() const;
  void ApplyScrollStyle();
  // Lays the text out in rows again, keeping the first visible text on top,
  // and measures the widest line.
  void Relayout();
  int WrapWidth() const;
  int CharWidth(std::string_view ch) const;
  int WidthOf(std::string_view s) const;
  int MaxLineWidth() const;
  // x of a position inside a row, in client coordinates.
  int XOf(int row, TextPos p) const;
  // The position in a row nearest to client x; `atRowEnd` tells whether it
  // is the end of a wrapped row.
  TextPos PosInRow(int row, int x, bool& atRowEnd) const;
  TextPos PosAt(gfx::Point client, bool& atRowEnd) const;
  int CaretRow() const { return layout_.RowOf(text_.Caret(), caretAtRowEnd_); }
  void MoveCaret(TextPos p, bool extend, bool atRowEnd = false);
  void MoveRows(int rows, bool extend);
  // EM_SETSEL: selects from the anchor to the caret and scrolls the caret
  // into view.
  void SetSelection(WPARAM anchorOffset, LPARAM caretOffset);
  // After an edit by the user: caret row, view, repaint and OnChange.
  void Edited();
  void Paste(std::string_view text);
  void SetLeftOffset(int px);
  void AssignText(std::string_view text);
  std::string Cased(std::string_view text) const { return ApplyCharCase(text, charCase_); }

  MemoText text_;
  MemoLayout layout_;
  bool readOnly_ = false;
  EditCharCase charCase_ = EditCharCase::ecNormal;
  bool wordWrap_ = true;
  ScrollStyle scrollBars_ = ScrollStyle::ssNone;
  int topLine_ = 0;
  int leftPx_ = 0;
  // The caret sits at the end of a wrapped row rather than at the start of
  // the next one (the same text position).
  bool caretAtRowEnd_ = false;
  // The x that Up/Down keep to while moving through rows (-1: none).
  int goalX_ = -1;
  bool selecting_ = false;
  // The widest line's width (without wrapping; kept by Relayout).
  int widestLine_ = 0;
  // Character widths in the current font.
  mutable std::unordered_map<std::string, int> widths_;
};

}  // namespace ui
