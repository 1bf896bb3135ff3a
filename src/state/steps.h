// The wizard's steps and the results with which a page ends its step.
#pragma once

#include <cstdint>

constexpr uint8_t kStepInstallType = 0;
constexpr uint8_t kStepDirectories = 3;
constexpr uint8_t kStepCopy = 4;
constexpr uint8_t kStepConfig = 5;
constexpr uint8_t kStepEnd = 6;
constexpr uint8_t kStepFinished = 7;
constexpr uint8_t kStepFindApp = 8;
constexpr uint8_t kStepUpgradeCopy = 9;
constexpr uint8_t kStepUpgradeData = 10;
constexpr uint8_t kStepCount = 12;

// A page's modal result as the driver reads it; any other shows the same step again.
constexpr int kPageNext = 1;
constexpr int kPageAbandon = 2;
constexpr int kPageBack = 4;
