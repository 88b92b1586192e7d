# The archive resource: the payload manifest packed into one zlib stream.
# Dictionaries come from Debian's packages and the spelling engine is cross-built from
# Debian's hunspell source; both scripts cache their results in RUSPELL_DEPS_DIR.
set(PAYLOAD_DIR "${CMAKE_SOURCE_DIR}/payload")
set(HUNSPELL_DLL "${RUSPELL_DEPS_DIR}/hunspell-${CMAKE_SYSTEM_PROCESSOR}/hunspell.dll")
get_filename_component(DEPS_PARENT "${RUSPELL_DEPS_DIR}" DIRECTORY)

execute_process(
  COMMAND "${CMAKE_SOURCE_DIR}/scripts/fetch-payload.sh" "${DEPS_PARENT}"
  RESULT_VARIABLE FETCH_RESULT)
if(NOT FETCH_RESULT EQUAL 0)
  message(FATAL_ERROR "fetching the dictionaries failed")
endif()
execute_process(
  COMMAND "${CMAKE_SOURCE_DIR}/scripts/build-hunspell.sh" "${DEPS_PARENT}" "${CMAKE_SYSTEM_PROCESSOR}"
  RESULT_VARIABLE HUNSPELL_RESULT)
if(NOT HUNSPELL_RESULT EQUAL 0)
  message(FATAL_ERROR "building hunspell.dll failed")
endif()

file(STRINGS "${PAYLOAD_DIR}/manifest.txt" MANIFEST_LINES)
set(PAYLOAD_INPUTS "${PAYLOAD_DIR}/manifest.txt")
foreach(LINE IN LISTS MANIFEST_LINES)
  if(LINE MATCHES "^[^#][^\t]*\t([^\t]+)\t")
    set(SRC "${CMAKE_MATCH_1}")
    string(REPLACE "\${DEPS}" "${RUSPELL_DEPS_DIR}" SRC "${SRC}")
    string(REPLACE "\${HUNSPELL}" "${HUNSPELL_DLL}" SRC "${SRC}")
    if(NOT IS_ABSOLUTE "${SRC}")
      set(SRC "${PAYLOAD_DIR}/${SRC}")
    endif()
    list(APPEND PAYLOAD_INPUTS "${SRC}")
  endif()
endforeach()

set(ARCHIVE_BIN "${CMAKE_BINARY_DIR}/FILES.bin")
set(ARCHIVE_IMAGE "${CMAKE_BINARY_DIR}/FILES.image")
add_custom_command(
  OUTPUT "${ARCHIVE_BIN}" "${ARCHIVE_IMAGE}"
  COMMAND "${PACKER}" "${PAYLOAD_DIR}/manifest.txt" "${ARCHIVE_BIN}" --image "${ARCHIVE_IMAGE}"
          "-DDEPS=${RUSPELL_DEPS_DIR}" "-DHUNSPELL=${HUNSPELL_DLL}"
  DEPENDS ${PAYLOAD_INPUTS} hosttools
  COMMENT "Packing the archive resource"
  VERBATIM)
add_custom_target(archive DEPENDS "${ARCHIVE_BIN}")
