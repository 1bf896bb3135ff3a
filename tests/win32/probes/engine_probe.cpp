// A second process for the engine tests. "check": exit code 1 when the product's alias opens,
// 0 when not. "init": the engine's result of its initialisation.
#include <cstring>

#include "bde/engine.h"
#include "bde/engine_loader.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "init") == 0) {
    return bde::EngineInit(bde::kEngineInterfaceVersion, nullptr);
  }
  const bool exists = bde::ProductAliasExists();
  bde::CloseEngine();
  return exists ? 1 : 0;
}
