# Included from the top CMakeLists.txt when ZZ_FUZZ is on, before any area is
# added: every library is then built with coverage feedback for libFuzzer and
# with AddressSanitizer and UndefinedBehaviorSanitizer, so a fault deep in the
# core stops the fuzzer at the faulty line.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "ZZ_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++ "
                      "(fuzz/run.sh does this)")
endif()

add_compile_options(
  -fsanitize=fuzzer-no-link,address,undefined
  -fno-sanitize-recover=undefined
  -fno-omit-frame-pointer
  -g)
add_link_options(-fsanitize=address,undefined)
