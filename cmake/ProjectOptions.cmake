# One interface target carries the language standard, the warnings and the sanitizer flags,
# so every target of our own links it and nothing else repeats them.
add_library(kovaris_options INTERFACE)
target_compile_features(kovaris_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

target_compile_options(kovaris_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Wcast-align -Woverloaded-virtual -Werror)

target_compile_definitions(kovaris_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
  QT_NO_CAST_FROM_BYTEARRAY QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_KEYWORDS)

if(KOVARIS_SANITIZE)
  # GCC's flow analysis misreads the instrumented std::regex and std::function as possibly
  # uninitialised; the ordinary build keeps that warning an error.
  target_compile_options(kovaris_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
    $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
  target_link_options(kovaris_options INTERFACE -fsanitize=address,undefined)
endif()
