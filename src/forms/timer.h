// A timer that runs its handler from the message loop of the thread that made it, including
// the loops of modal windows and system message boxes.
#pragma once

#include "forms/controls.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  // Milliseconds; 0 stops the timer.
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);
  // Assigning the handler starts the timer when it is enabled.
  void SetOnTimer(TNotifyEvent handler);
  const TNotifyEvent& OnTimer() const { return on_timer_; }

 private:
  static void CALLBACK TimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
  void Update();
  bool enabled_ = true;
  unsigned interval_ = 1000;
  TNotifyEvent on_timer_;
  UINT_PTR id_ = 0;
};
