#include <iostream>
#include <string>

#include "Version.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--version") {
    std::cout << "korvelan-cli " << KORVELAN_VERSION_TEXT << "\n";
    return 0;
  }
  std::cerr << "korvelan-cli: usage: korvelan-cli solve ... (see --help)\n";
  return 2;
}
