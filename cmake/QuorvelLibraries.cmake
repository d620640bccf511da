# One static library per folder of src/, each linking the libraries above it.
# Sources are picked up from the folder, so adding a file needs no edit here.
function(quorvel_libraries)
  set(previous "")
  foreach(name IN LISTS ARGN)
    set(dir ${PROJECT_SOURCE_DIR}/src/${name})
    if(NOT IS_DIRECTORY ${dir})
      continue()
    endif()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(NOT sources)
      continue()
    endif()
    add_library(quorvel_${name} STATIC ${sources})
    target_include_directories(quorvel_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    if(previous)
      target_link_libraries(quorvel_${name} PUBLIC ${previous})
    endif()
    set(previous quorvel_${name})
    list(APPEND built ${name})
  endforeach()
  set(QUORVEL_LAST_LIBRARY ${previous} PARENT_SCOPE)
  set(QUORVEL_BUILT_LIBRARIES ${built} PARENT_SCOPE)
endfunction()

# One test program per folder of tests/ that mirrors a library; every test is
# labelled with that folder's name. tests/fixtures/ holds data, not code.
function(quorvel_tests)
  foreach(name IN LISTS QUORVEL_BUILT_LIBRARIES)
    quorvel_test_program(${name} quorvel_${name})
  endforeach()
endfunction()

# The test program of tests/<name>/, linked to the given library and labelled
# <name>; nothing when the folder holds no tests.
function(quorvel_test_program name library)
  set(dir ${PROJECT_SOURCE_DIR}/tests/${name})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources} ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp)
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(test_${name} PRIVATE QUORVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_link_libraries(test_${name} PRIVATE ${library} GTest::gtest GTest::gmock)
  gtest_discover_tests(test_${name}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    PROPERTIES LABELS ${name}
    DISCOVERY_TIMEOUT 60)
endfunction()
