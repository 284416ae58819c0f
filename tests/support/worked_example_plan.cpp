// Prints the guide's worked survey as the screenshot script works it, one
// line per action: "type Text<n> <figure>" for each figure typed, then
// "press Command<n>" for the step's button.
//
//   worked_example_plan README.md
#include <cstdio>
#include <exception>
#include <fstream>

#include "tests/support/worked_example.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: worked_example_plan README.md\n");
    return 2;
  }
  std::ifstream guide(argv[1]);
  if (!guide) {
    std::fprintf(stderr, "worked_example_plan: cannot read %s\n", argv[1]);
    return 1;
  }
  try {
    for (const testing_support::ExampleStep& step : testing_support::ReadWorkedExample(guide)) {
      for (const auto& [n, figure] : step.typed) std::printf("type Text%d %s\n", n, figure.c_str());
      std::printf("press Command%d\n", static_cast<int>(step.step));
    }
  } catch (const std::exception& fault) {
    std::fprintf(stderr, "worked_example_plan: %s\n", fault.what());
    return 1;
  }
}
