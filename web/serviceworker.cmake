# Writes the site's service worker: TEMPLATE (sw.js.in) as OUTPUT, with the
# files to store (FILES, a list relative to SITE) and a version made of a
# hash of their contents and of the worker's own, so that every change of
# any file names a new store (and a new worker never takes the name of the
# store in use).
string(REPLACE "|" ";" FILES "${FILES}")
set(hashes "")
set(names "")
foreach(file IN LISTS FILES)
    if(NOT file STREQUAL "./")
        file(SHA256 ${SITE}/${file} hash)
        string(APPEND hashes "${file} ${hash}\n")
    endif()
    if(names)
        string(APPEND names ", ")
    endif()
    string(APPEND names "\"${file}\"")
endforeach()
file(SHA256 ${TEMPLATE} hash)
string(APPEND hashes "sw.js ${hash}\n")
string(SHA256 DISH_SITE_VERSION "${hashes}")
string(SUBSTRING ${DISH_SITE_VERSION} 0 16 DISH_SITE_VERSION)
set(DISH_SITE_FILES "${names}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
