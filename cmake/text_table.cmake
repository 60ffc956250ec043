# The texts a user reads stand readable in one UTF-8 table per program (NAME, a TAB, the text);
# the build turns each table into a header of code page 932 byte literals with iconv, so that
# every compiler, clang of the fuzz tree too, sees the programs' real bytes.
find_program(ICONV_PROGRAM iconv REQUIRED)
set(TEXT_TABLE_OUTPUT ${CMAKE_BINARY_DIR}/generated)
include_directories(${TEXT_TABLE_OUTPUT})

# add_text_table(TARGET path/of/texts.txt): TARGET gets "path/of/texts.h" before it compiles.
function(add_text_table target table)
  get_filename_component(folder ${table} DIRECTORY)
  set(source ${CMAKE_SOURCE_DIR}/${table})
  set(bytes ${TEXT_TABLE_OUTPUT}/${folder}/texts.cp932)
  set(header ${TEXT_TABLE_OUTPUT}/${folder}/texts.h)
  add_custom_command(
    OUTPUT ${header}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TEXT_TABLE_OUTPUT}/${folder}
    COMMAND ${ICONV_PROGRAM} -f UTF-8 -t CP932 ${source} > ${bytes}
    COMMAND ${CMAKE_COMMAND} -DBYTES=${bytes} -DHEADER=${header} -DTABLE=${table}
            -P ${CMAKE_SOURCE_DIR}/cmake/text_table_header.cmake
    DEPENDS ${source} ${CMAKE_SOURCE_DIR}/cmake/text_table_header.cmake
    VERBATIM)
  add_custom_target(${target}_texts DEPENDS ${header})
  add_dependencies(${target} ${target}_texts)
endfunction()
