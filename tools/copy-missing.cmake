# Copies every file of SRC into DEST unless DEST already has it.
file(GLOB files RELATIVE ${SRC} ${SRC}/*)
foreach(f ${files})
  if(NOT EXISTS ${DEST}/${f})
    file(COPY ${SRC}/${f} DESTINATION ${DEST})
  endif()
endforeach()
