// Where the elevated installer takes the programs it starts and the libraries it loads: full
// paths in folders only administrators write, never a name left to a search.
#include <gtest/gtest.h>

#include "os/trust_boundary.h"

TEST(TrustedPrograms, SystemProgramsByFullPathFromTheFolderWindowsKeepsThemIn) {
  EXPECT_EQ(trust::RegistryEditorPath("C:\\WINDOWS"), "C:\\WINDOWS\\regedit.exe");
  EXPECT_EQ(trust::RegistryEditorPath("C:\\"), "C:\\regedit.exe") << "one backslash only";
  EXPECT_EQ(trust::ServiceProgramPath("C:\\WINDOWS\\system32", "ProgMan"),
            "C:\\WINDOWS\\system32\\ProgMan.exe");
  // A folder Windows could not name would leave the program to the current drive or folder.
  for (const char* folder : {"", "C:", "WINDOWS", "\\WINDOWS", "..\\WINDOWS"}) {
    EXPECT_EQ(trust::RegistryEditorPath(folder), std::nullopt) << folder;
    EXPECT_EQ(trust::ServiceProgramPath(folder, "ProgMan"), std::nullopt) << folder;
  }
}

TEST(TrustedPrograms, EngineLibraryFromTheFirstRegisteredFolderOnlyAndOnlyByAFullPath) {
  EXPECT_EQ(trust::EngineLibraryPath("C:\\Program Files\\Borland\\Common Files\\BDE"),
            "C:\\Program Files\\Borland\\Common Files\\BDE\\IDAPI32.DLL");
  EXPECT_EQ(trust::EngineLibraryPath("d:\\IDAPI\\"), "d:\\IDAPI\\IDAPI32.DLL");
  EXPECT_EQ(trust::EngineLibraryPath("C:\\BDE;C:\\Other"), "C:\\BDE\\IDAPI32.DLL")
      << "the engine lives in the first folder of the list";
  EXPECT_EQ(trust::EngineLibraryPath("\\\\server\\bde"), "\\\\server\\bde\\IDAPI32.DLL");
  EXPECT_EQ(trust::EngineLibraryPath("C:\\Program Files\\Vânzări"),
            "C:\\Program Files\\Vânzări\\IDAPI32.DLL");
  // Each of these would be looked for from the current folder, the program directory during the
  // copy, or through the system's search.
  for (const char* list : {"", ";C:\\BDE", ".", "BDE", "C:BDE", "\\BDE", "\\\\", "\\\\\\BDE"}) {
    EXPECT_EQ(trust::EngineLibraryPath(list), std::nullopt) << list;
  }
}
