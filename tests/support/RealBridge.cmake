# The editor in a process of its own (EditorDriver) and the harness that
# listens to it through the real AT-SPI bridge (RealBridge), shared by the
# tests and the benchmark; made once whichever of the two includes it first.
if(TARGET tessavo_real_bridge)
  return()
endif()

pkg_check_modules(ATSPI REQUIRED IMPORTED_TARGET atspi-2 gio-unix-2.0 dbus-1 xcb)

set(_support ${CMAKE_CURRENT_LIST_DIR})
add_executable(tessavo_editor_driver ${_support}/EditorDriver.cpp ${_support}/Fakes.cpp)
target_include_directories(tessavo_editor_driver PRIVATE ${_support})
target_link_libraries(tessavo_editor_driver PRIVATE tessavo_app tessavo_warnings)

add_library(tessavo_real_bridge STATIC ${_support}/RealBridge.cpp)
target_include_directories(tessavo_real_bridge PUBLIC ${_support})
target_link_libraries(tessavo_real_bridge PRIVATE PkgConfig::ATSPI tessavo_warnings)
target_compile_definitions(tessavo_real_bridge PRIVATE
  TESSAVO_EDITOR_DRIVER="$<TARGET_FILE:tessavo_editor_driver>")
add_dependencies(tessavo_real_bridge tessavo_editor_driver)
