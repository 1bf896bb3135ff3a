// The setup mutex of the machine: only one an administrator or SYSTEM made tells a setup that
// another runs.
#include "app/setup_lock.h"

#include <gtest/gtest.h>
// after windows.h, which they need
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <string>

namespace {

constexpr char kName[] = "Global\\RidOZIZUZ.Setup";

// The mutex made with `sddl`, as a user's program would make it before any setup runs.
HANDLE MadeFirst(const char* sddl) {
  SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, FALSE};
  EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
      sddl, SDDL_REVISION_1, &attributes.lpSecurityDescriptor, nullptr));
  HANDLE mutex = CreateMutexA(&attributes, TRUE, kName);
  LocalFree(attributes.lpSecurityDescriptor);
  return mutex;
}

}  // namespace

TEST(SetupMutex, OneAUserMadeFirstIsPassedOverAndOursLetsOnlyAdministratorsIn) {
  {
    // An ordinary user's account owns it, and lets everybody in.
    HANDLE users = MadeFirst("O:S-1-5-21-7-7-7-1001D:(A;;GA;;;WD)");
    ASSERT_NE(users, nullptr);
    EXPECT_FALSE(AnotherSetupRuns());
    const TSetupLock lock;
    EXPECT_TRUE(lock.Acquired()) << "no refusal with 1618";
    CloseHandle(users);
  }
  {
    // One that keeps administrators out is no setup's either.
    HANDLE closed = MadeFirst("O:S-1-5-21-7-7-7-1001D:(A;;GA;;;S-1-5-21-7-7-7-1001)");
    ASSERT_NE(closed, nullptr);
    EXPECT_FALSE(AnotherSetupRuns());
    EXPECT_TRUE(TSetupLock().Acquired());
    CloseHandle(closed);
  }
  const TSetupLock first;
  ASSERT_TRUE(first.Acquired());
  EXPECT_TRUE(AnotherSetupRuns());
  EXPECT_FALSE(TSetupLock().Acquired()) << "a second setup of an administrator waits its turn";

  HANDLE ours = OpenMutexA(READ_CONTROL, FALSE, kName);
  ASSERT_NE(ours, nullptr);
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(GetSecurityInfo(ours, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            nullptr, nullptr, &descriptor),
            static_cast<DWORD>(ERROR_SUCCESS));
  char* text = nullptr;
  ASSERT_TRUE(ConvertSecurityDescriptorToStringSecurityDescriptorA(
      descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr));
  // Windows shows the rights mapped to the mutex's own, Wine as they were given.
  const std::string dacl = text;
  EXPECT_EQ(dacl.rfind("D:P(A;;", 0), 0u) << dacl;
  EXPECT_EQ(std::count(dacl.begin(), dacl.end(), '('), 2) << dacl;
  EXPECT_NE(dacl.find(";;;BA)"), std::string::npos) << dacl;
  EXPECT_NE(dacl.find(";;;SY)"), std::string::npos) << dacl;
  LocalFree(text);
  LocalFree(descriptor);
  CloseHandle(ours);
}
