#include "forms/timer.h"

#include <map>

#include "forms/application.h"

namespace {

std::map<UINT_PTR, TTimer*>& Timers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  enabled_ = false;
  Update();
}

void TTimer::SetEnabled(bool v) {
  enabled_ = v;
  Update();
}

void TTimer::SetInterval(unsigned ms) {
  interval_ = ms;
  if (id_) {  // restart with the new period
    KillTimer(nullptr, id_);
    Timers().erase(id_);
    id_ = 0;
  }
  Update();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  on_timer_ = std::move(handler);
  Update();
}

void TTimer::Update() {
  const bool run = enabled_ && interval_ > 0 && on_timer_ && !Destroying();
  if (run && !id_) {
    id_ = SetTimer(nullptr, 0, interval_, &TTimer::TimerProc);
    if (!id_) throw EInvalidOperation("Not enough timers available");
    Timers()[id_] = this;
  } else if (!run && id_) {
    KillTimer(nullptr, id_);
    Timers().erase(id_);
    id_ = 0;
  }
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Timers().find(id);
  if (it == Timers().end()) return;
  TTimer* timer = it->second;
  // A copy: the handler may free the timer.
  TNotifyEvent handler = timer->on_timer_;
  try {
    if (handler) handler(timer);
  } catch (...) {
    Application.HandleException(std::current_exception());
  }
}
