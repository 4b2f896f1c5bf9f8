# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# A build for Windows from Linux runs its own Windows programs (the icon's drawing tool, the
# tests) under Wine, through a wrapper that keeps Wine's state inside the build directory.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(WINE wine)
  if(NOT WINE)
    message(FATAL_ERROR "Wine is missing: run scripts/install-deps --windows")
  endif()
  set(BLOKKA_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
endif()
