// The extraction component: an archive, a destination and a filter, with a report callback
// for progress and a confirm callback for existing files.
#pragma once

#include <cstdint>
#include <string>

#include "unzip/unzip_report.h"

namespace unzip {

class TBraskUnzip {
 public:
  // Longest text a property holds; longer text is refused (the property becomes empty).
  static constexpr size_t kPropertyLength = 254;

  TBraskUnzip();
  virtual ~TBraskUnzip();
  TBraskUnzip(const TBraskUnzip&) = delete;
  TBraskUnzip& operator=(const TBraskUnzip&) = delete;

  const std::string& FileName() const { return file_name_; }
  const std::string& DirectoryName() const { return directory_name_; }
  const std::string& FileSpecs() const { return file_specs_; }
  int32_t CompressedTotal() const { return compressed_total_; }

  void SetFileName(const std::string& text);
  void SetDirectoryName(const std::string& text);
  void SetFileSpecs(const std::string& text);
  void SetReportCallback(ReportCallback callback) { report_ = callback; }
  void SetConfirmCallback(ConfirmCallback callback) { confirm_ = callback; }

  // Count of entries extracted, or a code.
  virtual int32_t ExtractAll();
  // Count of entries listed, or a code; needs a report callback.
  virtual int32_t ListEntries();
  // Uncompressed total of the archive; the compressed one goes to CompressedTotal.
  virtual int32_t TotalSize();

 private:
  std::string file_name_;
  std::string directory_name_;
  std::string file_specs_ = "*.*";
  ReportCallback report_ = nullptr;
  ConfirmCallback confirm_ = nullptr;
  int32_t compressed_total_ = 0;
};

}  // namespace unzip
