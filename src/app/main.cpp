// The program on a real card: port access first, before any toolkit object
// exists, then every privilege given up.
#include "portio/hardware.h"
#include "settings.h"

int main(int argc, char** argv) {
  AcquireHardwarePortAccess();
  return RunSettings(argc, argv);
}
