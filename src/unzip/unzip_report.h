// The report record, callbacks, statuses and result codes of the extraction engine.
#pragma once

#include <cstdint>

namespace unzip {

// Result codes of the engine routines and of the component's operations.
constexpr int32_t kUnzipOk = 0;
constexpr int32_t kUnzipOversizedHeader = 1;
constexpr int32_t kUnzipCrcError = -1;
constexpr int32_t kUnzipWriteError = -2;
constexpr int32_t kUnzipReadError = -3;
constexpr int32_t kUnzipFormatError = -4;
constexpr int32_t kUnzipAborted = -5;
constexpr int32_t kUnzipUnsupportedMethod = -6;
constexpr int32_t kUnzipEncrypted = -7;
constexpr int32_t kUnzipBusy = -8;
constexpr int32_t kUnzipEndTooEarly = -9;
constexpr int32_t kUnzipDirectoryEnd = -10;
constexpr int32_t kUnzipNoArchive = -11;
constexpr int32_t kUnzipNotZip = -12;
constexpr int32_t kUnzipFatal = -100;
constexpr int32_t kUnzipMissingArgument = -500;

// Report statuses.
constexpr int32_t kStatusList = 0;
constexpr int32_t kStatusEntryStart = -1000;
constexpr int32_t kStatusBlockWritten = -1001;
constexpr int32_t kStatusEntryDone = -1002;
constexpr int32_t kStatusEntryFailed = -1003;
constexpr int32_t kStatusArchiveStart = -1004;
constexpr int32_t kStatusArchiveEnd = -1005;
constexpr int32_t kStatusFatal = -100;

// Method value reported for an entry the confirm callback declined.
constexpr uint16_t kMethodSkipped = 9;

constexpr int kReportNameLength = 259;

struct TUnzipReport {
  char name[kReportNameLength + 1];
  uint32_t timestamp;  // DOS time in the low word, date in the high word
  int32_t size;
  int32_t compressed_size;
  int32_t attributes;
  uint16_t method;
  uint8_t ratio;
  int32_t status;
};

using ReportCallback = void (*)(int32_t code, TUnzipReport* report);
using ConfirmCallback = bool (*)(TUnzipReport* report);

}  // namespace unzip
