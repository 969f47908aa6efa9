# Writes the page's script's copy of the codes in HEADER (pagecodes.h) to
# OUTPUT: each "inline constexpr int kName = value;" as
# "export const kName = value;". A header with none is a mistake.
file(STRINGS ${HEADER} lines REGEX "^inline constexpr int k[A-Za-z]+ = -?[0-9]+;$")
if(NOT lines)
    message(FATAL_ERROR "${HEADER} has no codes")
endif()
set(script "// Made from pagecodes.h when the site is put together: the codes the\n// program and the page's script pass between them.\n")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^inline constexpr int (k[A-Za-z]+) = (-?[0-9]+);$"
           "export const \\1 = \\2;" code "${line}")
    string(APPEND script "${code}\n")
endforeach()
file(WRITE ${OUTPUT} "${script}")
