# Portrait cards of the celebrities (images/doc2/000.jpg ...), drawn by
# qznum-celebcards from the celebrity list, so the pictures always follow it.
set(qz_celeb_source ${PROJECT_SOURCE_DIR}/data/texts/celebrities.txt)
if(EXISTS ${qz_celeb_source})
  # The list of output files depends on the number of records: configure
  # again whenever the list changes.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qz_celeb_source})
  file(STRINGS ${qz_celeb_source} qz_celeb_records REGEX "^[ \t]*\\[celebrity\\]")
  list(LENGTH qz_celeb_records qz_celeb_count)
  if(qz_celeb_count GREATER 256)
    set(qz_celeb_count 256)
  endif()
  set(qz_celeb_cards)
  if(qz_celeb_count GREATER 0)
    math(EXPR qz_celeb_last "${qz_celeb_count} - 1")
    foreach(i RANGE ${qz_celeb_last})
      if(i LESS 10)
        set(n "00${i}")
      elseif(i LESS 100)
        set(n "0${i}")
      else()
        set(n "${i}")
      endif()
      list(APPEND qz_celeb_cards ${QZ_DATA_DIR}/images/doc2/${n}.jpg)
    endforeach()
  endif()
  add_custom_command(
    OUTPUT ${qz_celeb_cards}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:qznum-celebcards> --out ${QZ_DATA_DIR}/images/doc2 ${qz_celeb_source}
    DEPENDS qznum-celebcards ${qz_celeb_source}
    COMMENT "Drawing ${qz_celeb_count} celebrity portrait cards"
    VERBATIM)
  add_custom_target(qz_celeb_cards ALL DEPENDS ${qz_celeb_cards})
endif()
