# SPDX-License-Identifier: GPL-3.0-or-later
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

# Debian's hardening, in every build: a stack protector, bounds-checked libc calls, a read-only
# relocation table resolved at start, and position-independent programs. The checked libc calls
# need optimisation, and they would hide the calls from the sanitizers' own checks. Targets with
# KOVARIS_UNFORTIFIED set (the tests, which are not shipped) go without them: GCC 12 warns
# wrongly of overflows in their inlined wide-string literals.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
target_compile_options(kovaris_options INTERFACE -fstack-protector-strong)
if(NOT KOVARIS_SANITIZE AND NOT KOVARIS_FUZZ)
  set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
  set(unfortified $<BOOL:$<TARGET_PROPERTY:KOVARIS_UNFORTIFIED>>)
  target_compile_options(kovaris_options INTERFACE
    "$<$<AND:${optimised},$<NOT:${unfortified}>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()
target_link_options(kovaris_options INTERFACE LINKER:-z,relro,-z,now)

# The build's own folders stay out of the programs (debug information, and so the build id), so
# two builds of one commit in two folders give the same bytes. They are recorded relative to the
# build folder, where a debugger started there still finds the sources, and as ccache passes
# them when it runs the compiler, so a build through ccache gives the same bytes too.
file(RELATIVE_PATH source_from_build ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR})
string(REGEX REPLACE "/$" "" source_from_build "${source_from_build}")
if(source_from_build STREQUAL "")
  set(source_from_build .)
endif()
target_compile_options(kovaris_options INTERFACE
  -ffile-prefix-map=${PROJECT_SOURCE_DIR}=${source_from_build}
  -ffile-prefix-map=${PROJECT_BINARY_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)

if(KOVARIS_SANITIZE)
  # GCC's flow analysis misreads the instrumented std::regex and std::function as possibly
  # uninitialised; the ordinary build keeps that warning an error.
  target_compile_options(kovaris_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
    $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
  target_link_options(kovaris_options INTERFACE -fsanitize=address,undefined)
endif()
