#include "lang/buildtable.h"
#include "qt/program.h"

int main(int argc, char** argv) {
    return qtui::RunCalculator(argc, argv, calc::BuildTable());
}
