# The Windows resource of the program: its icon, made from the window's SVG picture, and its
# version information, both shown by Explorer.
function(zwervel_windows_resource target svg)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  find_program(ICOTOOL icotool REQUIRED)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/icon)
  set(pngs)
  foreach(size 16 24 32 48 64 256)
    list(APPEND pngs ${folder}/${size}.png)
  endforeach()
  set(ico ${folder}/zwervel.ico)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${RSVG_CONVERT} -w 16 -h 16 -o ${folder}/16.png ${svg}
    COMMAND ${RSVG_CONVERT} -w 24 -h 24 -o ${folder}/24.png ${svg}
    COMMAND ${RSVG_CONVERT} -w 32 -h 32 -o ${folder}/32.png ${svg}
    COMMAND ${RSVG_CONVERT} -w 48 -h 48 -o ${folder}/48.png ${svg}
    COMMAND ${RSVG_CONVERT} -w 64 -h 64 -o ${folder}/64.png ${svg}
    COMMAND ${RSVG_CONVERT} -w 256 -h 256 -o ${folder}/256.png ${svg}
    # The largest stays PNG inside the icon, as Windows expects of 256 pixels.
    COMMAND ${ICOTOOL} -c -o ${ico} ${folder}/16.png ${folder}/24.png ${folder}/32.png
            ${folder}/48.png ${folder}/64.png --raw=${folder}/256.png
    DEPENDS ${svg} VERBATIM)
  set(ZWERVEL_ICON ${ico})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/zwervel.rc.in ${CMAKE_CURRENT_BINARY_DIR}/zwervel.rc
    @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/zwervel.rc ${ico})
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/zwervel.rc PROPERTIES
    OBJECT_DEPENDS ${ico})
endfunction()
