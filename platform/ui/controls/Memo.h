// The memo: multi-line text in a window with a client-edge border and
// optional scroll bars in its non-client area. It shows a caret and a
// selection (mouse and keyboard), scrolls by the scroll messages (codes 0-7
// and end scroll 8; thumb position and track from wParam's high word), the
// mouse wheel, caret movement and a drag of the scroll bar's thumb, and keeps the window's scroll information
// up to date. Editing is plain: insert, Backspace, Delete, Enter; no undo,
// no word wrap.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/WinControl.h"
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
  // Lines joined with "\n"; setting splits at CR LF, CR and LF.
  std::string Text() const { return text_.Text(); }
  void SetText(const std::string& text);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on) { readOnly_ = on; }

  // --- caret and selection ------------------------------------------------
  TextPos CaretPos() const { return text_.Caret(); }
  void SetCaretPos(TextPos p, bool extend = false);
  void SelectAll();
  std::string SelText() const { return text_.SelectedText(); }
  bool HasSelection() const { return text_.HasSelection(); }

  // --- scrolling ----------------------------------------------------------
  ScrollStyle ScrollBars() const { return scrollBars_; }
  // Sets WS_VSCROLL / WS_HSCROLL and recalculates the frame.
  void SetScrollBars(ScrollStyle s);
  int TopLine() const { return topLine_; }
  void SetTopLine(int line);
  int LeftOffset() const { return leftPx_; }
  int LineHeight() const;
  // Whole lines that fit in the client area (at least 1).
  int VisibleLines() const;
  // Scrolls so that the caret is inside the client area.
  void ScrollCaretIntoView();
  // The vertical scroll bar in window coordinates (empty without one).
  gfx::Rect VScrollBarRect() const;
  // Lines per wheel notch.
  static constexpr int kWheelLines = 3;

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
  void TextChanged();

 private:
  // Dragging the thumb of the vertical bar (the window holds the capture).
  bool BeginThumbDrag(gfx::Point screen);
  void ThumbDragTo(int windowY, int code);
  TextPos PosAt(gfx::Point client) const;
  int TextWidthOf(const std::string& utf8) const;
  int MaxLineWidth() const;
  void SetLeftOffset(int px);

  MemoText text_;
  bool readOnly_ = false;
  ScrollStyle scrollBars_ = ScrollStyle::ssNone;
  int topLine_ = 0;
  int leftPx_ = 0;
  bool selecting_ = false;
  bool thumbDrag_ = false;
  int thumbGrab_ = 0;
  int thumbLastPos_ = 0;
};

}  // namespace ui
