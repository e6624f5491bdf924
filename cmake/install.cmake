# Installation: the two commands, their manual pages and a CMake package
# (find_package(talvorin)) whose talvorin_add_image() converts images while
# a project builds; and the Debian package (cpack -G DEB) of all of it.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(talvorin_package_dir ${CMAKE_INSTALL_DATADIR}/cmake/talvorin)

install(TARGETS talvorin EXPORT talvorinTargets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS talvorin-view RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES man/talvorin.1 man/talvorin-view.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(EXPORT talvorinTargets NAMESPACE talvorin:: DESTINATION ${talvorin_package_dir})
# Firmware is often cross-built for another word size; the package only
# runs a host command, so any architecture may use it.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/talvorinConfigVersion.cmake
  COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
install(FILES
  cmake/package/talvorinConfig.cmake
  cmake/package/TalvorinAddImage.cmake
  cmake/package/talvorin_convert.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/talvorinConfigVersion.cmake
  DESTINATION ${talvorin_package_dir})

set(CPACK_PACKAGE_CONTACT "talvorin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert one-bit BMP images into C byte lists (MMP layout)")
set(CPACK_PACKAGE_DESCRIPTION [[
talvorin turns a two-colour BMP of up to 320 x 240 pixels into
comma-separated byte values that a C file can include, in the MMP layout
of monochrome LCD and OLED drivers. talvorin-view shows such a file in the
terminal or writes it as a PBM image. A CMake package converts images
while a project builds.]])
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
if(NOT WIN32)
  set(CPACK_GENERATOR DEB)
endif()
include(CPack)
