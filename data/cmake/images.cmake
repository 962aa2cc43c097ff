# Interface pictures and report pictures, drawn by qznum-artgen into
# images/ and images/doc/ beside the executables.
if(TARGET qznum-artgen)
  set(QZ_IMAGES_STAMP ${QZ_DATA_DIR}/images/.artgen-stamp)
  add_custom_command(
    OUTPUT ${QZ_IMAGES_STAMP}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:qznum-artgen> ${QZ_DATA_DIR}/images
    DEPENDS qznum-artgen
    COMMENT "Drawing the artwork into images/"
    VERBATIM)
  add_custom_target(qz_images ALL DEPENDS ${QZ_IMAGES_STAMP})
endif()
