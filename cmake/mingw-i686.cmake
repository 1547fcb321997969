# Cross-compiling toolchain: 32-bit Windows programs, the product.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# The shipped programs use no threads, so they are built with the win32-thread MinGW-w64
# compiler: the posix-thread one links its threads runtime statically into every program,
# and that runtime imports GetTickCount64, which Windows XP does not have.
set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER  i686-w64-mingw32-windres)
# GoogleTest needs std::mutex and some tests std::thread: the test programs of this build are
# compiled and linked with the posix-thread compiler instead (cmake/testing.cmake).
set(LUMORA_TEST_COMPILER_LAUNCHER ${CMAKE_CURRENT_LIST_DIR}/posix-thread-compiler.sh)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Static runtime: the programs need nothing beside them but W32N50.dll. Windows XP (5.1) is
# the oldest system the programs are for; the headers declare as much (_WIN32_WINNT).
set(lumora_xp "-Wl,--major-subsystem-version,5,--minor-subsystem-version,1,--major-os-version,5,--minor-os-version,1")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ ${lumora_xp}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ ${lumora_xp}")
