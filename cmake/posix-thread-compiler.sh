#!/bin/sh
# Launcher for the test programs of the 32-bit build: runs the command with the posix-thread
# variant of the MinGW compiler named first (GoogleTest and the tests need std::mutex and
# std::thread, which the win32-thread variant lacks). Other commands (ar) run unchanged.
#   posix-thread-compiler.sh [--cache=CCACHE] COMMAND ARGS...
cache=
case $1 in --cache=*) cache=${1#--cache=}; shift ;; esac
cmd=$1
shift
case $cmd in
  *-gcc-win32|*-g++-win32) cmd=${cmd%-win32}-posix ;;
  *) cache= ;;
esac
exec $cache "$cmd" "$@"
