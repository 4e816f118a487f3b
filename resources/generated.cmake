# Tables generated at build time from readable sources in resources/.

# Craft icon pixels: craft_icons.txt -> CraftIconPixels.cpp in the core.
set(VANTOREL_ICON_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/icons/craft_icons.txt)
set(VANTOREL_ICON_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/icons/GenerateCraftIcons.cmake)
set(VANTOREL_ICON_TABLE ${CMAKE_BINARY_DIR}/generated/CraftIconPixels.cpp)
add_custom_command(OUTPUT ${VANTOREL_ICON_TABLE}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${VANTOREL_ICON_SOURCE} -DOUTPUT=${VANTOREL_ICON_TABLE}
          -P ${VANTOREL_ICON_SCRIPT}
  DEPENDS ${VANTOREL_ICON_SOURCE} ${VANTOREL_ICON_SCRIPT}
  COMMENT "Generating the craft icon table"
  VERBATIM)
target_sources(vantorel_core PRIVATE ${VANTOREL_ICON_TABLE})
# The rule lives in this folder; a custom target carries it to the core.
add_custom_target(vantorel_icon_table DEPENDS ${VANTOREL_ICON_TABLE})
add_dependencies(vantorel_core vantorel_icon_table)
