# What `cmake --install` puts in place and how `cpack -G DEB` packs it:
#   bin/tombolix, bin/tombolix-report, bin/tombolix-import   the program and its two tools
#   share/tombolix/KiRVA, Historiales          the voice clips and the sample lotteries
#   share/tombolix/installed                   the marker by which the program knows it is installed
#   share/applications/tombolix.desktop        the menu entry
#   share/icons/hicolor/<n>x<n>/apps/tombolix.png  the icon the program draws, rendered at build time
include(GNUInstallDirs)

set(TOMBOLIX_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/tombolix)
install(TARGETS tombolix tombolix-report tombolix-import RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/KiRVA ${CMAKE_SOURCE_DIR}/data/Historiales
  DESTINATION ${TOMBOLIX_SHARE_DIR})
file(WRITE ${CMAKE_BINARY_DIR}/package/installed "Tombolix ${PROJECT_VERSION}\n")
install(FILES ${CMAKE_BINARY_DIR}/package/installed DESTINATION ${TOMBOLIX_SHARE_DIR})
if(WIN32)
  # Windows takes the program folder as it is (see README: windeployqt); the
  # menu entry and icon theme below are freedesktop.org's.
  return()
endif()
install(FILES ${CMAKE_SOURCE_DIR}/cmake/tombolix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icons: the program writes its own drawing (tombolix --write-icon FILE SIZE)
# with the offscreen platform, so no display is needed to build.
set(icon_files)
foreach(size IN ITEMS 16 32 48 64 128 256)
  set(icon ${CMAKE_BINARY_DIR}/package/icons/${size}x${size}/tombolix.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${icon}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
      $<TARGET_FILE:tombolix> --write-icon ${icon} ${size}
    DEPENDS tombolix
    COMMENT "Drawing the ${size}x${size} icon"
    VERBATIM)
  list(APPEND icon_files ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tombolix_icons ALL DEPENDS ${icon_files})

# The package. Who distributes it is the distributor's to say: the contact
# stays a placeholder until set (-DTOMBOLIX_PACKAGE_CONTACT="Name <address>").
set(TOMBOLIX_PACKAGE_CONTACT "unset (configure with -DTOMBOLIX_PACKAGE_CONTACT)" CACHE STRING
  "Maintainer of the Debian package, as \"Name <e-mail>\"")
set(TOMBOLIX_PACKAGE_HOMEPAGE "" CACHE STRING "Home page written into the package (empty: none)")

set(CPACK_PACKAGE_NAME tombolix)
set(CPACK_PACKAGE_VENDOR "")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Análisis de loterías, chance y quiniela")
set(CPACK_PACKAGE_DESCRIPTION
  "Tombolix analyses lottery draw histories: frequencies, cycles, maps and patterns, a combination generator and its back-test.")
set(CPACK_PACKAGE_CONTACT "${TOMBOLIX_PACKAGE_CONTACT}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(TOMBOLIX_PACKAGE_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TOMBOLIX_PACKAGE_HOMEPAGE}")
endif()
# Qt 6 and its X platform plugin; Qt Multimedia plays the voice clips through
# GStreamer, whose plugins must be there or the player cannot start. Downloads
# over https check the server against the system's certificate authorities.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6, libqt6gui6, libqt6widgets6, libqt6network6, ca-certificates, libqt6multimedia6, libqt6printsupport6, libqt6charts6, qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-pulseaudio | gstreamer1.0-alsa")
# Qt's Spanish translation puts its own dialogs (files, printing) in Spanish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
include(CPack)
