# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the installed-style binary end to end and checks a few exact lines.
execute_process(COMMAND ${AMBREL} --classic run --tsv length FeetField=1
                OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit status ${rc}")
endif()
foreach(line "MetersField\t0.3048\t0.3048" "InchesField\t11.999976\t12.0000" "FeetField\t1\t1.0000")
  string(FIND "${out}" "${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing line '${line}' in:\n${out}")
  endif()
endforeach()
execute_process(COMMAND ${AMBREL} run length FeetField=12abc
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR NOT err MATCHES "not a number")
  message(FATAL_ERROR "a refused entry gave ${rc}: ${err}")
endif()
execute_process(COMMAND ${AMBREL} run nowhere OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 64)
  message(FATAL_ERROR "an unknown window gave ${rc}")
endif()
# Without a display the desktop program is not started: one line, status 1,
# rather than Qt's abort.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM ${AMBREL}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT err MATCHES "needs a display.*ambrel --help")
  message(FATAL_ERROR "no display gave ${rc}: ${err}")
endif()
