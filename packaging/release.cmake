# The release: its version is written once, in project(VERSION), and
# everything else takes it from here. debian/changelog must name the same
# version, since dpkg reads it from there; the configuration stops when the
# two differ, and when the changelog's newest entry is not signed by the
# maintainer of debian/control. The date of that entry is the release date.
set(DISH_VERSION ${PROJECT_VERSION})
# The desktop entry's and the AppStream component's name, and the app id the
# programs give the desktop (Wayland matches windows to the entry by it).
set(DISH_APP_ID io.github.dishcalculator.DishCalculator)

set(changelog ${PROJECT_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${changelog} ${PROJECT_SOURCE_DIR}/debian/control)
file(STRINGS ${changelog} changelog_heading LIMIT_COUNT 1)
if(NOT changelog_heading MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\)")
    message(FATAL_ERROR "debian/changelog: no version in its first line")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL DISH_VERSION)
    message(FATAL_ERROR
        "debian/changelog names version ${CMAKE_MATCH_1}, project(VERSION) ${DISH_VERSION}: "
        "add a changelog entry for ${DISH_VERSION}")
endif()
file(STRINGS ${changelog} changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/control maintainer REGEX "^Maintainer: " LIMIT_COUNT 1)
string(REPLACE "Maintainer: " "" maintainer "${maintainer}")
string(FIND "${changelog_trailer}" " -- ${maintainer}  " signed)
if(NOT signed EQUAL 0)
    message(FATAL_ERROR "debian/changelog: the newest entry is not signed by ${maintainer}, "
                        "the maintainer that debian/control names")
endif()
if(NOT changelog_trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "debian/changelog: no date in the newest entry's trailer")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
string(REGEX REPLACE "^0" "" day ${day})
foreach(number month day)
    if(${number} LESS 10)
        set(${number} 0${${number}})
    endif()
endforeach()
set(DISH_RELEASE_DATE ${year}-${month}-${day})

# Windows version resources want four numbers.
math(EXPR DISH_VERSION_MAJOR "${PROJECT_VERSION_MAJOR} + 0")
math(EXPR DISH_VERSION_MINOR "${PROJECT_VERSION_MINOR} + 0")

configure_file(${CMAKE_CURRENT_LIST_DIR}/release.h.in ${CMAKE_BINARY_DIR}/release/dishrelease.h
               @ONLY)
add_library(dish_release INTERFACE)
target_include_directories(dish_release INTERFACE ${CMAKE_BINARY_DIR}/release)
