// The files a repair takes from the kit. The kit's archives are joined, checked against its
// signed manifest as an installation checks them, in the run's own folder; each file the journal
// names is found in them by its place under the directory its archive went to, extracted there
// too, and held against the hash the journal kept. Nothing on the machine changes until every
// file the repair needs has been found so.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "changes/change.h"
#include "copy/archive_assembly.h"
#include "copy/media_manifest.h"

class TRepairKit {
 public:
  // `kit_dir`: the media (disk 1 or the CD folder); `work_dir`: the run's own folder.
  TRepairKit(std::string kit_dir, std::string work_dir)
      : kit_dir_(std::move(kit_dir)), work_dir_(std::move(work_dir)) {}

  // Joins the archives; false when they could not be (the host was told why).
  bool Open(copy::AssemblyHost& host, const copy::MediaManifest* manifest);
  // Finds the kit's entry for the file `record` names: one of that place whose bytes, extracted
  // into the run's folder, are those the installation wrote. False when there is none (`why`
  // says which).
  bool Find(const changes::Change& record, std::string& why);
  // Extracts the entry found for `record` to its place, journaled as the installation extracted
  // it; the extraction's result code.
  int32_t Extract(const changes::Change& record);

 private:
  struct Entry {
    std::string archive;
    std::string name;
    int64_t size = 0;
  };

  std::string kit_dir_;
  std::string work_dir_;
  std::vector<Entry> entries_;
  // The entry found for each target, by its name in capitals.
  std::map<std::string, Entry> found_;
  int fetched_ = 0;
};
