// A kit the tests' build takes: INSTALL.CFG signed at build time by the test publisher, whose key
// the programs carry, with its INSTALL.SIG. A build without the test publisher takes any kit.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

inline bool WriteSignedKit(const std::string& dir) {
#ifdef VORT_SIGNED_MEDIA_DIR
  const std::string fixture = VORT_SIGNED_MEDIA_DIR;
  return CopyFileA((fixture + "\\INSTALL.CFG").c_str(), (dir + "INSTALL.CFG").c_str(), FALSE) &&
         CopyFileA((fixture + "\\publisher.sig").c_str(), (dir + "INSTALL.SIG").c_str(), FALSE);
#else
  (void)dir;
  return true;
#endif
}

}  // namespace testing_support
