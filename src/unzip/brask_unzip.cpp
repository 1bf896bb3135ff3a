#include "unzip/brask_unzip.h"

#include "unzip/unzip_state.h"
#include "unzip/zip_archive.h"

namespace unzip {

namespace {

// A cut path would name another file, so text that does not fit is not kept at all.
std::string Fitting(const std::string& text) {
  return text.size() <= TBraskUnzip::kPropertyLength ? text : std::string();
}

}  // namespace

TBraskUnzip::TBraskUnzip() = default;

// Only this component's own callbacks are dropped: a component freed inside another's
// extraction must not silence that one.
TBraskUnzip::~TBraskUnzip() {
  if (Engine().report == report_) SetCurrentReportCallback(nullptr);
  if (Engine().confirm == confirm_) SetCurrentConfirmCallback(nullptr);
}

void TBraskUnzip::SetFileName(const std::string& text) {
  file_name_ = Fitting(text);
}
void TBraskUnzip::SetDirectoryName(const std::string& text) {
  directory_name_ = Fitting(text);
}
void TBraskUnzip::SetFileSpecs(const std::string& text) {
  file_specs_ = Fitting(text);
}

int32_t TBraskUnzip::ExtractAll() {
  if (file_name_.empty() || directory_name_.empty()) return kUnzipMissingArgument;
  return ExtractArchive(file_name_, directory_name_, file_specs_, report_, confirm_);
}

int32_t TBraskUnzip::ListEntries() {
  if (file_name_.empty() || !report_) return kUnzipMissingArgument;
  return ListArchive(file_name_, file_specs_, report_);
}

int32_t TBraskUnzip::TotalSize() {
  return MeasureArchive(file_name_, compressed_total_);
}

}  // namespace unzip
