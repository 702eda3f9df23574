# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows build: velomni.exe, the menu player alone, as one file.
# Cross-compiled with MinGW-w64 against a static Qt for Windows (see
# scripts/windows-qt.sh); libpng, libjpeg and zlib come from that Qt, giflib
# from Debian's source package (scripts/windows-deps.sh).

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets PngPrivate JpegPrivate ZlibPrivate)

set(VELOMNI_GIFLIB_SOURCE_DIR "/var/cache/velomni-windows/giflib" CACHE PATH "giflib's source folder")
if(NOT EXISTS "${VELOMNI_GIFLIB_SOURCE_DIR}/gif_lib.h")
  message(FATAL_ERROR "No giflib source in ${VELOMNI_GIFLIB_SOURCE_DIR}: run scripts/windows-deps.sh")
endif()
add_library(velomni_giflib STATIC)
foreach(file dgif_lib.c egif_lib.c gifalloc.c gif_err.c gif_hash.c openbsd-reallocarray.c quantize.c)
  target_sources(velomni_giflib PRIVATE "${VELOMNI_GIFLIB_SOURCE_DIR}/${file}")
endforeach()
target_include_directories(velomni_giflib SYSTEM PUBLIC "${VELOMNI_GIFLIB_SOURCE_DIR}")
target_compile_options(velomni_giflib PRIVATE -w)

# One program file, no MinGW run-time libraries beside it.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

velomni_library(velomni_platform ${CMAKE_SOURCE_DIR}/src/platform
  EmbeddedModule.cpp)
target_link_libraries(velomni_platform PUBLIC Qt6::Core Qt6::Gui PRIVATE Qt6::Widgets shell32)

velomni_library(velomni_model ${CMAKE_SOURCE_DIR}/src/model)
target_link_libraries(velomni_model
  PUBLIC velomni_platform Qt6::Core Qt6::Gui
  PRIVATE Qt6::PngPrivate Qt6::JpegPrivate Qt6::ZlibPrivate Qt6::BundledLibpng Qt6::BundledLibjpeg Qt6::BundledZLIB
    velomni_giflib gdi32)

velomni_library(velomni_controls ${CMAKE_SOURCE_DIR}/src/controls)
target_link_libraries(velomni_controls PUBLIC velomni_model Qt6::Widgets PRIVATE ole32 oleaut32 uuid)

velomni_library(velomni_player ${CMAKE_SOURCE_DIR}/src/player)
target_link_libraries(velomni_player PUBLIC velomni_controls velomni_model Qt6::Widgets PRIVATE winmm)
velomni_stock_pictures(velomni_player)

# Of the studio, the player needs only where the settings file lies.
add_library(velomni_studio_settings STATIC
  ${CMAKE_SOURCE_DIR}/src/studio/StudioSettings.cpp ${CMAKE_SOURCE_DIR}/src/studio/ProgramFiles.cpp)
target_include_directories(velomni_studio_settings PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(velomni_studio_settings PUBLIC velomni_model Qt6::Core)

velomni_library(velomni_app ${CMAKE_SOURCE_DIR}/src/app main.cpp StudioStart.cpp PlayerMainWin.cpp)
target_link_libraries(velomni_app PUBLIC velomni_player velomni_studio_settings velomni_model velomni_platform Qt6::Widgets)

add_executable(velomni-windows WIN32 ${CMAKE_SOURCE_DIR}/src/app/PlayerMainWin.cpp)
target_link_libraries(velomni-windows PRIVATE velomni_app)
set_target_properties(velomni-windows PROPERTIES OUTPUT_NAME velomni)
velomni_embed_version(velomni-windows PLAYER ICON ${CMAKE_SOURCE_DIR}/resources/program/Default.ico)
qt_import_plugins(velomni-windows INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QICOPlugin Qt6::QGifPlugin Qt6::QJpegPlugin)
if(CMAKE_STRIP)
  add_custom_command(TARGET velomni-windows POST_BUILD COMMAND ${CMAKE_STRIP} $<TARGET_FILE:velomni-windows>)
endif()

add_subdirectory(${CMAKE_SOURCE_DIR}/tests/windows ${CMAKE_BINARY_DIR}/tests)
