#pragma once
// Events as assignable handlers: empty until assigned, copied by value, and
// compared by what they call (the same object and member function, or copies
// of the same assigned function object).
#include <array>
#include <atomic>
#include <compare>
#include <cstdint>
#include <cstring>
#include <functional>
#include <typeinfo>
#include <utility>

class QObject;

struct TEventKey {
  const void* object = nullptr;
  std::size_t methodType = 0;
  std::array<unsigned char, 16> method{};
  std::uint64_t serial = 0;
  bool operator==(const TEventKey&) const = default;
};

inline std::uint64_t NextEventSerial() {
  static std::atomic<std::uint64_t> next{1};
  return next++;
}

template <typename Sig>
class TEvent;

template <typename R, typename... Args>
class TEvent<R(Args...)> {
 public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}

  // Any callable; copies of it compare equal, other callables do not.
  template <typename F>
  requires(!std::is_same_v<std::decay_t<F>, TEvent> && std::is_invocable_r_v<R, F&, Args...>) TEvent(F f)
      : call_(std::move(f)) {
    key_.serial = NextEventSerial();
  }

  // A member function of an object: equal to every other binding of the same
  // member function to the same object.
  template <typename C, typename M>
  static TEvent Bind(C* object, M method) {
    static_assert(sizeof(M) <= sizeof(TEventKey::method));
    TEvent e;
    e.call_ = [object, method](Args... a) -> R { return (object->*method)(std::forward<Args>(a)...); };
    e.key_.object = object;
    e.key_.methodType = typeid(M).hash_code();
    std::memcpy(e.key_.method.data(), &method, sizeof(M));
    return e;
  }

  explicit operator bool() const { return bool(call_); }
  R operator()(Args... a) const { return call_(std::forward<Args>(a)...); }
  bool operator==(const TEvent& other) const { return key_ == other.key_; }

 private:
  std::function<R(Args...)> call_;
  TEventKey key_;
};

using TNotifyEvent = TEvent<void(QObject* Sender)>;
