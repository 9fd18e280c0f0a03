# hm_add_gtest(NAME SOURCES file... LIBS lib... [LABELS label...])
# One GoogleTest program, its cases registered with CTest one by one.
find_package(GTest REQUIRED)
include(GoogleTest)

function(hm_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  # Message boxes become lines on standard error: no test waits on a window.
  set_target_properties(${name} PROPERTIES HM_DIALOGS console)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${HM_OUTPUT_DIR}
    PROPERTIES LABELS "${ARG_LABELS}"
    DISCOVERY_TIMEOUT 60)
endfunction()
