include(GoogleTest)

# vantora_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI] [SERVER])
# Builds one GoogleTest program and registers each of its tests with CTest.
# Every test runs with the offscreen Qt platform; GUI tests carry the label
# "gui" so the sanitizer run can leave them out. SERVER registers every test
# a second time, named with the suffix "_server", labelled "server" alone and
# run with VANTORA_TEST_ENGINE=server: the test facility then keeps its
# stores on the test server named by VANTORA_TEST_SERVER.
function(vantora_add_test name)
  cmake_parse_arguments(ARG "GUI;SERVER" "" "SOURCES;LIBS" ${ARGN})
  if(ARG_GUI AND NOT VANTORA_BUILD_GUI)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE vantora_settings vantora_testsupport
                        ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  # Tests that read the shipped data find the checkout here (__FILE__ may be
  # relative when the compiler cache rewrites paths).
  target_compile_definitions(${name} PRIVATE VANTORA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  if(ARG_GUI)
    set(_labels gui)
  else()
    set(_labels lib)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${_labels}")
  if(ARG_SERVER)
    gtest_discover_tests(${name}
      DISCOVERY_TIMEOUT 60
      TEST_SUFFIX _server
      # One variable per property: a list would not survive the discovery.
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                 ENVIRONMENT_MODIFICATION "VANTORA_TEST_ENGINE=set:server" LABELS server)
  endif()
endfunction()
