// feehost: the reference host's command line (see refhost/README.md).
#include <iostream>
#include <string>
#include <vector>

#include "refhost/cli/FeeHostCommand.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return refhost::RunFeeHost(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                             std::cerr);
}
