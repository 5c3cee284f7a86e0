# A folder's files compiled as one unit (NB_UNITY): the Qt headers, most of each file's
# compile time, are then read once per folder instead of once per file.
option(NB_UNITY "Compile each layer's files together" ON)
function(nb_unity target)
  if(NB_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
  endif()
endfunction()

# Each folder of src/ is one layer, built as its own static library from the files the
# folder holds (new files are picked up without editing a list). The main window and all
# of its member files live in src/mainwindow/, above every subsystem layer, so no layer
# below depends on the window.
function(nb_add_layer name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.ui)
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  if(NOT srcs)
    # A folder with nothing in it yet.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  nb_unity(${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# A QtTest suite registered with CTest. Widgets render offscreen; each suite has a label
# of its layer, and anything slow (bench, soak, fuzz) gets a label of its own.
#   nb_add_test(NAME n SOURCES a.cpp b.cpp LIBS nb_protocol LABELS protocol TIMEOUT 60)
function(nb_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    AUTOUIC_SEARCH_PATHS ${PROJECT_SOURCE_DIR}/src/mainwindow)
  target_link_libraries(${T_NAME} PRIVATE Qt5::Test nb_testsupport ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS "${T_LABELS}"
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;NB_BIN_DIR=${CMAKE_BINARY_DIR};NB_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  # The longest suites start first (NB_TEST_COSTS, tests/CMakeLists.txt): a fresh build has no
  # timings of its own yet, and one left to the end runs alone on an otherwise idle machine.
  list(FIND NB_TEST_COSTS ${T_NAME} at)
  if(at GREATER -1)
    math(EXPR at "${at} + 1")
    list(GET NB_TEST_COSTS ${at} cost)
    set_tests_properties(${T_NAME} PROPERTIES COST ${cost})
  endif()
endfunction()
