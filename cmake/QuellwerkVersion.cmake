# The version of everything we ship, set here once, and the version
# resource that every exe, dll and ocx of ours carries.
set(QW_VERSION 1.0.0.18)

# qw_add_version_resource(target "Beschreibung"): a VERSIONINFO with the
# translation 0x0407/0x04E4 and a German string table. The description is
# UTF-8 here; the script says so to windres, which stores it as Unicode.
function(qw_add_version_resource target description)
  if(NOT QW_WINDOWS)
    return()
  endif()
  string(REPLACE "." "," numbers ${QW_VERSION})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(file_type 0x1)
  else()
    set(file_type 0x2)
  endif()
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  file(GENERATE OUTPUT ${script} CONTENT "#pragma code_page(65001)
LANGUAGE 0x07, 0x01
1 VERSIONINFO
FILEVERSION ${numbers}
PRODUCTVERSION ${numbers}
FILEFLAGSMASK 0x3F
FILEFLAGS 0x0
FILEOS 0x4
FILETYPE ${file_type}
FILESUBTYPE 0x0
BEGIN
  BLOCK \"StringFileInfo\"
  BEGIN
    BLOCK \"040704E4\"
    BEGIN
      VALUE \"CompanyName\", \"Halvorn\"
      VALUE \"FileDescription\", \"${description}\"
      VALUE \"FileVersion\", \"${QW_VERSION}\"
      VALUE \"InternalName\", \"$<TARGET_FILE_BASE_NAME:${target}>\"
      VALUE \"OriginalFilename\", \"$<TARGET_FILE_NAME:${target}>\"
      VALUE \"ProductName\", \"Quellwerk\"
      VALUE \"ProductVersion\", \"${QW_VERSION}\"
    END
  END
  BLOCK \"VarFileInfo\"
  BEGIN
    VALUE \"Translation\", 0x0407, 0x04E4
  END
END
")
  target_sources(${target} PRIVATE ${script})
endfunction()
