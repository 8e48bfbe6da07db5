# The renderer tests run the built program on the committed reference song.
if(TARGET render_render_test AND TARGET quadtracker-render)
  add_dependencies(render_render_test quadtracker-render data)
endif()
