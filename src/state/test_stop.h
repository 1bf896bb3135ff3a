// A stop the end-to-end tests ask for through the environment, to prove that a run failed or
// killed after a given step is undone. Unset, it changes nothing.
#pragma once

#include <optional>
#include <string>

struct TestStopOrder {
  std::string point;
  // "fail": the step fails; "wait": the run marks that it got there and never goes on.
  std::string action;
};

// "POINT:ACTION" with a known action; nothing otherwise.
std::optional<TestStopOrder> ParseTestStop(const std::string& value);

// True to go on. At the point VORT_TEST_STOP names: false for "fail"; for "wait" it creates the
// file VORT_TEST_MARK names and sleeps until the process is killed.
bool TestStop(const char* point);

// What a step stopped this way reports.
std::string TestStopText(const char* point);
