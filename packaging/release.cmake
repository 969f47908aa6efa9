# The release: its version is written once, in project(VERSION), and
# everything else takes it from here. The date of debian/changelog's newest
# entry is the release date. debian/changelog must name the same version,
# since dpkg reads it from there, and its newest entry must be signed by the
# maintainer of debian/control; the Debian package build, which turns
# DISH_CHECK_DEBIAN_CHANGELOG on, stops when either is not so. Any other
# configuration only notes it and goes on.
option(DISH_CHECK_DEBIAN_CHANGELOG
       "Stop the configuration when debian/changelog does not fit project(VERSION) and debian/control"
       OFF)
set(DISH_VERSION ${PROJECT_VERSION})
# The desktop entry's and the AppStream component's name, and the app id the
# programs give the desktop (Wayland matches windows to the entry by it).
set(DISH_APP_ID io.github.dishcalculator.DishCalculator)

function(changelog_problem)
    string(JOIN "" text ${ARGN})
    if(DISH_CHECK_DEBIAN_CHANGELOG)
        message(FATAL_ERROR "${text}")
    endif()
    message(STATUS "Not fit for the Debian package: ${text}")
endfunction()

set(changelog ${PROJECT_SOURCE_DIR}/debian/changelog)
set(control ${PROJECT_SOURCE_DIR}/debian/control)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog} ${control})
set(changelog_heading "")
set(changelog_trailer "")
set(maintainer "")
if(EXISTS ${changelog})
    file(STRINGS ${changelog} changelog_heading LIMIT_COUNT 1)
    file(STRINGS ${changelog} changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
endif()
if(EXISTS ${control})
    file(STRINGS ${control} maintainer REGEX "^Maintainer: " LIMIT_COUNT 1)
    string(REPLACE "Maintainer: " "" maintainer "${maintainer}")
endif()
if(NOT changelog_heading MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\)")
    changelog_problem("debian/changelog: no version in its first line")
elseif(NOT CMAKE_MATCH_1 STREQUAL DISH_VERSION)
    changelog_problem(
        "debian/changelog names version ${CMAKE_MATCH_1}, project(VERSION) ${DISH_VERSION}: "
        "add a changelog entry for ${DISH_VERSION}")
endif()
string(FIND "${changelog_trailer}" " -- ${maintainer}  " signed)
if(maintainer STREQUAL "" OR NOT signed EQUAL 0)
    changelog_problem("debian/changelog: the newest entry is not signed by ${maintainer}, "
                      "the maintainer that debian/control names")
endif()
if(changelog_trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
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
else()
    changelog_problem("debian/changelog: no date in the newest entry's trailer")
    # Without one, the day of the build (SOURCE_DATE_EPOCH where it is set).
    string(TIMESTAMP DISH_RELEASE_DATE "%Y-%m-%d" UTC)
endif()

# Windows version resources want four numbers.
math(EXPR DISH_VERSION_MAJOR "${PROJECT_VERSION_MAJOR} + 0")
math(EXPR DISH_VERSION_MINOR "${PROJECT_VERSION_MINOR} + 0")

configure_file(${CMAKE_CURRENT_LIST_DIR}/release.h.in ${CMAKE_BINARY_DIR}/release/dishrelease.h
               @ONLY)
add_library(dish_release INTERFACE)
target_include_directories(dish_release INTERFACE ${CMAKE_BINARY_DIR}/release)
