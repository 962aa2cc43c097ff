# qz_add_test(<name> SOURCES a.cpp b.cpp LIBS lib1 lib2 [LABELS l1 l2])
# Builds one Qt Test executable and registers it with ctest, offscreen.
# A test on a widget layer gets the label "widgets" and runs with
# QT_FATAL_WARNINGS=1: a failed connect() or a "No such signal" fails it.
# A private runtime folder keeps Qt from warning about a missing one.
set(QZ_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${QZ_TEST_RUNTIME_DIR})
file(CHMOD ${QZ_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

set(QZ_WIDGET_LAYERS Qt5::Widgets Qt5::WebEngineWidgets qz_panels qz_dialogs qz_appui qz_chartedit qz_reportedit qz_pdf)

function(qz_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS} qz_strict)
  target_compile_definitions(${name} PRIVATE
    QZ_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
    QZ_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  add_test(NAME ${name} COMMAND ${name})
  # A home folder per test: tests that write the user folder or the settings
  # must not meet each other when ctest runs them side by side.
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  file(MAKE_DIRECTORY ${home})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QUICK_BACKEND=software;QTWEBENGINE_DISABLE_SANDBOX=1;XDG_RUNTIME_DIR=${QZ_TEST_RUNTIME_DIR};HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_CACHE_HOME=${home}/.cache"
    TIMEOUT 300)
  foreach(lib ${T_LIBS})
    if(lib IN_LIST QZ_WIDGET_LAYERS)
      list(APPEND T_LABELS widgets)
      set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "QT_FATAL_WARNINGS=1")
      break()
    endif()
  endforeach()
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()
