// The program on a simulated PX-407 at base address 0x200: no card, driver
// or privilege needed. Everything else is the program as it runs on a card.
#include "portio/simulatedcard.h"
#include "settings.h"

int main(int argc, char** argv) {
  InstallSimulatedCard();
  return RunSettings(argc, argv);
}
