// What the installer says of the product it installs.
#pragma once

#include <string>

constexpr char kProductName[] = "RidOZIZUZ";
constexpr char kPublisher[] = "RidOZIZUZ";
constexpr char kWebAddress[] = "www.ridozizuz.ro";
constexpr double kProgramVersion = 3200852.1;
// The product's entry in Add or Remove Programs, under HKEY_LOCAL_MACHINE.
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\RidOZIZUZ";

// The "0.#0" pattern: at least one integer digit, "." and always two decimals.
std::string FormatVersion(double version);
