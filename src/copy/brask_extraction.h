// The extraction component behind the copy pages' port. The component calls plain functions, so
// the listener of the extraction in progress is kept here; the engine runs one extraction at a
// time anyway.
#pragma once

#include <string>

#include "copy/extraction_port.h"

namespace copy {

namespace detail {
inline ExtractionListener*& CurrentListener() {
  static ExtractionListener* listener = nullptr;
  return listener;
}

template <class Report>
void ForwardReport(int32_t code, Report* report) {
  if (ExtractionListener* listener = CurrentListener(); listener && report) {
    listener->OnReport(code, report->status, report->name);
  }
}

template <class Report>
bool ForwardConfirm(Report* report) {
  ExtractionListener* listener = CurrentListener();
  return !listener || !report || listener->OnConfirmOverwrite(report->name);
}
}  // namespace detail

// `Unzip` is the extraction component: SetFileName, SetDirectoryName, SetReportCallback,
// SetConfirmCallback, TotalSize and ExtractAll.
template <class Unzip>
class BraskExtraction : public ExtractionPort {
 public:
  ~BraskExtraction() override {
    if (detail::CurrentListener() == listener_) detail::CurrentListener() = nullptr;
  }

  void Attach(ExtractionListener* listener, bool confirm) override {
    listener_ = listener;
    unzip_.SetReportCallback(&detail::ForwardReport);
    if (confirm) unzip_.SetConfirmCallback(&detail::ForwardConfirm);
  }
  void SetFileName(const std::string& name) override { unzip_.SetFileName(name); }
  void SetDirectoryName(const std::string& directory) override {
    unzip_.SetDirectoryName(directory);
  }
  int32_t TotalSize() override { return unzip_.TotalSize(); }
  int32_t ExtractAll() override {
    detail::CurrentListener() = listener_;
    const int32_t result = unzip_.ExtractAll();
    detail::CurrentListener() = nullptr;
    return result;
  }

  Unzip& Component() { return unzip_; }

 private:
  Unzip unzip_;
  ExtractionListener* listener_ = nullptr;
};

}  // namespace copy
