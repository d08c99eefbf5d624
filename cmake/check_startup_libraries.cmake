# Fails when the program links a library that start-up should not load: every one costs each
# start its loading and set-up, and these are needed by few starts or none.
#   cmake -DPROGRAM=<mosaro> -P check_startup_libraries.cmake
cmake_minimum_required(VERSION 3.25)

set(kept_out libgio libgobject libQt6Network)

execute_process(COMMAND readelf --dynamic ${PROGRAM} OUTPUT_VARIABLE dynamic
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "readelf could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*\\[[^]\n]*\\]" needed "${dynamic}")
if(NOT needed)
  message(FATAL_ERROR "No libraries found in ${PROGRAM}")
endif()
set(found)
foreach(library ${kept_out})
  if(needed MATCHES "\\[${library}[.-]")
    list(APPEND found ${library})
  endif()
endforeach()
if(found)
  message(FATAL_ERROR "Start-up would load: ${found}")
endif()
message(STATUS "None of ${kept_out} is loaded at start-up")
