# What `cmake --install` puts where, and the Debian package built from it (`cpack -G DEB`).
# Test helpers, the benchmark and the fuzz targets are never installed.

install(TARGETS plumbline-export plumbline-gendata RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(PLUMBLINE_MAN_PAGES plumbline-export.1 plumbline-gendata.1)

if(PLUMBLINE_GUI)
    install(TARGETS plumbline plumbline-snapshot RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    list(APPEND PLUMBLINE_MAN_PAGES plumbline.1 plumbline-snapshot.1)

    install(FILES dist/${PLUMBLINE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES dist/icons/${PLUMBLINE_APP_ID}.svg DESTINATION ${icons}/scalable/apps)
    foreach(size ${PLUMBLINE_ICON_SIZES})
        install(FILES dist/icons/${PLUMBLINE_APP_ID}-${size}.png DESTINATION ${icons}/${size}x${size}/apps
                RENAME ${PLUMBLINE_APP_ID}.png)
    endforeach()
endif()

# Tools merged later bring their manual page along.
foreach(tool plumbline-report plumbline-index plumbline-versions plumbline-import)
    if(TARGET ${tool})
        install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/dist/man/${tool}.1)
            list(APPEND PLUMBLINE_MAN_PAGES ${tool}.1)
        endif()
    endif()
endforeach()

if(PLUMBLINE_GUI)
    # The metadata names every program the package installs.
    set(PLUMBLINE_PROVIDED_BINARIES "")
    foreach(page ${PLUMBLINE_MAN_PAGES})
        get_filename_component(program ${page} NAME_WE)
        string(APPEND PLUMBLINE_PROVIDED_BINARIES "    <binary>${program}</binary>\n")
    endforeach()
    # ... and every language it speaks: tst_translations keeps each translation complete.
    set(PLUMBLINE_METAINFO_LANGUAGES "")
    foreach(language ${PLUMBLINE_LANGUAGES})
        string(APPEND PLUMBLINE_METAINFO_LANGUAGES "    <lang percentage=\"100\">${language}</lang>\n")
    endforeach()
    configure_file(dist/${PLUMBLINE_APP_ID}.metainfo.xml.in ${PLUMBLINE_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${PLUMBLINE_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

foreach(page ${PLUMBLINE_MAN_PAGES})
    install(FILES dist/man/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES README.md LICENSE THIRD-PARTY-NOTICES.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
foreach(doc user-guide.md file-formats.md)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/docs/${doc})
        install(FILES docs/${doc} DESTINATION ${CMAKE_INSTALL_DOCDIR})
    endif()
endforeach()

# ---- Debian package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PLUMBLINE_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Plumbline developers")
set(CPACK_PACKAGE_CONTACT "The Plumbline developers <plumbline@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tracks personal investments against inflation")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Plumbline keeps a list of investments and, under each, dated records of the\n"
    "original amount, the current amount and the inflation rate. It computes the\n"
    "increase or decrease, the profit or loss, the loss to inflation and the amounts\n"
    "adjusted for inflation, shows them twelve rows a page, prints them, backs up\n"
    "its data files and can ask for a password at start-up.")
# The libraries come from dpkg-shlibdeps; the window system plugin is loaded at run time, so no
# library names it, and without it the program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)
