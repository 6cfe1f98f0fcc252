# Copies the pictures NAMES (a list) from BITMAPS into DST as NAME.png:
# BITMAPS/LANGUAGE/NAME.png where the picture has words drawn in LANGUAGE,
# else BITMAPS/NAME.png.
file(MAKE_DIRECTORY ${DST})
foreach(name IN LISTS NAMES)
  set(from ${BITMAPS}/${LANGUAGE}/${name}.png)
  if(NOT EXISTS ${from})
    set(from ${BITMAPS}/${name}.png)
  endif()
  file(COPY_FILE ${from} ${DST}/${name}.png ONLY_IF_DIFFERENT)
endforeach()
