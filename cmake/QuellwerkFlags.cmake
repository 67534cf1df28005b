# Compile and link settings shared by every target of our own.

# Our own code: strict warnings, Windows-1252 text in string literals.
function(qw_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -fexec-charset=CP1252)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

if(QW_WINDOWS)
  # ANSI functions only; the program runs on Windows 95/98/ME.
  add_compile_definitions(WINVER=0x0400 _WIN32_WINDOWS=0x0410 _WIN32_IE=0x0400 WIN32_LEAN_AND_MEAN)
  # No runtime DLLs beside the program, and PE headers that Windows 4.0 loads.
  add_link_options(-static -static-libgcc -static-libstdc++
    -Wl,--major-os-version=4,--minor-os-version=0
    -Wl,--major-subsystem-version=4,--minor-subsystem-version=0)
endif()
if(QW_BUILD STREQUAL "win32" OR QW_BUILD STREQUAL "i686")
  add_compile_options(-march=i686)
endif()
