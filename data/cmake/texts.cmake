# Compiles the interpretation text sources (data/texts/*.txt) into the
# scrambled data file eng.dat next to every executable. New or changed
# sources rebuild it; with no sources an empty (valid) file is written.
file(GLOB QZ_TEXT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/texts/*.txt)
list(SORT QZ_TEXT_SOURCES)
add_custom_command(
  OUTPUT ${QZ_DATA_DIR}/eng.dat
  COMMAND qznum-textc build --out ${QZ_DATA_DIR}/eng.dat ${QZ_TEXT_SOURCES}
  DEPENDS qznum-textc ${QZ_TEXT_SOURCES}
  COMMENT "Compiling interpretation texts into eng.dat"
  VERBATIM)
add_custom_target(qz_eng_dat ALL DEPENDS ${QZ_DATA_DIR}/eng.dat)
