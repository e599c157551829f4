# The export lists of PortLink and MbKit, made from the link's one list of
# entry-point names (src/link/LinkEntryPoints.h).
set(GW_ENTRY_POINT_LIST ${PROJECT_SOURCE_DIR}/src/link/LinkEntryPoints.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${GW_ENTRY_POINT_LIST})

# The names listed under `macro`, in order: the X(name) items of its
# definition, which goes on while its lines end in a backslash.
function(gw_entry_points macro out)
  file(READ ${GW_ENTRY_POINT_LIST} text)
  string(REGEX MATCH "#define ${macro}\\(X\\)([^\n\\\\]|\\\\\n)*" body "${text}")
  string(REGEX REPLACE "^#define ${macro}\\(X\\)" "" body "${body}")
  string(REGEX MATCHALL "X\\([A-Za-z0-9_]+\\)" items "${body}")
  set(names "")
  foreach(item IN LISTS items)
    string(REGEX REPLACE "^X\\(([A-Za-z0-9_]+)\\)$" "\\1" name "${item}")
    list(APPEND names ${name})
  endforeach()
  if(NOT names)
    message(FATAL_ERROR "${GW_ENTRY_POINT_LIST} lists no ${macro}")
  endif()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# Writes a version script that exports exactly the names of `macros`.
function(gw_export_map file)
  set(all "")
  foreach(macro ${ARGN})
    gw_entry_points(${macro} names)
    list(APPEND all ${names})
  endforeach()
  list(JOIN all "; " joined)
  file(CONFIGURE OUTPUT ${file} CONTENT
    "{\n  global:\n    ${joined};\n  local:\n    *;\n};\n")
endfunction()
