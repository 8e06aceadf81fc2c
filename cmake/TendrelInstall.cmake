# What `cmake --install` puts in place and what `cpack -G DEB` packs: the two programs,
# the desktop entry, the icon in the hicolor theme (SVG and PNG sizes drawn from it at
# build time), the AppStream metainfo and the MIME type of pages (*.wrn). Everything
# else the program needs (icons, artwork, help) is compiled into it.
include(GNUInstallDirs)

set(TENDREL_APP_ID org.tendrel.Tendrel)
set(TENDREL_DESKTOP_DIR "${PROJECT_SOURCE_DIR}/res/desktop")
set(TENDREL_ICON_SVG "${PROJECT_SOURCE_DIR}/res/icons/tendrel.svg")
set(TENDREL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(TENDREL_ICON_DIR "${CMAKE_BINARY_DIR}/icons")

set(icon_pngs)
foreach(size ${TENDREL_ICON_SIZES})
  list(APPEND icon_pngs "${TENDREL_ICON_DIR}/${size}x${size}/${TENDREL_APP_ID}.png")
endforeach()
add_custom_command(OUTPUT ${icon_pngs}
  COMMAND tendrel-icon-sizes "${TENDREL_ICON_SVG}" "${TENDREL_ICON_DIR}" ${TENDREL_APP_ID}
          ${TENDREL_ICON_SIZES}
  DEPENDS tendrel-icon-sizes "${TENDREL_ICON_SVG}"
  COMMENT "Drawing the program icon's PNG sizes")
add_custom_target(tendrel_icons ALL DEPENDS ${icon_pngs})

install(TARGETS tendrel tendrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${TENDREL_DESKTOP_DIR}/${TENDREL_APP_ID}.desktop"
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${TENDREL_DESKTOP_DIR}/${TENDREL_APP_ID}.metainfo.xml"
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${TENDREL_DESKTOP_DIR}/${TENDREL_APP_ID}.mime.xml"
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TENDREL_APP_ID}.xml)
set(theme "${CMAKE_INSTALL_DATADIR}/icons/hicolor")
install(FILES "${TENDREL_ICON_SVG}" DESTINATION ${theme}/scalable/apps
  RENAME ${TENDREL_APP_ID}.svg)
# Pages show the program's icon in the file manager.
install(FILES "${TENDREL_ICON_SVG}" DESTINATION ${theme}/scalable/mimetypes
  RENAME application-x-tendrel-page.svg)
foreach(size ${TENDREL_ICON_SIZES})
  install(FILES "${TENDREL_ICON_DIR}/${size}x${size}/${TENDREL_APP_ID}.png"
    DESTINATION ${theme}/${size}x${size}/apps)
endforeach()

# The Debian package. Shared libraries are found by dpkg-shlibdeps; the plugins Qt
# loads at run time are not linked, so they are named: the windowing system, the
# SQLite driver, TIFF and WebP pictures, the camera's GStreamer elements, and fonts for
# pages and reports.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tendrel)
set(CPACK_PACKAGE_VENDOR "Tendrel")
set(CPACK_PACKAGE_CONTACT "Tendrel developers <tendrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "photos, newsletters, enrollment, tuition and staff records for a child care center")
set(CPACK_PACKAGE_DESCRIPTION
  "Tendrel keeps one photo folder per child, lays out newsletters, art photos and
calendars, and holds enrollment, daily records, weekly tuition with monthly
statements and staff time sheets. Everything stays on the local disk.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tendrel)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, libqt6sql6-sqlite, libqt6sql6-psql, qt6-image-formats-plugins, \
gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-dejavu-core | fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info, desktop-file-utils")
include(CPack)
