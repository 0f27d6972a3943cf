// The program's start-up, as the program runs it, ended once the main window has been painted.

#include "ui/Program.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    return corvane::ui::RunProgram(argc, argv, [] { QCoreApplication::quit(); });
}
