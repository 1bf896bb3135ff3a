// A second process for the engine tests. "check": exit code 1 when the product's alias opens,
// 0 when not. "init": the engine's result of its initialisation.
#include <cstring>

#include "config/engine.h"
#include "config/engine_loader.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "init") == 0) {
    return config::EngineInit(config::kEngineInterfaceVersion, nullptr);
  }
  const bool exists = config::ProductAliasExists();
  config::CloseEngine();
  return exists ? 1 : 0;
}
