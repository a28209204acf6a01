// Baralune: fortune telling with the Spanish deck.
#include "program_main.h"

int main(int argc, char** argv) {
  return baralune::RunBaralune(argc, argv);
}
