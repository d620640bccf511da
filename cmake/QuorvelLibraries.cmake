# Flags every target we compile links, instead of directory-wide options:
# quorvel_warnings (warnings, errors with QUORVEL_WERROR) for the content
# tools, and quorvel_checked (the warnings and, with QUORVEL_SANITIZE, the
# sanitizers) for the game's libraries, tests and benchmarks.
function(quorvel_flag_targets)
  add_library(quorvel_warnings INTERFACE)
  target_compile_options(quorvel_warnings INTERFACE -Wall -Wextra $<$<BOOL:${QUORVEL_WERROR}>:-Werror>)
  add_library(quorvel_checked INTERFACE)
  target_link_libraries(quorvel_checked INTERFACE quorvel_warnings)
  if(QUORVEL_SANITIZE)
    target_compile_options(quorvel_checked INTERFACE
      -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(quorvel_checked INTERFACE -fsanitize=address,undefined)
  endif()
endfunction()

# One static library per folder of src/, from the table of entries
# "name:used,used": each links the libraries it uses and sees only their
# folders and its own (its include folder layers/<name>/ of the build holds
# links to just those). Sources are picked up from the folder, so adding a
# file needs no edit here. src/host/sdl/ is not in the table: it is the SDL
# library, linked only by the game and the SDL tests.
function(quorvel_libraries)
  set(built "")
  set(targets "")
  set(all "")
  foreach(entry IN LISTS ARGN)
    string(REPLACE ":" ";" parts "${entry}")
    list(GET parts 0 name)
    set(used "")
    list(LENGTH parts count)
    if(count GREATER 1)
      list(GET parts 1 usedText)
      string(REPLACE "," ";" used "${usedText}")
    endif()
    foreach(dependency IN LISTS used)
      if(NOT dependency IN_LIST all)
        message(FATAL_ERROR "library ${name} uses ${dependency}, which is not listed before it")
      endif()
    endforeach()
    list(APPEND all ${name})
    set(dir ${PROJECT_SOURCE_DIR}/src/${name})
    if(NOT IS_DIRECTORY ${dir})
      continue()
    endif()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/src/host/sdl/")
    if(NOT sources)
      continue()
    endif()
    set(view ${PROJECT_BINARY_DIR}/layers/${name})
    file(REMOVE_RECURSE ${view})
    file(MAKE_DIRECTORY ${view})
    set(links "")
    foreach(seen IN LISTS used name)
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${seen} ${view}/${seen} SYMBOLIC)
      if(NOT seen STREQUAL name AND seen IN_LIST built)
        list(APPEND links quorvel_${seen})
      endif()
    endforeach()
    add_library(quorvel_${name} STATIC ${sources})
    target_include_directories(quorvel_${name} PUBLIC ${view})
    target_link_libraries(quorvel_${name} PUBLIC ${links} PRIVATE quorvel_checked)
    list(APPEND built ${name})
    list(APPEND targets quorvel_${name})
  endforeach()
  # Every library built, for the game, the content tools and the benchmarks.
  set(QUORVEL_ALL_LIBRARIES ${targets} PARENT_SCOPE)
  set(QUORVEL_BUILT_LIBRARIES ${built} PARENT_SCOPE)
endfunction()

# Sources that must compile (probe 0) or must not (every other probe): each
# of tests/<name>/compile_probes/<probe>.cpp is compiled once per probe
# number with the include view of the library, as test <name>.<probe>.<n>.
function(quorvel_compile_probe name probe count)
  set(source ${PROJECT_SOURCE_DIR}/tests/${name}/compile_probes/${probe}.cpp)
  foreach(n RANGE 0 ${count})
    add_test(NAME ${name}.${probe}.${n}
             COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -fsyntax-only -DPROBE=${n}
                     -I${PROJECT_BINARY_DIR}/layers/${name} ${source})
    if(n EQUAL 0)
      set(fails FALSE)
    else()
      set(fails TRUE)
    endif()
    set_tests_properties(${name}.${probe}.${n} PROPERTIES LABELS ${name} WILL_FAIL ${fails})
  endforeach()
endfunction()

# The SDL library: the window, its message boxes and the SDL2_mixer device.
function(quorvel_sdl_library)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/host/sdl/*.cpp)
  add_library(quorvel_sdl STATIC ${sources})
  target_link_libraries(quorvel_sdl PUBLIC quorvel_host PkgConfig::SDL2 PkgConfig::SDL2_MIXER PRIVATE quorvel_checked)
endfunction()

# One test program per folder of tests/ that mirrors a library; every test is
# labelled with that folder's name. tests/fixtures/ holds data, not code.
function(quorvel_tests)
  foreach(name IN LISTS QUORVEL_BUILT_LIBRARIES)
    quorvel_test_program(${name} quorvel_${name})
  endforeach()
endfunction()

# The test program of tests/<name>/, linked to the given libraries and
# labelled <name>, its tests given the properties QUORVEL_TEST_PROPERTIES_<name>
# lists, if any; nothing when the folder holds no tests. The tests in sdl/
# sub-folders belong to the SDL test program instead.
function(quorvel_test_program name)
  set(dir ${PROJECT_SOURCE_DIR}/tests/${name})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/sdl/|/compile_probes/")
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(test_${name} PRIVATE QUORVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_link_libraries(test_${name} PRIVATE ${ARGN} quorvel_checked GTest::gtest_main GTest::gmock)
  quorvel_discover(test_${name} ${name} ${QUORVEL_TEST_PROPERTIES_${name}})
endfunction()

# Further arguments are more test properties, as name value pairs.
function(quorvel_discover target label)
  gtest_discover_tests(${target}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    PROPERTIES LABELS ${label} ${ARGN}
    DISCOVERY_TIMEOUT 60)
endfunction()
