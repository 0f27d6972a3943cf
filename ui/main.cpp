#include "ui/Program.h"

int main(int argc, char** argv) {
    return corvane::ui::RunProgram(argc, argv);
}
