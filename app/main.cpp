#include <iostream>

#include "engine.h"
#include "posix_settings_store.h"

// Until the window exists: print the order line of the default selection.
int main() {
  lumor::PosixSettingsStore store;
  lumor::Engine engine(store);
  engine.ForceDecimalPoint();
  engine.LoadDefaults();
  engine.BuildOrderLine();
  std::cout << engine.OrderLine << '\n';
  engine.RestoreDecimalSeparator();
  return 0;
}
