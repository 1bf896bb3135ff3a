// State the engine shares across one archive operation: the report record, the current
// callbacks, the busy flag and the time of the last message pump.
#pragma once

#include <cstdint>

#include "unzip/unzip_report.h"

namespace unzip {

struct EngineState {
  bool busy = false;
  uint32_t last_pump_tick = 0;  // 0 = no pump yet
  ReportCallback report = nullptr;
  ConfirmCallback confirm = nullptr;
  TUnzipReport record{};
};

EngineState& Engine();

// Each returns the callback it replaces.
ReportCallback SetCurrentReportCallback(ReportCallback callback);
ConfirmCallback SetCurrentConfirmCallback(ConfirmCallback callback);

// Hands the shared record to the current report callback, if any.
void ReportCurrent(int32_t code);

// Stores `text` as the record's name, cut to the record's length.
void SetRecordName(const char* text);

// 100 minus the compressed share of the size in percent, rounded; never below 0.
uint8_t CompressionRatio(int64_t size, int64_t compressed_size);

}  // namespace unzip
