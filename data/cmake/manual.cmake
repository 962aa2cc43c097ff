# The guide pages are copied next to the executables as they are.
file(GLOB_RECURSE qz_manual_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/manual/*)
set(qz_manual_outputs)
foreach(src ${qz_manual_sources})
  file(RELATIVE_PATH rel ${CMAKE_CURRENT_SOURCE_DIR}/manual ${src})
  set(out ${QZ_DATA_DIR}/images/manual/${rel})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${src} ${out}
    DEPENDS ${src} VERBATIM)
  list(APPEND qz_manual_outputs ${out})
endforeach()
add_custom_target(qz_manual ALL DEPENDS ${qz_manual_outputs})
