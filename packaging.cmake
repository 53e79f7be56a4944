# SPDX-License-Identifier: MIT
# Installing on Linux and the Debian package: the programs, the menu entry,
# the icons, the metainfo, the manual pages and the copyright.
include(GNUInstallDirs)

set(LUMOR_SHOWN_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_TWEAK}")

set(linux_dir ${PROJECT_SOURCE_DIR}/resources/linux)
set(out ${PROJECT_BINARY_DIR}/linux)
configure_file(${linux_dir}/lumor.desktop.in ${out}/${LUMOR_APP_ID}.desktop @ONLY)
configure_file(${linux_dir}/lumor.metainfo.xml.in ${out}/${LUMOR_APP_ID}.metainfo.xml @ONLY)

# The PNG icons are rendered from the SVG at build time; the SVG stays the
# one source. Manual pages and the changelog are compressed as Debian wants
# them (gzip -n: no time stamp, so the package is reproducible).
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)
set(icon_svg ${PROJECT_SOURCE_DIR}/resources/images/icon.svg)
set(generated)
foreach(size 16 24 32 48 64 128 256)
  set(png ${out}/icons/${size}/${LUMOR_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}/icons/${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
    DEPENDS ${icon_svg} VERBATIM)
  list(APPEND generated ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
foreach(page lumor.1 lumor-quote.1)
  add_custom_command(OUTPUT ${out}/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${linux_dir}/${page} ${out}/${page}
    COMMAND ${GZIP} -9nf ${out}/${page}
    DEPENDS ${linux_dir}/${page} VERBATIM)
  list(APPEND generated ${out}/${page}.gz)
  install(FILES ${out}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# The version has no Debian revision, so this is a native package, whose
# Debian changelog is called changelog.gz.
add_custom_command(OUTPUT ${out}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${linux_dir}/changelog.Debian ${out}/changelog
  COMMAND ${GZIP} -9nf ${out}/changelog
  DEPENDS ${linux_dir}/changelog.Debian VERBATIM)
list(APPEND generated ${out}/changelog.gz)
add_custom_target(lumor_linux_files ALL DEPENDS ${generated})

install(TARGETS lumor lumor-quote RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${out}/${LUMOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${out}/${LUMOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LUMOR_APP_ID}.svg)
install(FILES ${linux_dir}/copyright ${out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumor)
set(CPACK_PACKAGE_VERSION ${LUMOR_SHOWN_VERSION})
set(CPACK_PACKAGE_CONTACT "lumor developers <lumor@${LUMOR_WEB_DOMAIN}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "price calculator for fibre-optic patch cords and pigtails")
# The extended description; CPack indents it under the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "lumor is the price calculator of a cable assembler's customers: choose the
jumper type, simplex or duplex cable, the fibre, the cable diameter, the
connectors, the length and a discount, and read off the order code, a
Turkish and English description and the discounted price per piece.
.
The package also holds lumor-quote, which prices lists of order codes from
the command line or from a spreadsheet's CSV export.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${LUMOR_WEB_DOMAIN}/lumor/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Native Wayland without XWayland; X11 works without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
