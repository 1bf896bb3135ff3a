// The answer file of an unattended installation: an ini file whose [Setup] section holds Type,
// ProgramDir, DataDir, Database, ServerDatabase (Yes/No) and Restart (Never/IfNeeded).
#pragma once

#include <optional>
#include <string>

#include "state/answers.h"

// The answers of the file, in whichever encoding an editor saved it (`read_as` names it); nothing,
// with `error` naming the line, when the file cannot be read, has no [Setup] section, or holds a
// key or value the installer does not know, or a key twice.
std::optional<TAnswers> ReadAnswerFile(const std::string& path, std::string& error,
                                       std::string* read_as = nullptr);

// Writes the answers a person gave; false when the file cannot be written.
bool WriteAnswerFile(const std::string& path, const TAnswers& answers);
