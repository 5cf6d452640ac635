// Event handlers that can be compared: a handler bound to (object, method)
// equals any other handler bound to the same pair, so code can ask "is this
// event still my handler" and clear or replace it. A handler made from a
// plain callable gets an identity of its own, shared by its copies.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/gfx/Geometry.h"

namespace gfx {
class Canvas;
}

namespace ui {

class Component;

namespace detail {
struct HandlerKey {
  const void* Object = nullptr;
  std::array<unsigned char, 2 * sizeof(void*)> Method{};
  std::uint64_t Serial = 0;  // non-zero for plain callables
  friend bool operator==(const HandlerKey&, const HandlerKey&) = default;
};
std::uint64_t NextHandlerSerial();
}  // namespace detail

template <class... Args>
class Event {
 public:
  using Function = std::function<void(Args...)>;

  Event() = default;
  Event(std::nullptr_t) {}
  // A handler bound to an object's method; comparable by (object, method).
  template <class C, class M>
  requires std::is_member_function_pointer_v<M> Event(C* object, M method) {
    static_assert(sizeof(M) <= sizeof(key_.Method));
    key_.Object = object;
    std::memcpy(key_.Method.data(), &method, sizeof(M));
    fn_ = [object, method](Args... a) { (object->*method)(std::forward<Args>(a)...); };
  }
  // A handler from any callable; it has an identity of its own.
  template <class F>
  requires(std::is_invocable_v<F&, Args...> && !std::is_same_v<std::decay_t<F>, Event>) Event(F f)
      : fn_(std::move(f)) {
    key_.Serial = detail::NextHandlerSerial();
  }

  explicit operator bool() const { return static_cast<bool>(fn_); }
  void operator()(Args... a) const {
    if (fn_) fn_(std::forward<Args>(a)...);
  }
  void Clear() { *this = Event(); }
  // True when both hold the same handler (two empty events are equal).
  friend bool operator==(const Event& a, const Event& b) {
    return static_cast<bool>(a.fn_) == static_cast<bool>(b.fn_) && a.key_ == b.key_;
  }
  // True when this event is bound to exactly this object's method.
  template <class C, class M>
  bool Is(C* object, M method) const {
    return *this == Event(object, method);
  }

 private:
  Function fn_;
  detail::HandlerKey key_;
};

enum class MouseButton { Left, Right, Middle };

// Shift state bits.
using ShiftState = unsigned;
constexpr ShiftState ssShift = 0x1;
constexpr ShiftState ssAlt = 0x2;
constexpr ShiftState ssCtrl = 0x4;
constexpr ShiftState ssLeft = 0x8;
constexpr ShiftState ssRight = 0x10;
constexpr ShiftState ssMiddle = 0x20;
constexpr ShiftState ssDouble = 0x40;

using NotifyEvent = Event<Component*>;
using MouseEvent = Event<Component*, MouseButton, ShiftState, int, int>;
using MouseMoveEvent = Event<Component*, ShiftState, int, int>;
using KeyEvent = Event<Component*, unsigned& /*virtual key*/, ShiftState>;
using KeyPressEvent = Event<Component*, char32_t&>;
using MouseWheelEvent =
    Event<Component*, ShiftState, int /*delta*/, gfx::Point /*screen*/, bool& /*handled*/>;
using CloseAction = int;
constexpr CloseAction caNone = 0;
constexpr CloseAction caHide = 1;
constexpr CloseAction caFree = 2;
constexpr CloseAction caMinimize = 3;
using CloseEvent = Event<Component*, CloseAction&>;
using CloseQueryEvent = Event<Component*, bool& /*can close*/>;

}  // namespace ui
