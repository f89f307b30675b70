# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzz target for a bounded number of inputs. New inputs go to a
# scratch folder, so the committed seeds never change; a failing input is
# kept there as crash-* (or leak-*, timeout-*) to reproduce with
#   FUZZER <that file>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -seed=1 -runs=${RUNS} -max_total_time=${SECONDS} -max_len=4096 -timeout=10
          -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=${WORK}/
          ${WORK}/corpus ${SEEDS}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(GLOB found ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*)
  message(FATAL_ERROR "${FUZZER} failed (${status}); input: ${found}")
endif()
