# Copies every delivered data file from SRC to DST unless DST already has it,
# and makes sure the record folder exists.
file(GLOB_RECURSE data_files RELATIVE ${SRC} ${SRC}/*)
foreach(f ${data_files})
  if(f MATCHES "(^|/)\\.keep$")
    continue()
  endif()
  if(NOT EXISTS ${DST}/${f})
    get_filename_component(dir ${DST}/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SRC}/${f} ${DST}/${f})
  endif()
endforeach()
file(MAKE_DIRECTORY ${DST}/sauvegardes)
