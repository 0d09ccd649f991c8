# Runs tinselwick-decode on good, bad and missing inputs and checks exit codes, outputs and the error
# line. Run with -DDECODE=<tool> -DSOURCE_DIR=<source tree> -DWORK_DIR=<scratch folder>.

function(expect actual expected what)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}: expected [${expected}], got [${actual}]")
  endif()
endfunction()

function(run_decode)
  execute_process(COMMAND ${DECODE} ${ARGN}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(code "${code}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${WORK_DIR})
set(files ${SOURCE_DIR}/resources/files)

# A sprite becomes a PPM with red first: the same pixels ImageMagick reads, when it is there.
run_decode(${files}/rope.tga ${WORK_DIR}/rope.ppm)
expect("${code}" 0 "exit code for a good TGA")
expect("${err}" "" "standard error for a good TGA")
expect("${out}" "" "standard output without --log")
file(SIZE ${WORK_DIR}/rope.ppm size)
expect(${size} 203 "size of an 8 x 8 PPM")
file(READ ${WORK_DIR}/rope.ppm header LIMIT 11)
expect("${header}" "P6\n8 8\n255\n" "PPM header")
find_program(CONVERT convert)
if(CONVERT)
  execute_process(COMMAND ${CONVERT} ${files}/rope.tga -auto-orient rgb:${WORK_DIR}/rope.rgb RESULT_VARIABLE code)
  expect("${code}" 0 "ImageMagick reading rope.tga")
  file(READ ${WORK_DIR}/rope.ppm ours OFFSET 11 HEX)
  file(READ ${WORK_DIR}/rope.rgb theirs HEX)
  expect("${ours}" "${theirs}" "rope.tga pixels against ImageMagick")
endif()

# A mask becomes a PGM; --log passes the reader's texts to standard output.
run_decode(--log ${files}/banner_mask.msk ${WORK_DIR}/banner_mask.pgm)
expect("${code}" 0 "exit code for a good MSK")
expect("${out}" "Verified MSK format, version 1.00\n" "standard output with --log")
file(READ ${WORK_DIR}/banner_mask.pgm header LIMIT 16)
if(NOT header MATCHES "^P5\n[1-9][0-9]* [1-9][0-9]*\n255\n")
  message(FATAL_ERROR "PGM header: got [${header}]")
endif()

# Failures name the file and the status text, and exit 1.
# Longer than a TGA header, so its first byte is read as the identification field length.
file(WRITE ${WORK_DIR}/text.tga "not a picture, only a line of text")
file(WRITE ${WORK_DIR}/short.msk "MSK")
file(WRITE ${WORK_DIR}/picture.bmp "BM")
set(cases
  "text.tga|File format not supported by this version of PIQ"
  "short.msk|File data is invalid or corrupt"
  "missing.tga|File not found"
  "picture.bmp|Invalid function parameter")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 name)
  list(GET fields 1 reason)
  run_decode(${WORK_DIR}/${name} ${WORK_DIR}/out.ppm)
  expect("${code}" 1 "exit code for ${name}")
  expect("${err}" "Error decoding file '${WORK_DIR}/${name}': ${reason}\n" "standard error for ${name}")
  expect("${out}" "" "standard output for ${name} without --log")
endforeach()

run_decode(only-one-argument)
expect("${code}" 1 "exit code for a wrong command line")
