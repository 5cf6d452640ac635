// A top-level window: border styles and icons, a plain classic frame that the
// toolkit computes, paints, hit-tests, moves and sizes (all through the
// non-client messages, so a frame skinning component that takes over the
// procedure chain can replace it), activation, window states, the system
// menu, stacking, layered windows and modal showing.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/Icon.h"
#include "platform/ui/WinControl.h"

namespace ui {

class MainMenu;
class PopupMenu;
class MenuBarLayout;

enum class BorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using BorderIcons = unsigned;
constexpr BorderIcons biSystemMenu = 0x1;
constexpr BorderIcons biMinimize = 0x2;
constexpr BorderIcons biMaximize = 0x4;
constexpr BorderIcons biHelp = 0x8;

enum class WindowState { wsNormal, wsMinimized, wsMaximized };
enum class Position {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum class FormStyle { fsNormal, fsStayOnTop };

using ModalResult = int;
constexpr ModalResult mrNone = 0;
constexpr ModalResult mrOk = 1;
constexpr ModalResult mrCancel = 2;
constexpr ModalResult mrAbort = 3;
constexpr ModalResult mrRetry = 4;
constexpr ModalResult mrIgnore = 5;
constexpr ModalResult mrYes = 6;
constexpr ModalResult mrNo = 7;
constexpr ModalResult mrClose = 8;

// Size limits of a form's window (0 = no limit).
struct SizeConstraints {
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  friend bool operator==(const SizeConstraints&, const SizeConstraints&) = default;
};

class Form : public WinControl {
 public:
  explicit Form(Component* owner);
  ~Form() override;

  std::string ClassName() const override { return "TForm"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TForm" || c == "TCustomForm" || WinControl::InheritsFrom(c);
  }

  // --- frame -------------------------------------------------------------
  BorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(BorderStyle s);
  BorderIcons GetBorderIcons() const { return borderIcons_; }
  void SetBorderIcons(BorderIcons icons);
  FormStyle GetFormStyle() const { return formStyle_; }
  void SetFormStyle(FormStyle s);
  MainMenu* Menu() const { return menu_; }
  void SetMenu(MainMenu* menu);
  // Number of menu-bar rows (0 without a visible menu).
  int MenuLineCount() const;
  const SizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const SizeConstraints& c);
  Position GetPosition() const { return position_; }
  void SetPosition(Position p) { position_ = p; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  // The window icon; an empty one stands for the application's icon.
  const Icon& GetIcon() const { return icon_; }
  void SetIcon(const Icon& icon);
  // The icon the window shows: its own, else the application's.
  const Icon& EffectiveIcon() const;
  // The title the window system shows for the window (task bar): the
  // application's title for the main form when it has one, else Caption.
  std::string SurfaceTitle() const;
  void ApplySurfaceTitle();

  // --- showing -----------------------------------------------------------
  void SetVisible(bool on) override;
  bool Showing() const override;
  // Shows and activates (brings to front).
  void ShowForm();
  // Shows without activating.
  void ShowNoActivate();
  void HideForm();
  // True while the form is being shown or hidden (OnShow / OnHide and the
  // messages the change sends run inside it).
  bool ShowingChanging() const { return showingChanging_; }
  WindowState GetWindowState() const { return windowState_; }
  void SetWindowState(WindowState s);
  // The normal (restored) bounds.
  gfx::Rect RestoredBounds() const { return restored_; }
  // Runs a nested message loop until ModalResult becomes non-zero (or the
  // form closes); other forms take no input meanwhile, timers and painting
  // go on. The form is hidden afterwards, not destroyed.
  ModalResult ShowModal();
  bool IsModal() const { return modal_; }
  ModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(ModalResult r) { modalResult_ = r; }
  // Asks OnCloseQuery, then OnClose; hides (or ends the modal loop, or quits
  // the application for the main form).
  void Close();
  // Deletes the form once the current message has been handled.
  void Release();

  // --- activation and stacking ------------------------------------------
  bool Active() const { return active_; }
  // Raises, activates and gives the keyboard focus.
  void Activate();
  void BringToFront();
  void SendToBack();
  // Places directly above / below another top-level window without moving,
  // sizing, activating or redrawing.
  void PlaceAbove(Form& other);
  void PlaceBelow(Form& other);
  bool Topmost() const;
  void SetTopmost(bool on);
  // The focused control inside this form.
  WinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(WinControl* c);
  // Focuses `c` (moving the form's active control) with CM_ENTER/CM_EXIT.
  void FocusControl(WinControl* c);

  // --- layered windows --------------------------------------------------
  // Constant alpha of the whole window (layered style; 255 = opaque).
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool on);
  std::uint8_t AlphaBlendValue() const { return alphaValue_; }
  void SetAlphaBlendValue(std::uint8_t v);
  // Replaces the window's pixels by a 32-bit picture with per-pixel alpha
  // (straight), times constantAlpha, moving and sizing it in one step. The
  // window needs WS_EX_LAYERED; false otherwise.
  bool UpdateLayered(const gfx::Bitmap& picture, gfx::Point position, gfx::Size size,
                     std::uint8_t constantAlpha);
  static bool LayeredAvailable();

  // --- system menu --------------------------------------------------------
  // The form's system menu (created on first use); items carry their SC_*
  // command in Tag.
  PopupMenu* SystemMenu();
  // Opens the system menu at a screen point (modal) and runs the chosen
  // command through WM_SYSCOMMAND.
  void TrackSystemMenu(gfx::Point screen);

  // Popup-menu windows take input while a modal form runs.
  bool IsMenuWindow() const { return menuWindow_; }
  void SetMenuWindow(bool on) { menuWindow_ = on; }

  // The default and cancel button of the form (through AnswersDialogKey).
  Control* FindDialogButton(DialogKey key) const;

  // --- events ------------------------------------------------------------
  NotifyEvent OnCreate;
  NotifyEvent OnDestroy;
  NotifyEvent OnShow;
  NotifyEvent OnHide;
  CloseEvent OnClose;
  CloseQueryEvent OnCloseQuery;
  NotifyEvent OnActivate;
  NotifyEvent OnDeactivate;
  NotifyEvent OnPaint;

  // Runs the creation steps after loading (OnCreate); Application::CreateForm
  // calls it.
  void DoCreate();

  // Non-client geometry of the classic frame for this form's styles.
  struct FrameInsets {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;  // frame + caption (+ menu in Top)
    int Border = 0;                                // frame width
    int Caption = 0;                               // caption height (0 = none)
    int Menu = 0;                                  // menu-bar height
  };
  FrameInsets Insets() const;
  // Window size for a client size and back (the current styles and menu).
  gfx::Size ClientToWindowSize(gfx::Size client) const;
  gfx::Size WindowToClientSize(gfx::Size window) const;
  // Caption button rectangles in window coordinates (empty when absent).
  gfx::Rect CaptionButtonRect(int hitCode) const;
  gfx::Rect CaptionRect() const;  // window coordinates
  gfx::Rect MenuBarRect() const;  // window coordinates
  MenuBarLayout& MenuBar();

 protected:
  void WndProc(Message& msg) override;
  void DefaultHandler(Message& msg) override;
  void CreateParams(ui::CreateParams& params) override;
  void CreateWnd() override;
  void SurfaceOptions(backend::SurfaceOptions& options) const override;
  void Notification(Component* c, Operation op) override;
  void NcCalcSize(NcCalcSizeParams& params) override;
  int NcHitTest(gfx::Point screen) override;
  void NcPaint(gfx::Canvas& windowCanvas) override;
  void PaintWindow(gfx::Canvas& canvas) override;
  virtual void DoShow();
  virtual void DoHide();
  virtual bool CloseQuery();

 private:
  friend class Application;
  class Impl;
  friend class FormFrame;
  void ApplyStyles();
  // Hands the effective icon to the window system and repaints the caption.
  void ApplyIcon();
  void ApplyPosition();
  void SysCommand(Message& msg);
  void NcButtonDown(Message& msg);
  void TrackCaptionButton(int hit);
  void SetActiveFlag(bool on, Form* other);
  // A modal form stays above every window it blocks.
  void KeepAboveBlockedWindows();
  // Passes the activation on to another form (the main form first).
  void HandOffActivation();
  // Back from the minimised state: on screen again and active.
  void LeaveMinimized();
  // The window manager minimised or restored the window.
  void WindowManagerMinimized(bool minimized);

  // The window this one belongs to on the desktop (FormOwner.cpp): window
  // managers keep it above that one and iconify the two together. While
  // shown modally, the form that was active when it was shown (else the
  // next modal form down, else the main form); otherwise its owner if that
  // is a form, else the main form. None for the main form, menu windows and
  // auxiliary windows (tag -98).
  Form* OwnerWindow() const;
  void ApplySurfaceOwner();
  // What the window manager may do to the window, from its styles.
  backend::WindowActions SurfaceActions() const;
  // The shown modal forms and the windows they belong to, owners first.
  static std::vector<Form*> ModalGroup();
  // A form of the modal group that was minimised or restored takes the
  // rest of the group with it; restored, the innermost modal form ends up
  // in front and active.
  void KeepModalGroupTogether(bool minimized);

  BorderStyle borderStyle_ = BorderStyle::bsSizeable;
  BorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  FormStyle formStyle_ = FormStyle::fsNormal;
  MainMenu* menu_ = nullptr;
  SizeConstraints constraints_;
  Position position_ = Position::poDesigned;
  bool keyPreview_ = false;
  WindowState windowState_ = WindowState::wsNormal;
  gfx::Rect restored_;
  bool modal_ = false;
  Form* modalOwner_ = nullptr;  // active when ShowModal began; checked before use
  ModalResult modalResult_ = mrNone;
  bool active_ = false;
  bool shownOnce_ = false;
  bool showingChanging_ = false;
  WinControl* activeControl_ = nullptr;
  bool alphaBlend_ = false;
  std::uint8_t alphaValue_ = 255;
  bool menuWindow_ = false;
  Icon icon_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace ui
