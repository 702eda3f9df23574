# SPDX-License-Identifier: GPL-2.0-or-later
# The Debian package of the install rules (cmake/Install.cmake):
#
#   cd build && cpack          ->  velomni-studio_<version>_<arch>.deb
#
# Its library dependencies come from dpkg-shlibdeps (PackageModules.cmake);
# the programs are stripped (the version section the mode selection reads
# survives that).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velomni-studio)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velomni")
set(CPACK_PACKAGE_CONTACT "Velomni developers <support@velomni.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer of start-up menus for CDs, DVDs and USB sticks")
# One line of the extended description each, as the control file wraps it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Velomni Studio designs the menu window that appears when a disc or a USB"
  "stick is inserted: buttons, images, texts, rich-text and web panels, sounds"
  "and click actions. A project is a folder that goes onto the disc unchanged,"
  "together with the small player that shows the menu; the studio burns it to"
  "a disc or writes an ISO image."
  ""
  "The package also holds velomni-cli, which exports, imports, renders and"
  "builds projects without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.velomni.example/")
# Loaded at run time, so dpkg-shlibdeps cannot see them: the X11 platform
# plugin, and the GStreamer plug-ins that play the sound channels' WAV and
# MP3 files through ALSA or PulseAudio. The libraries of the programs and
# of the modules they carry inside themselves (build/modules, not installed
# files) are added when the package is made (PackageModules.cmake).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-alsa")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(VELOMNI_MODULE_DIR ${CMAKE_BINARY_DIR}/modules)
configure_file(${CMAKE_CURRENT_LIST_DIR}/PackageModules.cmake.in ${CMAKE_BINARY_DIR}/PackageModules.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/PackageModules.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
