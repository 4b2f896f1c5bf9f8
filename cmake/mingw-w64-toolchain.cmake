# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian's MinGW-w64 cross compilers for 64-bit Windows, in their POSIX-threads variant, which
# the C++ standard library's threads need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The archive tools that understand the compiler's link-time-optimisation objects.
set(CMAKE_AR x86_64-w64-mingw32-gcc-ar-posix)
set(CMAKE_RANLIB x86_64-w64-mingw32-gcc-ranlib-posix)
set(CMAKE_C_COMPILER_AR x86_64-w64-mingw32-gcc-ar-posix)
set(CMAKE_CXX_COMPILER_AR x86_64-w64-mingw32-gcc-ar-posix)
set(CMAKE_C_COMPILER_RANLIB x86_64-w64-mingw32-gcc-ranlib-posix)
set(CMAKE_CXX_COMPILER_RANLIB x86_64-w64-mingw32-gcc-ranlib-posix)
