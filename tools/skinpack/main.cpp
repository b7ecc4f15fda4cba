// skinpack: the skin author's command-line tool.
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "tools/skinpack/commands.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        return tools::RunSkinpack(args);
    } catch (const std::bad_alloc&) {
        std::cerr << "skinpack: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "skinpack: " << error.what() << '\n';
    }
    return tools::kExitFailure;
}
