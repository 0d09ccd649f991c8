# The resource script is the one list of embedded files for both builds. Its `<id> FILES "files/<name>"`
# lines become, at build time, the file store's EmbeddedFileTable (both builds, with each file's real
# size) and, on the host, a table of resource id -> bytes that stands in for the program's resources.
#
# Included by the top CMakeLists.txt it defines the two generating commands; run with `cmake -P` it is
# the generator itself (MODE table or resources, RC the script, OUT the source to write).

function(tinselwick_read_embedded_files rc ids_var paths_var)
  file(STRINGS ${rc} lines REGEX "^[ \t]*[0-9]+[ \t]+FILES[ \t]+\"[^\"]+\"")
  get_filename_component(rc_dir ${rc} DIRECTORY)
  set(ids)
  set(paths)
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^[ \t]*([0-9]+)[ \t]+FILES[ \t]+\"([^\"]+)\"" _ "${line}")
    list(APPEND ids ${CMAKE_MATCH_1})
    list(APPEND paths ${rc_dir}/${CMAKE_MATCH_2})
  endforeach()
  set(${ids_var} ${ids} PARENT_SCOPE)
  set(${paths_var} ${paths} PARENT_SCOPE)
endfunction()

function(tinselwick_generate_table rc out)
  tinselwick_read_embedded_files(${rc} ids paths)
  set(rows)
  foreach(id path IN ZIP_LISTS ids paths)
    get_filename_component(name ${path} NAME)
    set(size 0)
    if(EXISTS ${path})
      file(SIZE ${path} size)
    else()
      message(WARNING "Embedded file ${path} is missing: its row says 0 bytes")
    endif()
    # The name leads so that sorting the rows sorts them by name.
    list(APPEND rows "${name}|${id}|${size}")
  endforeach()
  list(SORT rows)
  list(LENGTH rows count)
  if(NOT count EQUAL 20)
    message(FATAL_ERROR "${rc} names ${count} embedded files; the table holds 20")
  endif()
  set(text "// Generated from ${rc} by cmake/EmbeddedFiles.cmake; do not edit.\n")
  string(APPEND text "#include \"filestore/embedded_file_table.h\"\n\n")
  string(APPEND text "const EmbeddedFileEntry EmbeddedFileTable[kEmbeddedFileRows] = {\n    {0, 0, \"\"},\n")
  foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 name)
    list(GET fields 1 id)
    list(GET fields 2 size)
    string(APPEND text "    {${id}, ${size}, \"Files\\\\${name}\"},\n")
  endforeach()
  string(APPEND text "};\n")
  file(WRITE ${out} "${text}")
endfunction()

function(tinselwick_generate_resources rc out)
  tinselwick_read_embedded_files(${rc} ids paths)
  set(text "// Generated from ${rc} by cmake/EmbeddedFiles.cmake; do not edit.\n")
  string(APPEND text "#include \"platform/host_file_resource.h\"\n\nnamespace {\n\n")
  set(rows)
  foreach(id path IN ZIP_LISTS ids paths)
    if(NOT EXISTS ${path})
      message(WARNING "Embedded file ${path} is missing: resource ${id} is left out")
      continue()
    endif()
    file(READ ${path} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    if(bytes STREQUAL "")
      set(bytes "0")
    endif()
    string(APPEND text "const uint8_t kResource${id}[] = {${bytes}};\n")
    string(APPEND rows "    {${id}, kResource${id}},\n")
  endforeach()
  if(rows STREQUAL "")
    set(rows "    {0, nullptr},\n")
  endif()
  string(APPEND text "\n}  // namespace\n\nconst HostFileResource kHostFileResources[] = {\n${rows}};\n")
  string(APPEND text "const int kHostFileResourceCount = sizeof kHostFileResources / sizeof kHostFileResources[0];\n")
  file(WRITE ${out} "${text}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  if(MODE STREQUAL "table")
    tinselwick_generate_table(${RC} ${OUT})
  elseif(MODE STREQUAL "resources")
    tinselwick_generate_resources(${RC} ${OUT})
  else()
    message(FATAL_ERROR "MODE must be table or resources")
  endif()
  return()
endif()

set(TINSELWICK_RESOURCE_SCRIPT ${PROJECT_SOURCE_DIR}/resources/tinselwick.rc)
set(TINSELWICK_EMBEDDED_FILES_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

# A picture that appears or goes away changes the folder; that, or an edited script, reconfigures so
# that the commands below depend on exactly the files that exist.
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${TINSELWICK_RESOURCE_SCRIPT} ${PROJECT_SOURCE_DIR}/resources/files)
tinselwick_read_embedded_files(${TINSELWICK_RESOURCE_SCRIPT} _tinselwick_ids TINSELWICK_EMBEDDED_FILES)
set(TINSELWICK_EMBEDDED_FILES_PRESENT)
foreach(_path IN LISTS TINSELWICK_EMBEDDED_FILES)
  if(EXISTS ${_path})
    list(APPEND TINSELWICK_EMBEDDED_FILES_PRESENT ${_path})
  endif()
endforeach()

# Adds the command that writes the source of `mode` (table or resources) to `out`; the caller's target
# lists `out` among its sources.
function(tinselwick_embedded_files_source mode out)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DMODE=${mode} -DRC=${TINSELWICK_RESOURCE_SCRIPT} -DOUT=${out}
            -P ${TINSELWICK_EMBEDDED_FILES_SCRIPT}
    DEPENDS ${TINSELWICK_RESOURCE_SCRIPT} ${TINSELWICK_EMBEDDED_FILES_SCRIPT}
            ${TINSELWICK_EMBEDDED_FILES_PRESENT}
    COMMENT "Generating ${out} from the resource script"
    VERBATIM)
endfunction()
