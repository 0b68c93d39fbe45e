# The game as a web page: index.html made from the game's own page around
# index.js, index.wasm and index.data, the res/ tree the game reads packed into
# one file that the page fetches before the game starts. The game opens
# "./res/..." in the packed tree as on the desktop.
set_target_properties(vorlund PROPERTIES OUTPUT_NAME index SUFFIX .html)
set(VORLUND_PAGE_FILES ${CMAKE_CURRENT_LIST_DIR}/shell.html ${CMAKE_CURRENT_LIST_DIR}/glut-extras.js
                       ${CMAKE_CURRENT_LIST_DIR}/sound-functions.txt)
set_property(TARGET vorlund APPEND PROPERTY LINK_DEPENDS ${VORLUND_PAGE_FILES})
target_link_options(vorlund PRIVATE
  "SHELL:--shell-file ${CMAKE_CURRENT_LIST_DIR}/shell.html"
  "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/res/images@res/images"
  "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/res/audio@res/audio"
  "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/res/fonts/Cookies.ttf@res/fonts/Cookies.ttf"
  -sENVIRONMENT=web
  # Debian's Emscripten crashes calling its HTML minifier; the page is small as written.
  -sMINIFY_HTML=0
  -sALLOW_MEMORY_GROWTH=1
  # SDL's browser audio calls two of Emscripten's functions from its own
  # JavaScript, unseen by the linker: one resumes the sound at the player's
  # first gesture, the other calls back into the mixer. Named in a file, as
  # their names start with a dollar sign.
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_CURRENT_LIST_DIR}/sound-functions.txt
)
