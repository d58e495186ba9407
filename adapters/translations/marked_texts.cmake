# Copies sources for lupdate with every MARK("...") turned into
# QT_TRANSLATE_NOOP("CONTEXT", "..."), so that each text lands in the context
# the program translates it in, whether it sits in a class, a free function
# or a constant table. The sources themselves stay as they are (the core never
# sees Qt).
#   cmake -DSOURCE_ROOT=... -DOUTPUT_ROOT=... -DMARK=HMPROG_TEXT -DCONTEXT=hmprog
#         -DFILES=a.cpp;b.h -P core_texts.cmake
foreach(file IN LISTS FILES)
  file(READ "${SOURCE_ROOT}/${file}" content)
  string(REPLACE "#define ${MARK}(" "#define ${MARK}_MARK(" content "${content}")
  string(REGEX REPLACE "([^A-Za-z0-9_])${MARK}\\(" "\\1QT_TRANSLATE_NOOP(\"${CONTEXT}\", " content "${content}")
  set(copy "${OUTPUT_ROOT}/${file}")
  # Unchanged copies keep their time, so that lupdate's inputs do not churn.
  if(EXISTS "${copy}")
    file(READ "${copy}" previous)
    if(previous STREQUAL content)
      continue()
    endif()
  endif()
  file(WRITE "${copy}" "${content}")
endforeach()
