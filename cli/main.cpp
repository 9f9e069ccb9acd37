#include <iostream>

#include "Commands.h"

int main(int argc, char** argv) {
    int status = 0;
    const auto options = kakeibo::cli::parseArguments(argc, argv, std::cout, std::cerr, status);
    if (!options) return status;
    return kakeibo::cli::runCommand(*options, std::cout, std::cerr);
}
