# SPDX-License-Identifier: GPL-2.0-or-later
# The install rules: `cmake --install` puts the programs, the studio's own
# files and the desktop's files under the standard folders,
#
#   bin/velomni-studio, bin/velomni-cli
#   share/velomni-studio/          Default.ico, whatsnew.rtf, VelomniStudio.html
#   share/applications/, share/metainfo/, share/mime/packages/
#   share/icons/hicolor/*/apps/    the application icon, scalable and as PNGs
#   share/man/man1/                a manual page for each program
#   share/doc/velomni-studio/      copyright, changelog
#
# and cmake/Package.cmake makes a Debian package of them. Included from the
# top folder after the programs exist.
include(GNUInstallDirs)

set(VELOMNI_APP_ID example.velomni.Studio)
set(VELOMNI_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/velomni-studio)
set(VELOMNI_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/velomni-studio)
set(VELOMNI_ICON_SIZES 16 22 24 32 48 64 128 256)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(velomni_desktop_dir ${CMAKE_SOURCE_DIR}/resources/desktop)

# What the programs are told of their install: the studio finds its data
# folder relative to its executable, so any prefix and any staging folder
# work; velomni-cli --version prints the project version.
file(RELATIVE_PATH velomni_data_from_bin "${CMAKE_INSTALL_FULL_BINDIR}"
  "${CMAKE_INSTALL_FULL_DATADIR}/velomni-studio")
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/studio/ProgramFiles.cpp TARGET_DIRECTORY velomni_studio
  PROPERTIES COMPILE_DEFINITIONS "VELOMNI_DATA_FROM_BIN=\"${velomni_data_from_bin}\"")
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/cli/CliProgramInfo.cpp TARGET_DIRECTORY velomni_cli
  PROPERTIES COMPILE_DEFINITIONS "VELOMNI_VERSION=\"${PROJECT_VERSION}\"")
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/app/ProgramInfo.cpp TARGET_DIRECTORY velomni_app
  PROPERTIES COMPILE_DEFINITIONS "VELOMNI_VERSION=\"${PROJECT_VERSION}\"")

install(TARGETS velomni-studio velomni-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${velomni_program_files} DESTINATION ${VELOMNI_INSTALL_DATADIR})
# The Windows player, where it was built, among the studio's own files.
if(VELOMNI_WINDOWS_PLAYER)
  install(FILES ${VELOMNI_WINDOWS_PLAYER} DESTINATION ${VELOMNI_INSTALL_DATADIR})
endif()

install(FILES ${velomni_desktop_dir}/${VELOMNI_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${velomni_desktop_dir}/${VELOMNI_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${velomni_desktop_dir}/${VELOMNI_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${velomni_desktop_dir}/${VELOMNI_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The PNG sizes of the icon theme, drawn from the scalable icon.
add_executable(velomni_icon_render ${CMAKE_SOURCE_DIR}/src/platform/tools/IconRender.cpp)
target_link_libraries(velomni_icon_render PRIVATE Qt6::Svg Qt6::Gui)
set_target_properties(velomni_icon_render PROPERTIES AUTOMOC OFF)
set(velomni_icon_dir ${CMAKE_BINARY_DIR}/icons)
set(velomni_icon_files)
foreach(size ${VELOMNI_ICON_SIZES})
  list(APPEND velomni_icon_files ${velomni_icon_dir}/${size}x${size}.png)
  install(FILES ${velomni_icon_dir}/${size}x${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${VELOMNI_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${velomni_icon_files}
  COMMAND velomni_icon_render ${velomni_desktop_dir}/${VELOMNI_APP_ID}.svg ${velomni_icon_dir} ${VELOMNI_ICON_SIZES}
  DEPENDS velomni_icon_render ${velomni_desktop_dir}/${VELOMNI_APP_ID}.svg
  COMMENT "Application icon sizes"
  VERBATIM)

# Manual pages and the Debian changelog are installed compressed, without
# a time stamp, so a package built twice is the same.
find_program(VELOMNI_GZIP gzip REQUIRED)
set(velomni_compressed)
function(velomni_compress source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${VELOMNI_GZIP} -9 -n -c ${source} > ${output}
    DEPENDS ${source}
    VERBATIM)
endfunction()
foreach(program velomni-studio velomni-cli)
  velomni_compress(${CMAKE_SOURCE_DIR}/docs/man/${program}.1 ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
  list(APPEND velomni_compressed ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/man/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
velomni_compress(${CMAKE_SOURCE_DIR}/resources/debian/changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
list(APPEND velomni_compressed ${CMAKE_BINARY_DIR}/doc/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man ${CMAKE_BINARY_DIR}/doc)
install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz ${CMAKE_SOURCE_DIR}/resources/debian/copyright
  DESTINATION ${VELOMNI_INSTALL_DOCDIR})

add_custom_target(velomni_install_files ALL DEPENDS ${velomni_icon_files} ${velomni_compressed})

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)

add_subdirectory(${CMAKE_SOURCE_DIR}/tests/install ${CMAKE_BINARY_DIR}/tests/install)
