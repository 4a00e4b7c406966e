# The Debian package (scripts/package.sh): what is installed, with its dependencies found from
# the shared libraries the programs use, and maintainer scripts that reload the udev rules.

# The package carries Win_KV9's version, kept in one place in the code.
file(STRINGS ${PROJECT_SOURCE_DIR}/memprog/core/version.h kv9_version_line REGEX "kVersion = ")
string(REGEX MATCH "[0-9]+(\\.[0-9]+)+" KV9_VERSION "${kv9_version_line}")
if(NOT KV9_VERSION)
  message(FATAL_ERROR "no version found in memprog/core/version.h")
endif()

set(KV9_PACKAGE_MAINTAINER "kv9 developers <kv9@example.org>" CACHE STRING
  "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kv9)
set(CPACK_PACKAGE_VERSION ${KV9_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "programs for the Quillon Programmer III USB device programmer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Win_KV9 reads, programs, verifies and erases memory devices (EPROM, EEPROM,\n\
flash, serial EEPROM, PROM, 8048/8051 microcontrollers, static RAM and\n\
timekeepers) in the programmer's ZIF socket; Win_Mcu9 does the same for PIC12\n\
and PIC16 microcontrollers, with a configuration-word editor. kv9 and mcu9 run\n\
the same operations from the command line. A udev rule lets the users of the\n\
plugdev group open the programmer.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KV9_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${PROJECT_SOURCE_DIR}/packaging/postinst ${PROJECT_SOURCE_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
