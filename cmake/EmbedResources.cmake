# Images carried inside a library.
#
#   kv_embed_resources(TARGET_NAME OUTPUT_CPP FUNCTION_NAME ID=FILE...)
#
# At build time, writes OUTPUT_CPP, which defines
#
#   const gui::ResourceTable& FUNCTION_NAME();
#
# (gui/resources.h) with one entry per ID=FILE: the resource number ID, the
# file's name without its folder, and the file's bytes. Entries are sorted by
# resource number. Relative FILEs are taken from the current source folder.
# OUTPUT_CPP is added to TARGET_NAME's sources and rewritten whenever one of
# the files changes.
#
# The same file is the generator: the build runs it with `cmake -P`.

if(CMAKE_SCRIPT_MODE_FILE)
  # Generator. KV_EMBED_LIST: file of "ID=FILE" lines; KV_EMBED_FUNCTION;
  # KV_EMBED_OUTPUT.
  set(bytes_per_line 16)

  file(STRINGS "${KV_EMBED_LIST}" pairs)
  list(SORT pairs COMPARE NATURAL)

  set(arrays "")
  set(entries "")
  set(index 0)
  foreach(pair IN LISTS pairs)
    string(REGEX MATCH "^([0-9]+)=(.+)$" matched "${pair}")
    set(id "${CMAKE_MATCH_1}")
    set(path "${CMAKE_MATCH_2}")
    get_filename_component(name "${path}" NAME)
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" hex_length)
    math(EXPR size "${hex_length} / 2")
    if(size EQUAL 0)
      set(body "0x00,")  # an array needs an element; the entry's size stays 0
    else()
      string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${hex}")
      string(REPEAT "0x[0-9a-f][0-9a-f]," ${bytes_per_line} one_line)
      string(REGEX REPLACE "(${one_line})" "\\1\n    " body "${body}")
      string(REGEX REPLACE "\n    $" "" body "${body}")
    endif()
    string(APPEND arrays
      "// ${name}, ${size} bytes\nconst unsigned char kImage${index}[] = {\n    ${body}\n};\n\n")
    string(APPEND entries "    {${id}, \"${name}\", kImage${index}, ${size}},\n")
    math(EXPR index "${index} + 1")
  endforeach()

  file(WRITE "${KV_EMBED_OUTPUT}"
    "// Written by cmake/EmbedResources.cmake from ${index} files; edits are lost.\n"
    "#include \"gui/resources.h\"\n\n"
    "const gui::ResourceTable& ${KV_EMBED_FUNCTION}();\n\n"
    "namespace {\n\n"
    "${arrays}"
    "const gui::EmbeddedResource kEntries[] = {\n${entries}};\n\n"
    "}  // namespace\n\n"
    "const gui::ResourceTable& ${KV_EMBED_FUNCTION}() {\n"
    "    static const gui::ResourceTable table{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};\n"
    "    return table;\n"
    "}\n")
  return()
endif()

include_guard(GLOBAL)
set(KV_EMBED_RESOURCES_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

# Checks one ID=FILE argument and gives back its resource number and the
# file's absolute path.
function(_kv_embed_parse_pair pair out_id out_path)
  if(NOT pair MATCHES "^([0-9]+)=(.+)$")
    message(FATAL_ERROR "kv_embed_resources: '${pair}' is not ID=FILE")
  endif()
  set(id "${CMAKE_MATCH_1}")
  get_filename_component(path "${CMAKE_MATCH_2}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  get_filename_component(name "${path}" NAME)
  if(NOT name MATCHES "^[A-Za-z0-9._-]+$")
    message(FATAL_ERROR "kv_embed_resources: file name '${name}' needs other characters")
  endif()
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "kv_embed_resources: ${path} does not exist")
  endif()
  set(${out_id} "${id}" PARENT_SCOPE)
  set(${out_path} "${path}" PARENT_SCOPE)
endfunction()

function(kv_embed_resources target output_cpp function_name)
  if(NOT function_name MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    message(FATAL_ERROR "kv_embed_resources: '${function_name}' is not a function name")
  endif()
  if(NOT ARGN)
    message(FATAL_ERROR "kv_embed_resources: no ID=FILE given for ${function_name}")
  endif()
  get_filename_component(output_cpp "${output_cpp}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")

  set(lines "")
  set(files "")
  set(ids "")
  foreach(pair IN LISTS ARGN)
    _kv_embed_parse_pair("${pair}" id path)
    if(id IN_LIST ids)
      message(FATAL_ERROR "kv_embed_resources: resource ${id} given twice for ${function_name}")
    endif()
    list(APPEND ids "${id}")
    list(APPEND files "${path}")
    string(APPEND lines "${id}=${path}\n")
  endforeach()

  # The list travels in a file written only when it changes, so that a new or
  # removed entry also rewrites the table.
  set(list_file "${output_cpp}.list")
  file(GENERATE OUTPUT "${list_file}" CONTENT "${lines}")

  list(LENGTH files count)
  add_custom_command(
    OUTPUT "${output_cpp}"
    COMMAND "${CMAKE_COMMAND}" "-DKV_EMBED_LIST=${list_file}"
            "-DKV_EMBED_FUNCTION=${function_name}" "-DKV_EMBED_OUTPUT=${output_cpp}"
            -P "${KV_EMBED_RESOURCES_SCRIPT}"
    DEPENDS ${files} "${list_file}" "${KV_EMBED_RESOURCES_SCRIPT}"
    COMMENT "Embedding ${count} images as ${function_name}()"
    VERBATIM)
  target_sources(${target} PRIVATE "${output_cpp}")
endfunction()
