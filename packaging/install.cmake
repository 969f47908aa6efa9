# Installation: one directory holds the launcher, both builds and the
# pictures (the programs find their files beside themselves); links in bin/,
# desktop entries and the icon make them reachable from the shell and the menu.
include(GNUInstallDirs)

set(DISH_PACKAGE dish-calculator)
set(DISH_APP_DIR ${CMAKE_INSTALL_LIBDIR}/${DISH_PACKAGE})

install(TARGETS start korvel drevik RUNTIME DESTINATION ${DISH_APP_DIR})
install(FILES ${DISH_PICTURE_PATHS} DESTINATION ${DISH_APP_DIR})

foreach(link_and_target "dish-calculator;start" "korvel;korvel" "drevik;drevik")
    list(GET link_and_target 0 link)
    list(GET link_and_target 1 target)
    install(CODE "
        set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(MAKE_DIRECTORY \"\${bin}\")
        file(CREATE_LINK \"../${DISH_APP_DIR}/${target}\" \"\${bin}/${link}\" SYMBOLIC)
        message(STATUS \"Installing link: \${bin}/${link}\")
    ")
endforeach()

install(FILES
    ${PROJECT_SOURCE_DIR}/packaging/linux/dish-calculator.desktop
    ${PROJECT_SOURCE_DIR}/packaging/linux/korvel.desktop
    ${PROJECT_SOURCE_DIR}/packaging/linux/drevik.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DISH_ICON_DIR}/dish-calculator-32.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME dish-calculator.png)
install(FILES ${DISH_ICON_DIR}/dish-calculator-16.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps RENAME dish-calculator.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${DISH_PACKAGE})
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_CONTACT "Dish calculator team <dish-calculator@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Satellite dish pointing calculator (English and Russian)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
