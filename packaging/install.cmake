# Installation: one directory holds the launcher and both builds, since the
# launcher starts the builds from its own directory and each build reads its
# pictures from its own directory. The pictures themselves, being the same on
# every architecture, live under share/ and are reached from the programs'
# directory by relative links. Links in bin/, the menu entry, the icons, the
# AppStream metadata and the manual pages make the programs reachable from the
# shell and the desktop.
include(GNUInstallDirs)

set(DISH_PACKAGE dish-calculator)
# A fixed lib/, not the multiarch library directory: it holds programs, no
# libraries.
set(DISH_APP_DIR lib/${DISH_PACKAGE})
set(DISH_DATA_DIR ${CMAKE_INSTALL_DATADIR}/${DISH_PACKAGE})

install(TARGETS start korvel drevik RUNTIME DESTINATION ${DISH_APP_DIR})

# Makes the symbolic link `link` (relative to the installation prefix) lead to
# `target` (relative to the prefix too) by a relative path, wherever the
# prefix is at installation time.
function(install_relative_link link target)
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
        get_filename_component(from \"\${CMAKE_INSTALL_PREFIX}/${link}\" DIRECTORY)
        file(RELATIVE_PATH path \"\${from}\" \"\${CMAKE_INSTALL_PREFIX}/${target}\")
        get_filename_component(directory \"\${link}\" DIRECTORY)
        file(MAKE_DIRECTORY \"\${directory}\")
        file(CREATE_LINK \"\${path}\" \"\${link}\" SYMBOLIC)
        message(STATUS \"Installing link: \${link} -> \${path}\")
    ")
endfunction()

if(WIN32)
    install(FILES ${DISH_PICTURE_PATHS} DESTINATION ${DISH_APP_DIR})
else()
    install(FILES ${DISH_PICTURE_PATHS} DESTINATION ${DISH_DATA_DIR})
    foreach(picture IN LISTS DISH_PICTURE_FILES)
        install_relative_link(${DISH_APP_DIR}/${picture} ${DISH_DATA_DIR}/${picture})
    endforeach()
endif()

foreach(link_and_target "dish-calculator;start" "korvel;korvel" "drevik;drevik")
    list(GET link_and_target 0 link)
    list(GET link_and_target 1 target)
    install_relative_link(${CMAKE_INSTALL_BINDIR}/${link} ${DISH_APP_DIR}/${target})
endforeach()

# Configures `source` at installation time, when the prefix and so the
# installed paths are known, and installs the result as `destination`/`name`.
function(install_configured source destination name)
    set(configured ${CMAKE_CURRENT_BINARY_DIR}/configured/${name})
    install(CODE "
        set(DISH_VERSION \"${DISH_VERSION}\")
        set(DISH_RELEASE_DATE \"${DISH_RELEASE_DATE}\")
        set(DISH_APP_ID \"${DISH_APP_ID}\")
        set(DISH_APP_DIR_FULL \"\${CMAKE_INSTALL_PREFIX}/${DISH_APP_DIR}\")
        set(DISH_DATA_DIR_FULL \"\${CMAKE_INSTALL_PREFIX}/${DISH_DATA_DIR}\")
        set(DISH_MENU_START \"\${DISH_APP_DIR_FULL}/menu-start\")
        configure_file(\"${source}\" \"${configured}\" @ONLY)
        file(INSTALL \"${configured}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${destination}\")
    ")
endfunction()

# The desktop's menu entry and its start script, the metadata, the manual
# pages and the icon theme's images; Windows carries the icon in the programs.
if(NOT WIN32)
    set(linux ${PROJECT_SOURCE_DIR}/packaging/linux)
    install(PROGRAMS ${linux}/menu-start DESTINATION ${DISH_APP_DIR})
    install_configured(${linux}/desktop.in ${CMAKE_INSTALL_DATADIR}/applications
                       ${DISH_APP_ID}.desktop)
    install_configured(${linux}/metainfo.xml.in ${CMAKE_INSTALL_DATADIR}/metainfo
                       ${DISH_APP_ID}.metainfo.xml)
    foreach(page dish-calculator korvel drevik)
        install_configured(${linux}/man/${page}.1.in ${CMAKE_INSTALL_MANDIR}/man1 ${page}.1)
    endforeach()

    foreach(size IN LISTS DISH_ICON_SIZES)
        install(FILES ${DISH_ICON_DIR}/dish-calculator-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME dish-calculator.png)
    endforeach()
    install(FILES ${DISH_ICON_DIR}/dish-calculator.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
