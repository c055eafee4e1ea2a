# The two hardening builds, each in a folder of its own (see the Makefile):
#
# KURVIX_SANITIZE: the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report ends the test that made it.
# KURVIX_FUZZ: the libFuzzer targets of fuzz/ (clang only), with the same two
# sanitizers and the coverage instrumentation libFuzzer steers by.

option(KURVIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KURVIX_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(KURVIX_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

if(KURVIX_SANITIZE)
  add_compile_options(${KURVIX_SANITIZER_FLAGS})
  add_link_options(${KURVIX_SANITIZER_FLAGS})
  # Leaks are looked for at the end of every test program; what Qt and
  # fontconfig keep for the whole process is listed, line by line, in the
  # suppression file.
  set(KURVIX_SANITIZER_ENV
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

if(KURVIX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with CMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link ${KURVIX_SANITIZER_FLAGS})
  add_link_options(${KURVIX_SANITIZER_FLAGS})
endif()
