# cmake -DREADME=<README.md> [-DDROP=<heading>] -P readme_cut_test.cmake
# Finds the cuts of the packages' guide in the README, with the heading
# DROP renamed first when given.
include(${CMAKE_CURRENT_LIST_DIR}/../../packaging/readme-cut.cmake)
file(READ "${README}" readme)
if(DEFINED DROP)
  string(REPLACE "\n${DROP}\n" "\n${DROP} (renamed)\n" readme "${readme}")
endif()
find_readme_cuts(readme)
