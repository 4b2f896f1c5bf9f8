# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser build (make web), included by the top-level CMakeLists.txt under emscripten.

# Emscripten's linker runs node with Debian's acorn, which a node from elsewhere finds only
# through NODE_PATH.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# Everything is built for size and optimised across files, the tests as well, so that they run
# what the page runs.
add_compile_options(-Oz -flto)
add_link_options(-Oz -flto)

add_subdirectory(src)

include(CTest)
if(BUILD_TESTING)
  # Each test is one file that node runs, the module inside it: node's fetch cannot load a file
  # beside it.
  add_link_options(-sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1)
  add_subdirectory(tests/support)
  add_subdirectory(tests)
endif()
