// Calls Command on one line many times between two markers that show in a
// system-call trace (a write to an invalid descriptor), after warming up:
// tests/syscall_test.py counts the system calls between them.
//
//   syscall_probe LIBRARY TEXT [COUNT]
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "plugin_loader.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::string error;
  auto plugin = mirado::host::Plugin::Load(argv[1], &error);
  if (!plugin) return 3;
  const int count = argc > 3 ? std::atoi(argv[3]) : 100;
  MiradoEntryPoint command = plugin->RawCommand();
  char output[4096];
  for (int i = 0; i < 10; ++i) {  // patterns compiled, tables built
    output[0] = '\0';
    command("taro", "", "", "", "#trpg", argv[2], output);
  }
  if (write(-1, "MIRADO-BEGIN", 12) != -1) return 4;
  for (int i = 0; i < count; ++i) {
    output[0] = '\0';
    command("taro", "", "", "", "#trpg", argv[2], output);
  }
  if (write(-1, "MIRADO-END", 10) != -1) return 4;
  return 0;
}
