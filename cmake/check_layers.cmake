# Fails when a layer library links anything its place in the layering does not allow: a
# back edge (and so any cycle) between the layers, or a library reaching past its own level.
#   cmake -DLINKS=<layer_links.cmake written at configure time> -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)

# Layer -> what it may link directly. Nothing else, and never upwards.
set(allowed_launcher editing pages store seam widgets Qt6::Core Qt6::Gui Qt6::Widgets)
set(allowed_editing store seam widgets Qt6::Core Qt6::Gui Qt6::Widgets)
set(allowed_pages store seam widgets Qt6::Core Qt6::Gui Qt6::Widgets)
set(allowed_desktop seam iconfile widgets store Qt6::Core Qt6::Gui Qt6::Widgets
    PkgConfig::GLIB PkgConfig::XCB dl)
set(allowed_store Qt6::Core)
set(allowed_widgets Qt6::Core Qt6::Gui Qt6::Widgets)
set(allowed_iconfile)
set(allowed_seam Qt6::Core Qt6::Gui)
set(layers launcher editing pages desktop store widgets iconfile seam)

include(${LINKS})
set(back_edges)
foreach(layer ${layers})
  foreach(item ${links_${layer}})
    # Skip the directory marks CMake puts around links made from another folder.
    if(item MATCHES "^::@")
      continue()
    endif()
    string(REGEX REPLACE "^mosaro_" "" name "${item}")
    if(NOT name IN_LIST allowed_${layer})
      list(APPEND back_edges "${layer} -> ${name}")
    endif()
  endforeach()
endforeach()

if(back_edges)
  list(JOIN back_edges "\n  " text)
  message(FATAL_ERROR "Links the layering does not allow:\n  ${text}")
endif()
message(STATUS "Layers link only downwards: ${layers}")
