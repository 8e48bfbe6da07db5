# The program test drives build/quadtracker over Xlib.
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
target_link_libraries(app_program_test PRIVATE PkgConfig::X11)
add_dependencies(app_program_test quadtracker)
