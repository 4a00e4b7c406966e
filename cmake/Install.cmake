# What `cmake --install` puts where (GNU and freedesktop folders under the prefix): the two
# windows and the two command lines, the help text in the data folder where Win_KV9 finds it
# (../share/kv9 from its own folder), the udev rule, a desktop entry and icon per window, the
# man pages and the bash completion of the command lines.
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
install(FILES man/kv9.1 man/mcu9.1 man/Win_KV9.1 man/Win_Mcu9.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# bash-completion loads a command's completion from the file named after it.
foreach(command kv9 mcu9)
  install(FILES completion/kv9.bash RENAME ${command}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endforeach()
