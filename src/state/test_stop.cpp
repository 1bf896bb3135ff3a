#include "state/test_stop.h"

#include <chrono>
#include <thread>

#include "os/os.h"

std::optional<TestStopOrder> ParseTestStop(const std::string& value) {
  const size_t colon = value.find(':');
  if (colon == std::string::npos || colon == 0) return std::nullopt;
  TestStopOrder order{value.substr(0, colon), value.substr(colon + 1)};
  if (order.action != "fail" && order.action != "wait") return std::nullopt;
  return order;
}

bool TestStop(const char* point) {
  static const std::optional<TestStopOrder> order =
      ParseTestStop(os::GetEnv("VORT_TEST_STOP").value_or(std::string()));
  if (!order || order->point != point) return true;
  if (order->action == "fail") return false;
  // A new file only: nothing that exists is truncated or followed.
  if (const std::optional<std::string> mark = os::GetEnv("VORT_TEST_MARK")) {
    os::File::Open(*mark, os::OpenMode::kCreateNew).Close();
  }
  for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}

std::string TestStopText(const char* point) {
  return std::string("Oprire de test dupa ") + point;
}
