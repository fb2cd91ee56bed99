# cmake -DBUILD_DIR=... -DPREFIX=... -DEXAMPLE=... -D{BIN,LIBEXEC,DATA,MAN}DIR=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
    ${BINDIR}/vexoria
    ${BINDIR}/vexoria-cli
    ${DATADIR}/applications/vexoria.desktop
    ${DATADIR}/icons/hicolor/scalable/apps/vexoria.svg
    ${MANDIR}/man1/vexoria-cli.1.gz
    ${MANDIR}/man1/vexoria.1.gz)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/vexoria.png)
endforeach()
if(CMAKE_HOST_SYSTEM_NAME STREQUAL "Linux")
  list(APPEND expected ${LIBEXECDIR}/vexoria/vexoria-cli ${LIBEXECDIR}/vexoria/vexoria-cli-lean)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "the install tree lacks ${file}")
  endif()
endforeach()

# The installed command line draws a chart and measures text.
set(cli ${PREFIX}/${BINDIR}/vexoria-cli)
execute_process(COMMAND ${cli} render ${EXAMPLE} -o ${PREFIX}/chart.png RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT EXISTS ${PREFIX}/chart.png)
  message(FATAL_ERROR "the installed vexoria-cli render failed (${status}): ${err}")
endif()
# An SVG chart is drawn by the lean program, installed beside the complete one.
execute_process(COMMAND ${cli} render ${EXAMPLE} -o ${PREFIX}/chart.svg RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT EXISTS ${PREFIX}/chart.svg)
  message(FATAL_ERROR "the installed vexoria-cli render to SVG failed (${status}): ${err}")
endif()
execute_process(COMMAND ${cli} --version RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "^vexoria-cli [0-9]")
  message(FATAL_ERROR "the installed vexoria-cli --version said: ${out}")
endif()

# The installed window starts and keeps running until it is stopped.
execute_process(COMMAND ${PREFIX}/${BINDIR}/vexoria TIMEOUT 3 RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status MATCHES "timeout")
  message(FATAL_ERROR "the installed vexoria ended at once (${status}): ${err}")
endif()
