#include "state/answers.h"

TAnswers MergeAnswers(const TAnswers& base, const TAnswers& over) {
  TAnswers merged = base;
  if (over.type) merged.type = over.type;
  if (over.program_dir) merged.program_dir = over.program_dir;
  if (over.data_dir) merged.data_dir = over.data_dir;
  if (over.database) merged.database = over.database;
  if (over.server_database) merged.server_database = over.server_database;
  if (over.restart_if_needed) merged.restart_if_needed = over.restart_if_needed;
  if (over.inherit_permissions) merged.inherit_permissions = over.inherit_permissions;
  if (over.allow_unsigned) merged.allow_unsigned = over.allow_unsigned;
  return merged;
}
