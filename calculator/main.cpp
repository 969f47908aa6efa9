#include "lang/language.h"
#include "qt/program.h"

// One source, two builds: the build defines which language table it carries.
#if defined(CALCULATOR_RUSSIAN)
#define CALCULATOR_TABLE calc::RussianTable
#else
#define CALCULATOR_TABLE calc::EnglishTable
#endif

int main(int argc, char** argv) {
    return qtui::RunCalculator(argc, argv, CALCULATOR_TABLE());
}
