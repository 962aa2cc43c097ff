# Sample charts: our generator writes them through the chart document API into
# images/templates next to the executables, where the program finds them.
if(TARGET qz_chartsamples)
  set(qz_templates_dir ${QZ_DATA_DIR}/images/templates)
  set(qz_templates_stamp ${CMAKE_CURRENT_BINARY_DIR}/templates.stamp)
  add_custom_command(
    OUTPUT ${qz_templates_stamp}
    # Qt keeps its screen objects until exit; a sanitizer build must not call that a leak.
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:qz_chartsamples> ${qz_templates_dir}
    COMMAND ${CMAKE_COMMAND} -E touch ${qz_templates_stamp}
    DEPENDS qz_chartsamples
    COMMENT "Writing the sample charts into images/templates"
    VERBATIM)
  add_custom_target(qz_templates ALL DEPENDS ${qz_templates_stamp})
endif()
