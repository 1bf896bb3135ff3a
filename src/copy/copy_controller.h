// The work behind a copy page's continue button: assemble the archives of the selection, extract
// each into its destination while the decompression gauge follows the written bytes, and remove
// the assembled archives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "changes/files.h"
#include "copy/archive_assembly.h"
#include "copy/extraction_port.h"
#include "copy/free_space.h"
#include "copy/media_manifest.h"
#include "copy/unzip_progress.h"
#include "state/install_state.h"
#include "state/steps.h"

namespace copy {

// What a copy page shows while it works.
class CopyHost : public AssemblyHost {
 public:
  // Moves and repaints the decompression gauge.
  virtual void SetUnzipPosition(int percent) = 0;
  // A file to be replaced is held open by another program (the product still running).
  virtual changes::LockedFile OnFileInUse(const std::string& path) = 0;
};

// Modal results of a run.
constexpr int kCopyDone = kPageNext;
constexpr int kCopyAbandoned = kPageAbandon;
// Any other result shows the page again: the user may fix the media and retry.
constexpr int kCopyRetry = 3;

class CopyController : public ExtractionListener {
 public:
  // `media`: the manifest of the media, when they carry one.
  CopyController(TInstallState& state, CopyHost& host, ExtractionPort& port,
                 const TSelection& selection, const MediaManifest* media)
      : state_(state), host_(host), port_(port), selection_(selection), media_(media) {}

  // The space check, assembly, extraction and removal; returns the page's modal result.
  int Run();
  // The first drive the selection does not fit on (nothing without a manifest).
  std::optional<SpaceShortage> FindShortage() const;
  // Measuring and extraction passes over the assembled archives, then their removal. False
  // when the assembly directory cannot be entered (nothing is extracted then).
  bool ExtractArchives();
  // Archives whose extraction failed in the last run.
  int FailedArchives() const { return failed_archives_; }

  void OnReport(int32_t code, int32_t status, const std::string& target) override;
  bool OnConfirmOverwrite(const std::string& target) override;

 protected:
  // The directory an archive goes to, or nothing to leave it out.
  virtual std::optional<std::string> DestinationOf(const TCompRecord& archive) = 0;
  virtual bool ConfirmsOverwrite() const { return false; }
  // Where the engine archive would go, asked before anything is made.
  virtual std::optional<std::string> PlannedEngineDirectory() const { return std::nullopt; }

  TInstallState& state_;
  CopyHost& host_;
  // The destination of the archive being extracted.
  std::string directory_;
  const TCompRecord* archive_ = nullptr;

 private:
  bool Selected(int index) const;
  void ExtractOne(const TCompRecord& archive);

  ExtractionPort& port_;
  const TSelection& selection_;
  const MediaManifest* media_;
  UnzipProgress progress_;
  int failed_archives_ = 0;
  // The first failure reported for the archive being extracted.
  int32_t failure_code_ = 0;
  std::string failure_target_;
  // Files written so far, across the archives.
  int files_extracted_ = 0;
};

// Selection of directories by destination code: 2 program, 0 and 1 data.
std::optional<std::string> ProductDestination(const TInstallState& state, uint8_t code);

// The text shown when an archive could not be extracted completely.
std::string ExtractionFailureText(const std::string& archive, int32_t code,
                                  const std::string& target);

}  // namespace copy
