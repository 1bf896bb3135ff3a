// The answer file of an unattended installation: an ini file whose [Setup] section holds Type,
// ProgramDir, DataDir, Database, ServerDatabase (Yes/No) and Restart (Never/IfNeeded).
#pragma once

#include <optional>
#include <string>

#include "state/answers.h"

// The answers of the file; nothing, with `error` saying what is wrong, when the file cannot be
// read or holds a key or value the installer does not know.
std::optional<TAnswers> ReadAnswerFile(const std::string& path, std::string& error);

// Writes the answers a person gave; false when the file cannot be written.
bool WriteAnswerFile(const std::string& path, const TAnswers& answers);
