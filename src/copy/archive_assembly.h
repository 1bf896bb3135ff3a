// Joins the numbered pieces of the product's archives, disk by disk, into ".ZIP" files in the
// program directory, and removes them again after extraction.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "copy/media_manifest.h"
#include "os/sha256.h"
#include "state/install_state.h"

namespace copy {

// What the assembly needs from the page that runs it and from the system.
class AssemblyHost {
 public:
  virtual ~AssemblyHost() = default;
  virtual void SetStatus(const std::string& text) = 0;
  virtual void SetGaugeMax(int max) = 0;
  virtual void SetGaugePosition(int position) = 0;
  // The prompt for disk `disk`, whose text is `text`; returns its modal result.
  virtual int AskForDisk(int disk, const std::string& text) = 0;
  virtual void SetMessageSuffix(const std::string& suffix) = 0;
  // A failure the user must see (themed dialog).
  virtual void ShowError(const std::string& text) = 0;
  // Something the user should know that stops nothing.
  virtual void ShowWarning(const std::string& text) = 0;
  // The plain system message box.
  virtual void ShowPlainMessage(const std::string& text) = 0;
  virtual bool IsRemovableDrive(const std::string& root) = 0;
  // A fault the person may mend (a damaged disk, a full drive): true for Retry, false for Cancel.
  virtual bool AskRetry(const std::string& text, const std::string& caption) = 0;
};

// What became of one piece.
enum class PieceCopy {
  kCopied,
  kFailed,    // it could not be read or its archive written; the user was told which
  kDamaged,   // its size or CRC-32 is not the manifest's; its archive was cut back
  kForeign,   // its size and CRC-32 are the manifest's, its SHA-256 is not: changed on purpose;
              // its archive was cut back
  kUnlisted,  // a signed manifest does not name it; nothing was copied
};

enum class AssemblyResult {
  kDone,       // every disk was processed
  kCancelled,  // the user gave up at a disk prompt: the page abandons
  kFailed,     // a piece could not be read or written, or an archive is not the one the
               // manifest names; the user was told which
};

class TArchiveAssembler {
 public:
  // With a manifest, each piece is checked against it as it is copied (size, CRC-32 and, when
  // the manifest has it, SHA-256) and a missing one is asked for; each archive is checked whole
  // when the last disk is done. A signed manifest must name every piece found. Without one
  // (older media) the pieces are joined as they are found.
  TArchiveAssembler(TInstallState& state, AssemblyHost& host, const TSelection& selection,
                    const MediaManifest* media = nullptr)
      : state_(state), host_(host), selection_(selection), media_(media) {}

  AssemblyResult AssembleArchives();
  bool WaitForDisk(int n);
  bool IsArchivePiece(const std::string& name) const;
  PieceCopy CopyPiece(const std::string& name);
  void RemoveAssembledArchives();

  int PiecesCounter() const { return pieces_; }

 private:
  TInstallState& state_;
  AssemblyHost& host_;
  // The pieces of disk `n` the manifest names and the disk does not hold.
  std::vector<std::string> MissingPieces(int n, const std::vector<std::string>& found) const;
  // Asks for the disk again after a damaged or missing piece; false when the person stops.
  bool AskAgain(const std::string& text, const std::string& caption, int n);
  // False when an assembled archive is not the one the manifest names; the user was told which.
  bool ArchivesAreTheManifests();

  const TSelection& selection_;
  const MediaManifest* media_;
  int pieces_ = 0;
  // The running SHA-256 of each archive being joined, by name in capitals.
  std::map<std::string, os::Sha256> archive_hashes_;
};

constexpr char kDamagedDiskCaption[] = "Disc deteriorat";

// What the person is told of a piece that is not what the manifest says; `piece` names it and its
// disk.
std::string PieceFaultText(const std::string& piece, PieceCopy fault);

// Where the archives are joined: the program directory, or a dry run's own scratch folder, since
// a dry run changes nothing.
std::string AssemblyDirectory(const TInstallState& state);

// Disk order of pieces: by archive name, then by piece number, so that ".10" follows ".9".
std::vector<std::string> OrderPieces(std::vector<std::string> names);

}  // namespace copy
