// What the copy pages need of the extraction component, so that their decisions do not depend
// on the engine behind it.
#pragma once

#include <cstdint>
#include <string>

#include "unzip/unzip_report.h"

namespace copy {

// Receives the component's reports while an archive is extracted.
class ExtractionListener {
 public:
  virtual ~ExtractionListener() = default;
  // `code` is the callback's first argument, `status` one of unzip::kStatus*; `target` the
  // report's name.
  virtual void OnReport(int32_t code, int32_t status, const std::string& target) = 0;
  // Asked before an existing target file is overwritten.
  virtual bool OnConfirmOverwrite(const std::string& target) = 0;
};

class ExtractionPort {
 public:
  virtual ~ExtractionPort() = default;
  // Reports go to `listener`; it is asked about existing files only when `confirm` is set.
  virtual void Attach(ExtractionListener* listener, bool confirm) = 0;
  virtual void SetFileName(const std::string& name) = 0;
  virtual void SetDirectoryName(const std::string& directory) = 0;
  // Uncompressed total of the archive.
  virtual int32_t TotalSize() = 0;
  // Count of entries extracted, or a negative code.
  virtual int32_t ExtractAll() = 0;
};

}  // namespace copy
