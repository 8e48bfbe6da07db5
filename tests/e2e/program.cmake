# The real-program test starts the built tracker, so it needs the program and its
# data; it closes the window with an X client message, so it speaks X11.
if(TARGET e2e_program_test)
  if(NOT TARGET PkgConfig::X11)
    pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
  endif()
  target_link_libraries(e2e_program_test PRIVATE PkgConfig::X11)
  add_dependencies(e2e_program_test quadtracker data)
endif()
