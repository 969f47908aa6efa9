#include "qt/calculatorapp.h"

int main(int argc, char** argv) {
    return qtui::RunLauncher(argc, argv);
}
