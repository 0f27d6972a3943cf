# Installation in the standard places, and a Debian package of it (cpack -G DEB).
include(GNUInstallDirs)

install(TARGETS corvane-gen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(CORVANE_BUILD_UI)
    set(app_id example.corvane.Generator)
    install(TARGETS Corvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES packaging/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 32)
        install(FILES ui/pictures/corvane-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${app_id}.png)
    endforeach()
endif()

set(CPACK_PACKAGE_NAME corvane-generator)
set(CPACK_PACKAGE_VENDOR "The Corvane Generator developers")
set(CPACK_PACKAGE_CONTACT "The Corvane Generator developers <maintainers@corvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Writes the HTML of PayPal payment buttons without logging in")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://corvane.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
# The Qt libraries are found by dpkg-shlibdeps; the platform plugins that draw the windows are not
# linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(CORVANE_BUILD_UI)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-liberation2")
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
