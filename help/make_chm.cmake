# Builds help.chm: every source of the project is copied into STAGE, the text
# files turned from UTF-8 into the Windows-1251 that HTML Help reads (the
# program's version filled in), then chmcmd compiles the project. A page's
# source is its body from its <h1>: the head, whose title is that heading,
# and the document's frame are put around it here, the same for every page. A character that Windows-1251 lacks, or a link to a
# file missing from the project, fails the build.
#   cmake -DSOURCE_DIR=help -DSTAGE=dir -DOUTPUT=help.chm -DVERSION=1.3.9
#         -DCHMCMD=chmcmd -DICONV=iconv -DFILES="a;b;..." [-DPYTHON=python3 -DSOURCE_DATE=seconds]
#         -P make_chm.cmake
foreach(var SOURCE_DIR STAGE OUTPUT VERSION CHMCMD ICONV FILES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_chm.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
foreach(name IN LISTS FILES)
  set(source "${SOURCE_DIR}/${name}")
  if(name MATCHES "\\.(png|gif|jpg)$")
    file(COPY "${source}" DESTINATION "${STAGE}")
    continue()
  endif()
  file(READ "${source}" text)
  if(name MATCHES "\\.html$")
    if(NOT text MATCHES "^<h1>([^<]*)</h1>")
      message(FATAL_ERROR "help/${name} does not begin with its <h1> heading")
    endif()
    set(text "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">
<html lang=\"ru\">
<head>
<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">
<title>${CMAKE_MATCH_1}</title>
<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">
</head>
<body>
${text}</body>
</html>
")
  endif()
  string(REPLACE "charset=utf-8" "charset=windows-1251" text "${text}")
  string(REPLACE "@KALVORIX_VERSION@" "${VERSION}" text "${text}")
  file(WRITE "${STAGE}/${name}.utf8" "${text}")
  execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP1251 "${STAGE}/${name}.utf8"
    OUTPUT_FILE "${STAGE}/${name}" ERROR_VARIABLE error RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "help/${name} has a character that Windows-1251 cannot hold "
      "(write it as an HTML entity, e.g. &minus; &times;): ${error}")
  endif()
  file(REMOVE "${STAGE}/${name}.utf8")
endforeach()

# chmcmd's two time stamps become the source's date, so that every build of
# one commit gives the same file.
execute_process(COMMAND "${CHMCMD}" --html-scan kalvorix.hhp
  WORKING_DIRECTORY "${STAGE}" OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE status)
# chmcmd reports a missing file as a warning and still succeeds.
if(NOT status EQUAL 0 OR log MATCHES "(Warning|Error)" OR NOT EXISTS "${STAGE}/help.chm")
  message(FATAL_ERROR "chmcmd failed on help/kalvorix.hhp:\n${log}")
endif()
if(PYTHON)
  execute_process(COMMAND "${PYTHON}" "${SOURCE_DIR}/fix_chm_time.py" "${STAGE}/help.chm" "${SOURCE_DATE}"
    RESULT_VARIABLE status ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "fix_chm_time.py failed on help.chm: ${error}")
  endif()
endif()
file(RENAME "${STAGE}/help.chm" "${OUTPUT}")
