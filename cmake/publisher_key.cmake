# The publisher whose signature INSTALL.EXE asks of its media: the public key of a certificate,
# turned at configure time into the CryptoAPI key blob the installer imports, in a generated
# source that defines PublisherKey() (src/app/publisher_key.h).
set(VORT_PUBLISHER_CERT "" CACHE FILEPATH
    "The publisher's certificate (PEM): the installer refuses media not signed with its key; empty for no check")
option(VORT_TEST_PUBLISHER
       "Make a test publisher in build/test-publisher and trust it (the tests' builds, never a release)" OFF)
set(VORT_TEST_PUBLISHER_DIR "${PROJECT_SOURCE_DIR}/build/test-publisher")

set(publisher_cert "${VORT_PUBLISHER_CERT}")
if(VORT_TEST_PUBLISHER)
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/test-publisher ${VORT_TEST_PUBLISHER_DIR}
                  RESULT_VARIABLE made)
  if(NOT made EQUAL 0)
    message(FATAL_ERROR "scripts/test-publisher could not make the test publisher (openssl?)")
  endif()
  if(NOT publisher_cert)
    set(publisher_cert "${VORT_TEST_PUBLISHER_DIR}/publisher.pem")
  endif()
endif()

set(VORT_PUBLISHER_KEY_SOURCE "${CMAKE_BINARY_DIR}/generated/publisher_key.cpp")
set(key_bytes "")
if(publisher_cert)
  if(NOT EXISTS "${publisher_cert}")
    message(FATAL_ERROR "VORT_PUBLISHER_CERT: no certificate at ${publisher_cert}")
  endif()
  find_program(VORT_OPENSSL openssl NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(blob "${CMAKE_BINARY_DIR}/generated/publisher_key.blob")
  file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/generated")
  execute_process(COMMAND ${VORT_OPENSSL} x509 -in ${publisher_cert} -noout -pubkey
                  COMMAND ${VORT_OPENSSL} rsa -pubin -outform MSBLOB -out ${blob}
                  RESULTS_VARIABLE results ERROR_VARIABLE errors)
  if(NOT results STREQUAL "0;0")
    message(FATAL_ERROR "The publisher's certificate ${publisher_cert} holds no RSA key: ${errors}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${publisher_cert})
  file(READ ${blob} hex HEX)
  # The blob names its key an exchange key; it is imported as a signature key (CALG_RSA_SIGN).
  string(SUBSTRING "${hex}" 16 -1 rest)
  set(hex "0602000000240000${rest}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," key_bytes "${hex}")
  message(STATUS "The installer trusts media signed by the key of ${publisher_cert}")
else()
  message(STATUS "No publisher's certificate: the installer takes media unsigned")
endif()

if(key_bytes)
  set(definition "constexpr uint8_t kKey[] = {${key_bytes}};\n\n}  // namespace\n\nstd::span<const uint8_t> PublisherKey() {\n  return kKey;\n}\n")
else()
  set(definition "}  // namespace\n\nstd::span<const uint8_t> PublisherKey() {\n  return {};\n}\n")
endif()
file(WRITE "${VORT_PUBLISHER_KEY_SOURCE}.new"
     "// Made by cmake/publisher_key.cmake from ${publisher_cert}.\n#include \"app/publisher_key.h\"\n\nnamespace {\n\n${definition}")
# Rewritten only when it changes, so that a new configure rebuilds nothing.
configure_file("${VORT_PUBLISHER_KEY_SOURCE}.new" "${VORT_PUBLISHER_KEY_SOURCE}" COPYONLY)
