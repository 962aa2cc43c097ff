# Screenshots of the manual, taken from the real windows offscreen for a sample
# person, so the pictures always show the program as it is built.
if(TARGET qznum-manualshots)
  set(qz_shots_dir ${QZ_DATA_DIR}/images/manual/shots)
  set(qz_shots_stamp ${CMAKE_CURRENT_BINARY_DIR}/manualshots.stamp)
  # Some of these data targets are defined by the scripts after this one.
  set(qz_shots_deps qznum-manualshots qz_eng_dat qz_manual)
  if(TARGET qznum-artgen)
    list(APPEND qz_shots_deps qz_images)
  endif()
  if(TARGET qz_chartsamples)
    list(APPEND qz_shots_deps qz_templates)
  endif()
  if(TARGET qz_celeb_cards)
    list(APPEND qz_shots_deps qz_celeb_cards)
  endif()
  add_custom_command(
    OUTPUT ${qz_shots_stamp}
    # The web engine refuses to start as root with its sandbox; these are our own pages.
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
            QTWEBENGINE_DISABLE_SANDBOX=1 XDG_RUNTIME_DIR=${QZ_TEST_RUNTIME_DIR}
            $<TARGET_FILE:qznum-manualshots> ${qz_shots_dir}
    COMMAND ${CMAKE_COMMAND} -E touch ${qz_shots_stamp}
    DEPENDS ${qz_shots_deps}
    COMMENT "Taking the manual's screenshots"
    VERBATIM)
  add_custom_target(qz_manualshots ALL DEPENDS ${qz_shots_stamp})
endif()
