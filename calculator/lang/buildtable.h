#pragma once

#include "language.h"

namespace calc {

// The texts of the build being compiled. One source makes both builds: the
// Russian one is compiled with CALCULATOR_RUSSIAN defined and linked with the
// Russian table, the English one with the English table. Only a program's
// main includes this.
inline const LanguageTable& BuildTable() {
#if defined(CALCULATOR_RUSSIAN)
    return RussianTable();
#else
    return EnglishTable();
#endif
}

} // namespace calc
