// What the copy pages' tests share: the media the set-up built, the floppy drive A: whose disk
// they change, a scratch registry for the engine's keys, and running a page to its end.
#pragma once

#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "support/page_harness.h"
#include "support/page_support.h"
#include "wizard/copy_page.h"
#include "wizard/wizard_steps.h"

namespace copy_test {

namespace fs = std::filesystem;

// The set-up's work folder: the product, the media and the folder behind A:.
inline std::string WorkDir(const std::string& sub) {
  std::string path = std::string(VORT_PAGES_COPY_DIR) + "/" + sub;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

inline std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Takes every file out of drive A: and puts in those of floppy disk n.
inline void InsertDisk(int n) {
  // An empty drive root lists nothing, not even ".": the library's iterator takes that for a
  // missing directory.
  WIN32_FIND_DATAA found;
  const HANDLE find = FindFirstFileA("A:\\*", &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileA((std::string("A:\\") + found.cFileName).c_str());
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  const fs::path disk = WorkDir("media/floppy/disk" + std::to_string(n));
  for (const auto& entry : fs::directory_iterator(disk))
    fs::copy_file(entry.path(), fs::path("A:\\") / entry.path().filename());
}

// The disk a prompt asks for, 0 for any other message.
inline int PromptedDisk(const std::string& text) {
  const std::string marker = "introdu discul de instalare cu numarul";
  const size_t at = text.find(marker);
  if (at == std::string::npos) return 0;
  size_t i = at + marker.size();
  while (i < text.size() && !std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
  return i < text.size() ? std::atoi(text.c_str() + i) : 0;
}

inline bool IsZip(const fs::path& path) {
  std::string ext = path.extension().string();
  for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ext == ".ZIP";
}

// Every file of the product folder arrived unchanged under `destination`; ZIP files are
// removed with the assembled archives.
inline void ExpectCopied(const std::string& product_folder, const fs::path& destination) {
  const fs::path from = WorkDir("product/" + product_folder);
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(from)) {
    if (!entry.is_regular_file() || IsZip(entry.path())) continue;
    const fs::path target = destination / fs::relative(entry.path(), from);
    EXPECT_TRUE(fs::exists(target)) << target;
    EXPECT_TRUE(ReadAll(entry.path()) == ReadAll(target)) << target << " differs";
    ++files;
  }
  EXPECT_GT(files, 0) << from;
}

inline bool HoldsFiles(const fs::path& dir) {
  if (!fs::exists(dir)) return false;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    if (entry.is_regular_file()) return true;
  return false;
}

inline int ZipFilesIn(const fs::path& dir) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(dir))
    if (IsZip(entry.path())) ++count;
  return count;
}

// A scratch key standing in for HKEY_LOCAL_MACHINE, so the machine's engine keys stay as they
// are.
class ScratchRegistry {
 public:
  ScratchRegistry() : name_("Software\\VortCopyTest-" + std::to_string(GetCurrentProcessId())) {
    RegCreateKeyExA(HKEY_CURRENT_USER, name_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
  }
  ~ScratchRegistry() {
    RegCloseKey(key_);
    SHDeleteKeyA(HKEY_CURRENT_USER, name_.c_str());
  }
  ScratchRegistry(const ScratchRegistry&) = delete;
  ScratchRegistry& operator=(const ScratchRegistry&) = delete;
  HKEY get() const { return key_; }
  void SetText(const char* sub, const char* value, const std::string& text) {
    HKEY key;
    RegCreateKeyExA(key_, sub, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (value) {
      RegSetValueExA(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
    }
    RegCloseKey(key);
  }
  void Remove(const char* sub) { SHDeleteKeyA(key_, sub); }

 private:
  std::string name_;
  HKEY key_ = nullptr;
};

struct Outcome {
  int result = -1;
  std::vector<std::string> messages;
};

using testing_support::SavePageShot;
using testing_support::ToolkitScope;

// Shows the page, presses the button of `caption` and answers each message through `answer`;
// the page is freed afterwards, as the wizard does.
inline Outcome RunPage(TCopyPage* page, const std::string& caption,
                       const std::function<int(const std::string&)>& answer,
                       const std::function<void(TCopyPage&)>& check = nullptr,
                       const std::function<void(TCopyPage&)>& on_show = nullptr) {
  Outcome outcome;
  // Low on the screen, as the wizard places its pages, clear of the messages in the middle.
  const PagePosition place = PlacePage(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                       page->Width(), page->Height());
  page->SetBounds(place.left, place.top, page->Width(), page->Height());
  {
    testing_support::PageHarness harness;
    harness.Then([&](TForm&) {
      if (on_show) {
        RedrawWindow(page->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        on_show(*page);
      }
      TControl* button = caption == "&Inapoi"    ? static_cast<TControl*>(page->BBack)
                         : caption == "&Abandon" ? static_cast<TControl*>(page->BCancel)
                                                 : static_cast<TControl*>(page->BNext);
      SendMessageA(static_cast<TWinControl*>(button)->Handle(), BM_CLICK, 0, 0);
    });
    harness.AnswerMessages(answer);
    outcome.result = page->ShowModal();
    for (const testing_support::SeenMessage& m : harness.Messages())
      outcome.messages.push_back(m.text);
  }
  if (check) check(*page);
  delete page;
  return outcome;
}

}  // namespace copy_test
