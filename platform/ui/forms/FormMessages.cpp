// The default message handling of forms: non-client mouse handling, caption
// buttons, system commands (the move and size loops are in MoveSizeLoop) and
// the system menu.
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/forms/FormFrame.h"
#include "platform/ui/forms/FormImpl.h"
#include "platform/ui/forms/MoveSizeLoop.h"
#include "platform/ui/forms/SystemMenuTexts.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "platform/ui/menus/Menus.h"

namespace ui {

void Form::WndProc(Message& msg) {
  switch (msg.msg) {
    case CM_DIALOGKEY: {
      // Arrow keys move the focus among the focused control's siblings.
      unsigned key = static_cast<unsigned>(msg.wParam);
      if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
        WinControl* c = App().FocusedControl();
        if (c && c != this && ContainsControl(c) && c->Parent()) {
          c->Parent()->SelectNext(c, key == VK_RIGHT || key == VK_DOWN, false);
          msg.result = 1;
        }
        return;
      }
      break;
    }
    case CM_TEXTCHANGED:
      // However the text was set (SetCaption, SetText through a Control*,
      // WM_SETTEXT), the window title and the frame's caption follow it.
      WinControl::WndProc(msg);
      ApplySurfaceTitle();
      if (HandleAllocated()) RedrawWindow(nullptr, RDW_FRAME | RDW_INVALIDATE);
      return;
    case CM_MENUCHANGED:
      if (HandleAllocated()) {
        FrameChanged();
        RedrawWindow(nullptr, RDW_FRAME | RDW_INVALIDATE);
      }
      return;
    default: break;
  }
  WinControl::WndProc(msg);
}

void Form::DefaultHandler(Message& msg) {
  switch (msg.msg) {
    case WM_CLOSE: Close(); return;
    case WM_SYSCOMMAND: SysCommand(msg); return;
    case WM_NCLBUTTONDOWN: NcButtonDown(msg); return;
    case WM_NCLBUTTONDBLCLK:
      if (msg.wParam == static_cast<WPARAM>(HTCAPTION) && (Style() & WS_MAXIMIZEBOX))
        Perform(WM_SYSCOMMAND, (Style() & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, msg.lParam);
      else if (msg.wParam == static_cast<WPARAM>(HTSYSMENU))
        Perform(WM_SYSCOMMAND, SC_CLOSE, msg.lParam);
      else
        NcButtonDown(msg);
      return;
    case WM_NCRBUTTONUP:
      if (msg.wParam == static_cast<WPARAM>(HTCAPTION) || msg.wParam == static_cast<WPARAM>(HTSYSMENU))
        TrackSystemMenu({GetXParam(msg.lParam), GetYParam(msg.lParam)});
      return;
    case WM_NCACTIVATE:
      if (HandleAllocated()) RedrawWindow(nullptr, RDW_FRAME | RDW_INVALIDATE);
      msg.result = 1;
      return;
    case WM_NCMOUSEMOVE:
      if (msg.wParam == static_cast<WPARAM>(HTMENU)) {
        gfx::Point p{GetXParam(msg.lParam), GetYParam(msg.lParam)};
        gfx::Rect bar = MenuBarRect().Offset(Left(), Top());
        impl_->menuBar.SetHot(impl_->menuBar.ItemAt({p.X - bar.Left, p.Y - bar.Top}));
      } else {
        impl_->menuBar.SetHot(-1);
      }
      return;
    case WM_NCMOUSELEAVE: impl_->menuBar.SetHot(-1); return;
    case WM_GETMINMAXINFO: {
      // The caller fills in the defaults; the constraints narrow them.
      auto& m = *reinterpret_cast<MinMaxInfo*>(msg.lParam);
      const SizeConstraints& k = constraints_;
      if (k.MinWidth > 0) m.MinTrackSize.X = std::max(m.MinTrackSize.X, k.MinWidth);
      if (k.MinHeight > 0) m.MinTrackSize.Y = std::max(m.MinTrackSize.Y, k.MinHeight);
      if (k.MaxWidth > 0) {
        m.MaxTrackSize.X = std::min(m.MaxTrackSize.X, k.MaxWidth);
        m.MaxSize.X = std::min(m.MaxSize.X, k.MaxWidth);
      }
      if (k.MaxHeight > 0) {
        m.MaxTrackSize.Y = std::min(m.MaxTrackSize.Y, k.MaxHeight);
        m.MaxSize.Y = std::min(m.MaxSize.Y, k.MaxHeight);
      }
      return;
    }
    case WM_WINDOWPOSCHANGING: {
      auto& wp = *reinterpret_cast<WindowPos*>(msg.lParam);
      if (!(wp.Flags & SWP_NOSIZE)) {
        const SizeConstraints& k = constraints_;
        if (k.MaxWidth > 0) wp.Cx = std::min(wp.Cx, k.MaxWidth);
        if (k.MaxHeight > 0) wp.Cy = std::min(wp.Cy, k.MaxHeight);
        if (k.MinWidth > 0) wp.Cx = std::max(wp.Cx, k.MinWidth);
        if (k.MinHeight > 0) wp.Cy = std::max(wp.Cy, k.MinHeight);
      }
      return;
    }
    case WM_MOUSEACTIVATE: msg.result = (ExStyle() & WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE; return;
    default: break;
  }
  WinControl::DefaultHandler(msg);
}

void Form::NcButtonDown(Message& msg) {
  int hit = static_cast<int>(msg.wParam);
  gfx::Point at{GetXParam(msg.lParam), GetYParam(msg.lParam)};
  switch (hit) {
    case HTCAPTION:
      if (!(Style() & WS_MAXIMIZE)) Perform(WM_SYSCOMMAND, SC_MOVE | HTCAPTION, msg.lParam);
      return;
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
      // The low four bits carry the edge (1 left ... 8 bottom-right).
      Perform(WM_SYSCOMMAND, SC_SIZE | static_cast<WPARAM>(hit - HTLEFT + 1), msg.lParam);
      return;
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE:
    case HTHELP: TrackCaptionButton(hit); return;
    case HTSYSMENU: {
      gfx::Rect cap = CaptionRect().Offset(Left(), Top());
      TrackSystemMenu({cap.Left, cap.Bottom + 1});
      return;
    }
    case HTMENU: {
      gfx::Rect bar = MenuBarRect().Offset(Left(), Top());
      int idx = impl_->menuBar.ItemAt({at.X - bar.Left, at.Y - bar.Top});
      if (idx >= 0) impl_->menuBar.Track(idx, false, true);
      return;
    }
    case HTVSCROLL:
    case HTHSCROLL: WinControl::DefaultHandler(msg); return;
    default: return;
  }
}

void Form::TrackCaptionButton(int hit) {
  auto& app = App();
  gfx::Rect br = CaptionButtonRect(hit);
  if (br.IsEmpty()) return;
  bool enabled = hit == HTCLOSE || hit == HTHELP || (hit == HTMAXBUTTON && (Style() & WS_MAXIMIZEBOX)) ||
                 (hit == HTMINBUTTON && (Style() & WS_MINIMIZEBOX));
  if (!enabled) return;
  bool done = false, inside = true;
  auto setPressed = [&](bool on) {
    impl_->pressedButton = on ? hit : HTNOWHERE;
    RedrawWindow(nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  };
  setPressed(true);
  int filter = app.PushInputFilter([&](const backend::Event& e) {
    gfx::Rect sr = br.Offset(Left(), Top());
    switch (e.Type) {
      case backend::EventType::MouseMove:
        if (sr.Contains(e.Screen) != inside) {
          inside = !inside;
          setPressed(inside);
        }
        return true;
      case backend::EventType::MouseUp:
        if (e.Button == backend::MouseButton::Left) {
          inside = sr.Contains(e.Screen);
          done = true;
        }
        return true;
      case backend::EventType::MouseDown:
      case backend::EventType::KeyDown:
      case backend::EventType::KeyUp:
      case backend::EventType::MouseWheel: return true;
      default: return false;
    }
  });
  if (Surface()) app.Backend().SetCapture(Surface()->Surface());
  app.RunUntil([&] { return done || Destroying() || !Visible(); });
  app.PopInputFilter(filter);
  app.Backend().ReleaseCapture();
  if (Destroying()) return;
  setPressed(false);
  if (!inside) return;
  switch (hit) {
    case HTCLOSE: Perform(WM_SYSCOMMAND, SC_CLOSE); break;
    case HTMINBUTTON: Perform(WM_SYSCOMMAND, SC_MINIMIZE); break;
    case HTMAXBUTTON: Perform(WM_SYSCOMMAND, (Style() & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE); break;
    case HTHELP: Perform(WM_SYSCOMMAND, SC_CONTEXTHELP); break;
    default: break;
  }
}

void Form::SysCommand(Message& msg) {
  WPARAM cmd = msg.wParam & 0xFFF0;
  gfx::Point at{GetXParam(msg.lParam), GetYParam(msg.lParam)};
  if (msg.lParam == 0) at = App().Screen().CursorPos();
  switch (cmd) {
    case SC_MOVE:
      // The low bits are set by a caption press (the mouse loop); without
      // them the command comes from the menu or a program (the keyboard loop).
      if (Style() & (WS_MAXIMIZE | WS_MINIMIZE)) break;
      if (msg.wParam & 0xF)
        MoveSizeLoop::TrackMouse(*this, 0, at);
      else
        MoveSizeLoop::TrackKeyboard(*this, false);
      break;
    case SC_SIZE: {
      if (!(Style() & WS_THICKFRAME) || (Style() & (WS_MAXIMIZE | WS_MINIMIZE))) break;
      int edge = static_cast<int>(msg.wParam & 0xF);
      if (edge >= WMSZ_LEFT && edge <= WMSZ_BOTTOMRIGHT)
        MoveSizeLoop::TrackMouse(*this, edge, at);
      else
        MoveSizeLoop::TrackKeyboard(*this, true);
      break;
    }
    case SC_MINIMIZE:
    case SC_RESTORE:
      // The main form's minimise and restore are the application's: they go
      // through the application window's hooks first, whose default hands
      // them back here.
      if (!impl_->inAppCommand && Application::Exists() && App().MainForm() == this) {
        impl_->inAppCommand = true;
        struct Reset {
          bool& flag;
          ~Reset() { flag = false; }
        } reset{impl_->inAppCommand};
        App().SendAppMessage(WM_SYSCOMMAND, msg.wParam, msg.lParam);
        break;
      }
      SetWindowState(cmd == SC_MINIMIZE ? WindowState::wsMinimized : WindowState::wsNormal);
      break;
    case SC_MAXIMIZE: SetWindowState(WindowState::wsMaximized); break;
    case SC_CLOSE: Perform(WM_CLOSE); break;
    case SC_KEYMENU: {
      if (msg.lParam == ' ') {
        gfx::Rect cap = CaptionRect().Offset(Left(), Top());
        if (cap.IsEmpty()) cap = gfx::Rect::FromXYWH(Left(), Top(), 0, 0);
        TrackSystemMenu({cap.Left, cap.Bottom + 1});
        msg.result = 1;
      } else if (msg.lParam == 0) {
        if (impl_->menuBar.Rows() > 0) impl_->menuBar.Track(-1, true, false);
        msg.result = 1;
      } else {
        int idx = impl_->menuBar.FindAccelerator(static_cast<char32_t>(msg.lParam));
        if (idx >= 0) {
          impl_->menuBar.Track(idx, true, true);
          msg.result = 1;
        }
      }
      break;
    }
    case SC_MOUSEMENU: TrackSystemMenu(at); break;
    default:
      // Commands below 0xF000 belong to the application.
      break;
  }
}

PopupMenu* Form::SystemMenu() {
  if (impl_->sysMenu) return impl_->sysMenu;
  auto* m = new PopupMenu(this);
  m->SetSystemMenu(true);
  m->SetTargetForm(this);
  struct Entry {
    const char* Caption;
    WPARAM Cmd;
    ShortCut Sc;
  };
  const SystemMenuTexts& text = SystemMenuTextsFor(UserMenuLanguage());
  const Entry entries[] = {{text.Restore, SC_RESTORE, scNone},   {text.Move, SC_MOVE, scNone},
                           {text.Size, SC_SIZE, scNone},         {text.Minimize, SC_MINIMIZE, scNone},
                           {text.Maximize, SC_MAXIMIZE, scNone}, {"-", 0, scNone},
                           {text.Close, SC_CLOSE, scAlt | VK_F4}};
  for (const Entry& e : entries) {
    auto* it = new MenuItem(m);
    it->SetCaption(e.Caption);
    it->SetShortCut(e.Sc);
    it->SetTag(static_cast<std::intptr_t>(e.Cmd));
    it->SetCommand(static_cast<unsigned>(e.Cmd));
    if (e.Cmd == SC_CLOSE) it->SetDefault(true);
    if (e.Cmd) {
      it->OnClick = [this, cmd = e.Cmd](Component*) { PostMessage(this, WM_SYSCOMMAND, cmd, 0); };
    }
    m->Items()->Add(it);
  }
  impl_->sysMenu = m;
  return m;
}

void Form::TrackSystemMenu(gfx::Point screen) {
  if (!(Style() & WS_SYSMENU)) return;
  PopupMenu* m = SystemMenu();
  std::uint32_t s = Style();
  bool maxed = (s & WS_MAXIMIZE) != 0, minned = (s & WS_MINIMIZE) != 0;
  for (MenuItem* it : m->Items()->Items()) {
    switch (it->Command()) {
      case SC_RESTORE: it->SetEnabled(maxed || minned); break;
      case SC_MOVE: it->SetEnabled(!maxed && !minned); break;
      case SC_SIZE: it->SetEnabled((s & WS_THICKFRAME) && !maxed && !minned); break;
      case SC_MINIMIZE:
        it->SetEnabled((s & WS_MINIMIZEBOX) && !minned);
        it->SetVisible((s & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0);
        break;
      case SC_MAXIMIZE:
        it->SetEnabled((s & WS_MAXIMIZEBOX) && !maxed);
        it->SetVisible((s & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0);
        break;
      default: break;
    }
  }
  m->Popup(screen.X, screen.Y);
}

}  // namespace ui
