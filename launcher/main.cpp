#include "qt/program.h"

int main(int argc, char** argv) {
    return qtui::RunLauncher(argc, argv);
}
