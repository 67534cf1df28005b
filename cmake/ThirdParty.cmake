# The picture libraries as imported targets, the same names in every build:
#   qw::zlib  qw::png (brings qw::zlib along)  qw::jpeg
#
# native: Debian's packages (zlib1g-dev, libpng-dev, libjpeg62-turbo-dev).
# win64/win32: static libjpeg-turbo and libpng that tools/setup.sh cross-builds
# into QW_THIRDPARTY_DIR, over Debian's MinGW zlib (libz-mingw-w64-dev).
# i686 links those of win32: both i686 compilers are the same GCC over the
# same MinGW runtime and differ only in the threads of libstdc++, which
# these C libraries neither use nor bring.

if(QW_BUILD STREQUAL "native")
  find_package(ZLIB REQUIRED)
  find_package(PNG REQUIRED)
  find_package(JPEG REQUIRED)

  add_library(qw::zlib INTERFACE IMPORTED)
  target_link_libraries(qw::zlib INTERFACE ZLIB::ZLIB)
  add_library(qw::png INTERFACE IMPORTED)
  target_link_libraries(qw::png INTERFACE PNG::PNG)
  add_library(qw::jpeg INTERFACE IMPORTED)
  target_link_libraries(qw::jpeg INTERFACE JPEG::JPEG)
  return()
endif()

if(DEFINED ENV{QW_CACHE} AND NOT "$ENV{QW_CACHE}" STREQUAL "")
  set(_qw_cache "$ENV{QW_CACHE}")
else()
  set(_qw_cache "$ENV{HOME}/.cache/quellwerk")
endif()
set(_qw_thirdparty_target ${QW_BUILD})
if(QW_BUILD STREQUAL "i686")
  set(_qw_thirdparty_target win32)
endif()
set(QW_THIRDPARTY_DIR "${_qw_cache}/thirdparty/${_qw_thirdparty_target}" CACHE PATH
  "libjpeg-turbo and libpng built for this target by tools/setup.sh")
unset(_qw_cache)
unset(_qw_thirdparty_target)

foreach(_qw_file include/jpeglib.h include/png.h lib/libjpeg.a lib/libpng16.a)
  if(NOT EXISTS "${QW_THIRDPARTY_DIR}/${_qw_file}")
    message(FATAL_ERROR "${QW_THIRDPARTY_DIR}/${_qw_file} is missing: run tools/setup.sh, "
      "which builds libjpeg-turbo and libpng for ${QW_BUILD}, or point QW_THIRDPARTY_DIR at them.")
  endif()
endforeach()

# Debian's MinGW zlib, the static one (the toolchain's find root is /usr/<triplet>).
# Its zlib.h lies in the compiler's own include folder, so no include path:
# naming that folder again would put it before GCC's C++ headers.
find_library(QW_MINGW_ZLIB NAMES libz.a REQUIRED)

add_library(qw::zlib STATIC IMPORTED)
set_target_properties(qw::zlib PROPERTIES IMPORTED_LOCATION "${QW_MINGW_ZLIB}")

add_library(qw::png STATIC IMPORTED)
set_target_properties(qw::png PROPERTIES
  IMPORTED_LOCATION "${QW_THIRDPARTY_DIR}/lib/libpng16.a"
  INTERFACE_INCLUDE_DIRECTORIES "${QW_THIRDPARTY_DIR}/include"
  INTERFACE_LINK_LIBRARIES qw::zlib)

add_library(qw::jpeg STATIC IMPORTED)
set_target_properties(qw::jpeg PROPERTIES
  IMPORTED_LOCATION "${QW_THIRDPARTY_DIR}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${QW_THIRDPARTY_DIR}/include")
