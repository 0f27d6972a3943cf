#include "cli/CorvaneGen.h"
#include "files/PlatformFiles.h"

#include <iostream>
#include <new>

int main(int argc, char** argv) {
    corvane::platform::UseBinaryStandardOutput();
    std::ios::sync_with_stdio(false);
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        return corvane::RunCorvaneGen(arguments, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << corvane::OutOfMemoryMessage << '\n';
        return 1;
    }
}
