# What `cmake --install` puts where (GNU and freedesktop folders under the prefix): the two
# windows and the two command lines, the help text in the data folder where Win_KV9 finds it
# (../share/kv9 from its own folder), the udev rule, and a desktop entry and icon per window.
# The tests and benchmarks are not installed.
include(GNUInstallDirs)

# Installing builds nothing: the package script builds the installed programs alone, not every
# test first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(KV9_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
  "Where the udev rule goes, under the prefix unless absolute")

install(TARGETS Win_KV9 Win_Mcu9 kv9 mcu9 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES run/Win_KV9.Txt DESTINATION ${CMAKE_INSTALL_DATADIR}/kv9)
install(FILES udev/99-kv9-programmer.rules DESTINATION ${KV9_UDEV_RULES_DIR})
install(FILES desktop/Win_KV9.desktop desktop/Win_Mcu9.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/Win_KV9.svg desktop/Win_Mcu9.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
