// qrx900-sim: a simulated QRX-900 switch for the device manager.
#include <iostream>

#include "sim/SimAgent.h"
#include "sim/SimOptions.h"

int main(int argc, char** argv) {
  sim::Options options;
  std::string error;
  if (!sim::ParseOptions(argc, argv, options, error)) {
    std::cerr << "qrx900-sim: " << error << "\n";
    return 2;
  }
  if (options.help) {
    std::cout << sim::HelpText();
    return 0;
  }
  if (options.list) {
    std::cout << sim::ListObjects(*sim::BuildModel(options));
    return 0;
  }
  return sim::RunAgent(options);
}
