#include "copy/copy_controller.h"

#include <utility>

#include "changes/journal.h"
#include "os/os.h"
#include "state/test_stop.h"

namespace copy {

namespace {

std::string ArchiveFile(const TCompRecord& archive) {
  return std::string(archive.Name) + ".ZIP";
}

const char* CodeText(int32_t code) {
  switch (code) {
    case unzip::kUnzipCrcError:
      return "date deteriorate (CRC)";
    case unzip::kUnzipWriteError:
      return "nu pot scrie fisierul";
    case unzip::kUnzipReadError:
      return "nu pot citi arhiva";
    case unzip::kUnzipAborted:
      return "intrerupt de utilizator";
    case unzip::kUnzipUnsupportedMethod:
      return "metoda de compresie necunoscuta";
    case unzip::kUnzipEncrypted:
      return "fisier criptat";
    case unzip::kUnzipBusy:
      return "extractorul este ocupat";
    case unzip::kUnzipNotZip:
      return "nu este o arhiva ZIP";
    case unzip::kUnzipFatal:
      return "extragere oprita";
    case unzip::kUnzipMissingArgument:
      return "lipseste arhiva sau destinatia";
    default:
      return "arhiva deteriorata";
  }
}

// The assembly directory as a current directory; a drive root keeps its backslash.
std::string AssemblyCurrentDirectory(const TInstallState& state) {
  const std::string dir = AssemblyDirectory(state);
  if (dir.size() == 3 && dir[1] == ':' && dir[2] == '\\') return dir;
  return os::WithoutTrailingBackslash(dir);
}

// The page answers for files in use while its copy runs, and no longer.
class LockedFileScope {
 public:
  explicit LockedFileScope(changes::LockedFileHandler handler)
      : previous_(changes::SetReplaceLockedHandler(std::move(handler))) {}
  ~LockedFileScope() { changes::SetReplaceLockedHandler(std::move(previous_)); }
  LockedFileScope(const LockedFileScope&) = delete;
  LockedFileScope& operator=(const LockedFileScope&) = delete;

 private:
  changes::LockedFileHandler previous_;
};

}  // namespace

std::optional<std::string> ProductDestination(const TInstallState& state, uint8_t code) {
  switch (code) {
    case kDestinationData:
    case kDestinationDataNew:
      return state.DataDir;
    case kDestinationProgram:
      return state.ProgramDir;
    default:
      return std::nullopt;
  }
}

std::string ExtractionFailureText(const std::string& archive, int32_t code,
                                  const std::string& target) {
  std::string text = "Nu am putut extrage arhiva " + archive + ":\r" + CodeText(code) + " (cod " +
                     std::to_string(code) + ")";
  if (!target.empty()) text += "\r" + target;
  return text;
}

std::optional<SpaceShortage> CopyController::FindShortage() const {
  if (!media_) return std::nullopt;
  return FindSpaceShortage(state_, selection_, *media_, PlannedEngineDirectory());
}

int CopyController::Run() {
  // A full drive is found before the first disk is asked for, never halfway through.
  if (!WaitForSpace([this] { return FindShortage(); },
                    [this](const std::string& text) {
                      return host_.AskRetry(text, kSpaceShortageCaption);
                    })) {
    return kCopyRetry;
  }
  TArchiveAssembler assembler(state_, host_, selection_, media_);
  switch (assembler.AssembleArchives()) {
    case AssemblyResult::kCancelled:
      return kCopyAbandoned;
    case AssemblyResult::kFailed:
      // A half-assembled archive would extract as damaged: none is kept.
      assembler.RemoveAssembledArchives();
      return kCopyRetry;
    case AssemblyResult::kDone:
      break;
  }
  ExtractArchives();
  return kCopyDone;
}

bool CopyController::Selected(int index) const {
  const int type = state_.InstallType;
  return type >= itLocal && type <= itClient && selection_[type - 1][index];
}

bool CopyController::ExtractArchives() {
  port_.Attach(this, ConfirmsOverwrite());
  failed_archives_ = 0;
  const std::string assembly_dir = AssemblyCurrentDirectory(state_);
  if (!os::ChangeDirectory(assembly_dir)) {
    // Relative archive names would find other files, or none.
    host_.ShowError("Nu pot deschide directorul " + assembly_dir);
    return false;
  }
  const int waiting_before = changes::ReplacementsAtRestart();
  const LockedFileScope locked([this](const std::string& path) { return host_.OnFileInUse(path); });
  progress_.Reset();
  for (int i = 0; i < kCatalogueSize; ++i) {
    if (!Selected(i)) continue;
    port_.SetFileName(ArchiveFile(kCatalogue[i]));
    progress_.AddMeasured(port_.TotalSize());
  }
  for (int i = 0; i < kCatalogueSize; ++i) {
    if (Selected(i)) ExtractOne(kCatalogue[i]);
  }
  TArchiveAssembler(state_, host_, selection_).RemoveAssembledArchives();
  // A file that was in use is replaced when Windows starts again.
  if (changes::ReplacementsAtRestart() > waiting_before) state_.RestartNeeded = true;
  return true;
}

void CopyController::ExtractOne(const TCompRecord& archive) {
  host_.SetStatus(archive.Description);
  const std::string file = ArchiveFile(archive);
  port_.SetFileName(file);
  const std::optional<std::string> destination = DestinationOf(archive);
  if (!destination) return;
  directory_ = *destination;
  archive_ = &archive;
  port_.SetDirectoryName(directory_);
  // The database and the engine are kept apart when an installation is removed.
  const changes::Scope scope(archive.Destination == kDestinationEngine    ? changes::kScopeEngine
                             : archive.Destination == kDestinationProgram ? ""
                                                                          : changes::kScopeData);
  failure_code_ = 0;
  failure_target_.clear();
  const int32_t result = port_.ExtractAll();
  archive_ = nullptr;
  // The media need not carry every archive: one that was never assembled is passed over.
  if (result == unzip::kUnzipNotZip && !os::FileExists(file)) return;
  if (failure_code_ == 0 && result < 0) failure_code_ = result;
  if (failure_code_ == 0) return;
  ++failed_archives_;
  const std::string text = ExtractionFailureText(file, failure_code_, failure_target_);
  state_.Failures.push_back(text);
  host_.ShowError(text);
}

void CopyController::OnReport(int32_t code, int32_t status, const std::string& target) {
  if (status == unzip::kStatusBlockWritten) {
    progress_.AddWritten(code);
  } else if (status == unzip::kStatusEntryDone && !target.empty() && target.back() != '\\') {
    // Halfway through the sample product's 17 files.
    constexpr int kTestStopFile = 10;
    if (++files_extracted_ == kTestStopFile && !TestStop("extract") && failure_code_ == 0) {
      failure_code_ = unzip::kUnzipAborted;
      failure_target_ = TestStopText("extract");
    }
  } else if ((status == unzip::kStatusEntryFailed || status == unzip::kStatusFatal) &&
             failure_code_ == 0) {
    failure_code_ = code;
    failure_target_ = target;
    // A place that could not be made is the likeliest reason for a write error: it is said.
    const std::string directory = os::WithoutTrailingBackslash(os::DirectoryOf(target));
    if (code == unzip::kUnzipWriteError && !directory.empty() && !os::DirectoryExists(directory))
      failure_target_ += "\r(directorul " + directory + " nu poate fi creat)";
  }
  host_.SetUnzipPosition(progress_.Position());
}

bool CopyController::OnConfirmOverwrite(const std::string&) {
  return true;
}

}  // namespace copy
