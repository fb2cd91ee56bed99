# The diagram font, embedded from the system's font file at configure time
# (fonts-liberation2; DejaVu Sans when Liberation Sans is missing).
find_file(VEXORIA_DIAGRAM_FONT
  NAMES LiberationSans-Regular.ttf
  PATHS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation
        /usr/share/fonts/liberation-sans /usr/local/share/fonts /Library/Fonts C:/Windows/Fonts
  NO_DEFAULT_PATH)
if(NOT VEXORIA_DIAGRAM_FONT)
  find_file(VEXORIA_DIAGRAM_FONT
    NAMES DejaVuSans.ttf
    PATHS /usr/share/fonts/truetype/dejavu /usr/share/fonts/dejavu /usr/local/share/fonts
    NO_DEFAULT_PATH)
endif()
if(NOT VEXORIA_DIAGRAM_FONT)
  # Text widths then come from the system's sans face and may differ from
  # machine to machine. Set VEXORIA_DIAGRAM_FONT to a .ttf file to embed one.
  message(WARNING "No diagram font found (install fonts-liberation2): the system's sans face is used")
  return()
endif()
message(STATUS "Diagram font: ${VEXORIA_DIAGRAM_FONT}")

set(VEXORIA_FONT_QRC ${CMAKE_CURRENT_BINARY_DIR}/vexoria_fonts.qrc)
file(WRITE ${VEXORIA_FONT_QRC}.in
  "<RCC>\n  <qresource prefix=\"/vexoria/fonts\">\n"
  "    <file alias=\"diagram.ttf\">${VEXORIA_DIAGRAM_FONT}</file>\n"
  "  </qresource>\n</RCC>\n")
configure_file(${VEXORIA_FONT_QRC}.in ${VEXORIA_FONT_QRC} COPYONLY)
# Compiled into the static core; DiagramFont.cpp registers it with
# Q_INIT_RESOURCE(vexoria_fonts) before the first use.
qt6_add_resources(VEXORIA_FONT_RCC ${VEXORIA_FONT_QRC} OPTIONS -name vexoria_fonts -no-compress)
target_sources(vexoria_core PRIVATE ${VEXORIA_FONT_RCC})
target_compile_definitions(vexoria_core PRIVATE VEXORIA_EMBEDDED_FONT=1)
