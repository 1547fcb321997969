# GoogleTest for both builds, and one helper that registers a test program.
#
# Host build: Debian's packaged GoogleTest. Windows build: GoogleTest compiled from
# Debian's sources with the posix-thread MinGW compiler; each test program is ONE
# CTest test run through Wine (start-up costs seconds, per-case discovery would
# multiply that).

if(LUMORA_WIN32)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # The prefix lives inside the build folder; scripts/test creates it before ctest. A
  # 64-bit build (for machines that cannot run 32-bit code) runs in a 64-bit prefix
  # through Wine's 64-bit loader.
  set(LUMORA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(LUMORA_WINEARCH win64)
  else()
    set(LUMORA_WINEARCH win32)
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
else()
  find_package(GTest REQUIRED)
endif()
set(LUMORA_GTEST_LIBS GTest::gtest GTest::gmock)

# lumora_use_test_compiler(DIR...)
# Where the toolchain builds the product with a compiler that lacks std::mutex (the 32-bit
# build), every target made in DIR and below it, and GoogleTest, is compiled and linked with
# the toolchain's test compiler instead. Called once every folder has been added.
function(lumora_use_test_compiler)
  if(NOT LUMORA_TEST_COMPILER_LAUNCHER)
    return()
  endif()
  set(launcher ${LUMORA_TEST_COMPILER_LAUNCHER})
  if(LUMORA_CCACHE)
    list(APPEND launcher --cache=${LUMORA_CCACHE})
  endif()
  list(JOIN launcher " " link_launcher)
  set(dirs ${ARGN})
  while(dirs)
    list(POP_FRONT dirs dir)
    get_property(sub DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    list(APPEND dirs ${sub})
    foreach(t ${targets})
      get_target_property(type ${t} TYPE)
      if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
        set_target_properties(${t} PROPERTIES C_COMPILER_LAUNCHER "${launcher}"
                              CXX_COMPILER_LAUNCHER "${launcher}" RULE_LAUNCH_LINK "${link_launcher}")
      endif()
    endforeach()
  endwhile()
endfunction()
set(LUMORA_GTEST_MAIN GTest::gtest_main)

# lumora_add_test(NAME src... [LIBS lib...] [NO_MAIN])
# One executable, one CTest test. In the windows build the test runs through Wine
# with the working directory set to the build folder's bin/ where the DLLs are.
function(lumora_add_test name)
  cmake_parse_arguments(T "NO_MAIN" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${LUMORA_GTEST_LIBS})
  if(NOT T_NO_MAIN)
    target_link_libraries(${name} PRIVATE ${LUMORA_GTEST_MAIN})
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  if(LUMORA_WIN32)
    add_test(NAME ${name} COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh $<TARGET_FILE:${name}>
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  else()
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  endif()
endfunction()

# lumora_add_fuzzer(NAME src... [LIBS lib...])
# A libFuzzer target (LLVMFuzzerTestOneInput), in tests/<subsystem>/fuzz/CMakeLists.txt,
# made only in the fuzz build: the host sources compiled with clang, -DLUMORA_FUZZ=ON
# (scripts/test uses build/fuzz), which makes nothing but the fuzzers. Its CTest
# test runs it briefly with a fixed seed, so every test run keeps it alive; a long run is
# `build/fuzz/<dir>/NAME -runs=10000000` by hand.
function(lumora_add_fuzzer name)
  if(NOT LUMORA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "" "LIBS" ${ARGN})
  add_executable(${name} ${F_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} -seed=1 -max_total_time=5 WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
