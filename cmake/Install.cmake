# Installation: the program, its desktop entry and its icon, where a Linux
# desktop looks for them under the chosen prefix.
include(GNUInstallDirs)

if(NOT EXISTS ${CMAKE_SOURCE_DIR}/resources/MazeIcon128.bmp)
  message(WARNING "resources/MazeIcon128.bmp is missing: no desktop icon is installed")
  install(TARGETS tarnwick-lanes RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/data/tarnwick-lanes.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  return()
endif()

add_executable(tarnwick-icon tools/icon/main.cpp)
target_link_libraries(tarnwick-icon PRIVATE tarnwick)
set(TARNWICK_ICON_PNG ${CMAKE_BINARY_DIR}/tarnwick-lanes.png)
add_custom_command(OUTPUT ${TARNWICK_ICON_PNG}
  COMMAND tarnwick-icon ${TARNWICK_ICON_PNG}
  DEPENDS tarnwick-icon
  COMMENT "Writing the desktop icon")
add_custom_target(tarnwick-desktop-icon ALL DEPENDS ${TARNWICK_ICON_PNG})

install(TARGETS tarnwick-lanes RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/tarnwick-lanes.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TARNWICK_ICON_PNG}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
