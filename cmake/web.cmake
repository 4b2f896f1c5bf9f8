# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser build (make web), included by the top-level CMakeLists.txt under emscripten.

# Emscripten's linker runs node with Debian's acorn, which a node from elsewhere finds only
# through NODE_PATH.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# The game and the page are built for size; the tests link the game as the page does.
add_compile_options(-Oz)
add_link_options(-Oz)

add_subdirectory(src)

include(CTest)
if(BUILD_TESTING)
  # Each test is one file that node runs, the module inside it: node's fetch cannot load a file
  # beside it. The tests' own code is built quickly rather than small, a few files at a time.
  add_link_options(-sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1 -O0)
  add_compile_options(-O0)
  set(CMAKE_UNITY_BUILD ON)
  add_subdirectory(tests/support)
  add_subdirectory(tests)
endif()
