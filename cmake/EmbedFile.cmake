# Turns binary files into C++ sources holding their bytes, so that the
# executable carries its pictures and sounds and reads no files at run time.
# For assets/foo_bar.jpg the generated source defines
#   extern const unsigned char foo_bar_jpg[]; extern const unsigned foo_bar_jpg_size;
function(embed_files OUT_VAR)
  set(generated)
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
  endforeach()
  set(${OUT_VAR} ${generated} PARENT_SCOPE)
endfunction()
