// The database engine stand-in: initialisation, aliases that a later process sees, opening.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "support/process.h"
#include "support/standin_engine.h"
#include "support/temp_dir.h"

namespace {

using testing_support::BinDir;
using testing_support::EngineEntries;
using testing_support::RunProcess;
using testing_support::TempDir;

class EngineStandIn : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFileA((BinDir() + "IDAPI32.DLL").c_str(), dll_.c_str(), FALSE));
    module_ = LoadLibraryA(dll_.c_str());
    ASSERT_NE(module_, nullptr);
    dbi_ = std::make_unique<EngineEntries>(module_);
    ASSERT_TRUE(dbi_->Complete());
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }

  // Opens an alias from a process of its own; the engine's result.
  int OpenElsewhere(const std::string& alias) {
    return RunProcess("\"" + BinDir() + "standins_engine_probe.exe\" \"" + dll_ + "\" " + alias);
  }
  DWORD Add(const char* name, const std::string& path, uint16_t persistent = 0xFFFF) {
    return dbi_->add_alias(nullptr, name, "PARADOX", ("PATH:" + path).c_str(), persistent);
  }

  TempDir dir_;
  std::string dll_ = dir_.File("IDAPI32.DLL");
  HMODULE module_ = nullptr;
  std::unique_ptr<EngineEntries> dbi_;
};

TEST_F(EngineStandIn, SavedAliasesAreSeenByALaterProcess) {
  ASSERT_EQ(dbi_->init(500, nullptr), 0u);
  const std::string data = "C:\\WinVort\\";
  EXPECT_EQ(Add("VORTELALIAS", data + "NEW\\DATA"), 0u);
  EXPECT_EQ(Add("FIRMAALIAS", data + "NEW\\FIRMA"), 0u);
  EXPECT_EQ(Add("LUNAALIAS", data + "NEW\\LUNA"), 0u);
  EXPECT_EQ(Add("VORTEL", data + "DATA"), 0u);
  EXPECT_EQ(dbi_->save(nullptr, nullptr, 0), 0u);

  EXPECT_EQ(OpenElsewhere("VORTEL"), 0);
  EXPECT_EQ(OpenElsewhere("vortel"), 0) << "alias names ignore case";
  EXPECT_NE(OpenElsewhere("NOSUCHALIAS"), 0);
  EXPECT_EQ(dbi_->exit(), 0u);

  const std::string file = dir_.Read("IDAPI32.CFG");
  EXPECT_NE(file.find("VORTEL\tPARADOX\tC:\\WinVort\\DATA\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find("LUNAALIAS\tPARADOX\tC:\\WinVort\\NEW\\LUNA\r\n"), std::string::npos);
}

TEST_F(EngineStandIn, AliasesLiveOnlyInTheProcessUntilSaved) {
  ASSERT_EQ(dbi_->init(500, nullptr), 0u);
  EXPECT_EQ(Add("VORTEL", "C:\\A\\DATA"), 0u);
  EXPECT_EQ(Add("TEMPORARY", "C:\\A\\TMP", 0), 0u);
  EXPECT_EQ(dbi_->OpenAndClose("VORTEL"), 0u);
  EXPECT_NE(OpenElsewhere("VORTEL"), 0);

  EXPECT_EQ(dbi_->save(nullptr, nullptr, 0), 0u);
  EXPECT_EQ(OpenElsewhere("VORTEL"), 0);
  EXPECT_NE(OpenElsewhere("TEMPORARY"), 0) << "an alias not meant to persist is not saved";
  EXPECT_EQ(dbi_->OpenAndClose("TEMPORARY"), 0u);
}

TEST_F(EngineStandIn, ExistingAliasIsNotReplaced) {
  ASSERT_EQ(dbi_->init(500, nullptr), 0u);
  EXPECT_EQ(Add("VORTEL", "C:\\FIRST"), 0u);
  EXPECT_EQ(dbi_->save(nullptr, nullptr, 0), 0u);
  EXPECT_NE(Add("Vortel", "C:\\SECOND"), 0u);
  EXPECT_EQ(dbi_->save(nullptr, nullptr, 0), 0u);
  EXPECT_NE(dir_.Read("IDAPI32.CFG").find("C:\\FIRST"), std::string::npos);
  EXPECT_EQ(dir_.Read("IDAPI32.CFG").find("C:\\SECOND"), std::string::npos);
}

TEST_F(EngineStandIn, BadCallsGetErrorsNotCrashes) {
  void* handle = nullptr;
  EXPECT_NE(dbi_->open("VORTEL", nullptr, 1, 0, nullptr, 0, nullptr, nullptr, &handle), 0u)
      << "nothing works before initialisation";
  EXPECT_NE(dbi_->exit(), 0u);
  ASSERT_EQ(dbi_->init(500, nullptr), 0u);
  EXPECT_NE(dbi_->add_alias(nullptr, "X", "PARADOX", "DIR:C:\\X", 0xFFFF), 0u);
  EXPECT_NE(dbi_->add_alias(nullptr, "X\tY", "PARADOX", "PATH:C:\\X", 0xFFFF), 0u);
  EXPECT_NE(dbi_->add_alias(nullptr, nullptr, "PARADOX", "PATH:C:\\X", 0xFFFF), 0u);
  EXPECT_NE(dbi_->open("VORTEL", nullptr, 1, 0, nullptr, 0, nullptr, nullptr, nullptr), 0u);
  EXPECT_NE(dbi_->close(nullptr), 0u);
  int not_a_database = 0;
  handle = &not_a_database;
  EXPECT_NE(dbi_->close(&handle), 0u);
  EXPECT_EQ(dbi_->exit(), 0u);
}

TEST_F(EngineStandIn, DamagedConfigurationLinesAreSkipped) {
  dir_.Write("IDAPI32.CFG", "garbage without tabs\r\nVORTEL\tPARADOX\tC:\\DATA\r\n\t\t\r\n");
  ASSERT_EQ(dbi_->init(500, nullptr), 0u);
  EXPECT_EQ(dbi_->OpenAndClose("VORTEL"), 0u);
  EXPECT_EQ(dbi_->exit(), 0u);
}

}  // namespace
