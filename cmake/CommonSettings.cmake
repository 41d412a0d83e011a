# One INTERFACE target carries the compile settings every target of ours uses.
add_library(qb_common INTERFACE)
target_compile_features(qb_common INTERFACE cxx_std_20)
target_compile_options(qb_common INTERFACE
  -Wall -Wextra -Wpedantic -Werror
  -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual)
target_compile_definitions(qb_common INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_FOREACH
  QT_DISABLE_DEPRECATED_BEFORE=0x060400)

if(WITH_SANITIZERS)
  target_compile_options(qb_common INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(qb_common INTERFACE -fsanitize=address,undefined)
endif()

# Everything the fuzz targets reach is instrumented for libFuzzer's coverage.
if(WITH_FUZZERS)
  target_compile_options(qb_common INTERFACE -fsanitize=fuzzer-no-link)
  target_link_options(qb_common INTERFACE -fsanitize=fuzzer-no-link)
endif()

# The tree's own include root, so headers are named by folder: "platform/forms/msgbox.h".
target_include_directories(qb_common INTERFACE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
