# Installation the freedesktop way (menu entry, hicolor icons, AppStream metainfo) and a Debian
# package of it: `cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr.
set(KORVEX_APP_ID io.github.korvex.Korvex)
set(korvex_desktop_dir ${PROJECT_SOURCE_DIR}/res/desktop)

install(FILES ${korvex_desktop_dir}/${KORVEX_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${korvex_desktop_dir}/${KORVEX_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 128 256)
    install(FILES ${korvex_desktop_dir}/icon-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${KORVEX_APP_ID}.png)
endforeach()

# Regenerates the committed application icons after the title icon's drawing changes.
add_custom_target(update_application_icons
    COMMAND toolicons --application ${korvex_desktop_dir}
    COMMENT "Writing the application icons to res/desktop")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Korvex developers")
set(CPACK_PACKAGE_CONTACT "The Korvex developers <korvex@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/korvex/korvex)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "viewer and annotator for radiometric infrared photographs")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvex opens the radiometric JPEGs of handheld thermal cameras, renders\n\
them through five palettes blended with the visible-light picture, shows\n\
the highest, lowest and centre temperatures in Celsius, Fahrenheit or\n\
Kelvin, measures points, lines, rectangles and ovals, and saves an\n\
annotated radiometric JPEG that it reads back. It speaks nine languages.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window shows Chinese, Japanese, Korean and Cyrillic text, which no library dependency
# brings a font for, and names both families in its font: WenQuanYi Micro Hei draws ℃ and ℉
# empty, DejaVu Sans draws them. shlibdeps appends what the binary links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-wqy-microhei")

include(CPack)
