#include "unzip/unzip_state.h"

#include <cstring>

namespace unzip {

EngineState& Engine() {
  static EngineState state;
  return state;
}

ReportCallback SetCurrentReportCallback(ReportCallback callback) {
  const ReportCallback previous = Engine().report;
  Engine().report = callback;
  return previous;
}

ConfirmCallback SetCurrentConfirmCallback(ConfirmCallback callback) {
  const ConfirmCallback previous = Engine().confirm;
  Engine().confirm = callback;
  return previous;
}

void ReportCurrent(int32_t code) {
  EngineState& e = Engine();
  if (e.report) e.report(code, &e.record);
}

void SetRecordName(const char* text) {
  char* name = Engine().record.name;
  std::strncpy(name, text, kReportNameLength);
  name[kReportNameLength] = '\0';
}

uint8_t CompressionRatio(int64_t size, int64_t compressed_size) {
  if (size <= 0) return 0;
  if (compressed_size < 0) compressed_size = 0;
  // Entries that grew would wrap a byte; they show as no gain.
  const int64_t share = (200 * compressed_size + size) / (2 * size);
  return share >= 100 ? 0 : static_cast<uint8_t>(100 - share);
}

}  // namespace unzip
