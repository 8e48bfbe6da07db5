# Tests that speak X11 themselves: the program test drives build/quadtracker, the
# window test sends events to the host's window.
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
target_link_libraries(app_program_test PRIVATE PkgConfig::X11)
add_dependencies(app_program_test quadtracker)
target_link_libraries(app_glfw_window_test PRIVATE PkgConfig::X11)
