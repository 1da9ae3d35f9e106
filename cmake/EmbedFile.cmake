# SPDX-License-Identifier: GPL-3.0-or-later
# Turns binary files into C++ sources holding their bytes, so that the
# executable carries its pictures and sounds and reads no files at run time.
# For assets/foo_bar.jpg the generated source defines
#   extern const unsigned char foo_bar_jpg[]; extern const unsigned foo_bar_jpg_size;
# and the generated header embedded_assets.h (in EMBEDDED_INCLUDE_DIR)
# declares every one of them.
function(embed_files OUT_VAR)
  set(generated)
  set(declarations "#pragma once\n// Generated: the files built into the program.\n")
  foreach(file IN LISTS ARGN)
    get_filename_component(name ${file} NAME)
    string(MAKE_C_IDENTIFIER ${name} symbol)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${CMAKE_CURRENT_SOURCE_DIR}/${file}
              -DOUTPUT=${out} -DSYMBOL=${symbol}
              -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedFileScript.cmake
      DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file}
              ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedFileScript.cmake
      VERBATIM)
    list(APPEND generated ${out})
    string(APPEND declarations
      "extern const unsigned char ${symbol}[];\nextern const unsigned ${symbol}_size;\n")
  endforeach()
  set(include_dir ${CMAKE_CURRENT_BINARY_DIR}/embedded/include)
  file(GENERATE OUTPUT ${include_dir}/embedded_assets.h CONTENT "${declarations}")
  set(${OUT_VAR} ${generated} PARENT_SCOPE)
  set(EMBEDDED_INCLUDE_DIR ${include_dir} PARENT_SCOPE)
endfunction()
