# Drives `qeldraw --export` as a user of the command line would.
# Variables: QELDRAW (the program), DATA (tests/data), WORK (a scratch folder).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect_export input output)
  execute_process(COMMAND ${QELDRAW} --export ${input} ${output} ${ARGN}
                  RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "export to ${output} failed (${rc}): ${err}")
  endif()
endfunction()

function(expect_failure input output what)
  execute_process(COMMAND ${QELDRAW} --export ${input} ${output} ${ARGN}
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(rc EQUAL 0)
    message(FATAL_ERROR "${what}: the export claimed success")
  endif()
  string(STRIP "${err}" err)
  string(FIND "${err}" "\n" newline)
  if(NOT newline EQUAL -1 OR NOT err MATCHES "^qeldraw : ")
    message(FATAL_ERROR "${what}: expected one French line on stderr, got: ${err}")
  endif()
endfunction()

# Native to native: header from the page, no selection marks, locks, groups and high bytes kept,
# CR LF endings, invalid lines dropped.
expect_export(${DATA}/cli/input.drf ${WORK}/out.drf)
file(READ ${WORK}/out.drf got HEX)
file(READ ${DATA}/cli/expected.drf want HEX)
if(NOT got STREQUAL want)
  message(FATAL_ERROR "out.drf differs from expected.drf:\n${got}\n${want}")
endif()

# Every picture format gives a file that starts as its format says.
foreach(pair "bmp;424d" "jpg;ffd8ff" "gif;474946" "png;89504e47" "wmf;d7cdc69a" "emf;01000000"
        "pdf;25504446" "svg;3c3f786d")
  list(GET pair 0 ext)
  list(GET pair 1 magic)
  expect_export(${DATA}/cli/input.drf ${WORK}/out.${ext})
  file(READ ${WORK}/out.${ext} head LIMIT 4 HEX)
  string(FIND "${head}" "${magic}" at)
  if(NOT at EQUAL 0)
    message(FATAL_ERROR "out.${ext} does not start with ${magic}: ${head}")
  endif()
endforeach()

# Failures: an unreadable input leaves an existing output untouched; an unwritable output fails.
file(WRITE ${WORK}/keep.drf "keep me")
expect_failure(${WORK}/absent.drf ${WORK}/keep.drf "missing input")
file(READ ${WORK}/keep.drf kept)
if(NOT kept STREQUAL "keep me")
  message(FATAL_ERROR "the existing output was changed by a failed export")
endif()
# A scale: twice the pixels each way; refused out of 1..8, on a drawing, or not a number.
expect_export(${DATA}/cli/input.drf ${WORK}/twice.png --scale 2)
file(READ ${WORK}/twice.png size OFFSET 16 LIMIT 8 HEX)
if(NOT size STREQUAL "00000190000000c8")
  message(FATAL_ERROR "twice.png is not 400 x 200: ${size}")
endif()
foreach(refused "keep.png;9" "keep.drf;2" "keep.png;deux")
  list(GET refused 0 name)
  list(GET refused 1 scale)
  file(WRITE ${WORK}/${name} "keep me")
  expect_failure(${DATA}/cli/input.drf ${WORK}/${name} "scale ${scale}" --scale ${scale})
  file(READ ${WORK}/${name} kept)
  if(NOT kept STREQUAL "keep me")
    message(FATAL_ERROR "a refused scale changed ${name}")
  endif()
endforeach()
expect_failure(${DATA}/cli/input.drf ${WORK}/no/such/folder/out.drf "missing folder")
expect_failure(${DATA}/cli/input.drf ${WORK}/no/such/folder/out.bmp "missing folder (picture)")
expect_failure(${DATA}/cli/input.drf ${WORK}/no/such/folder/out.pdf "missing folder (PDF)")

# Every sample drawing exports to every format.
file(GLOB samples ${DATA}/../../samples/*.drf)
foreach(sample ${samples})
  get_filename_component(stem ${sample} NAME_WE)
  foreach(ext drf bmp jpg gif png wmf emf pdf svg)
    expect_export(${sample} ${WORK}/${stem}.${ext})
  endforeach()
endforeach()
