# Lays out the game data folder: city files and music flat in its root (the game looks for them
# there), pictures and help pages in their own folders.
file(MAKE_DIRECTORY ${DST})
file(GLOB cities ${SRC}/cities/*.pmp)
file(GLOB music ${SRC}/music/*.mid)
foreach(f ${cities} ${music})
  file(COPY ${f} DESTINATION ${DST})
endforeach()
foreach(sub pictures help)
  if(EXISTS ${SRC}/${sub})
    file(COPY ${SRC}/${sub} DESTINATION ${DST})
  endif()
endforeach()
