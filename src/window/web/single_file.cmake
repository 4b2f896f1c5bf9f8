# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes OUTPUT, the page of the site in SITE as one file: the script and the module, in base64,
# inside the page, which then fetches nothing and plays from disk.
find_program(BASE64 base64 REQUIRED)
execute_process(COMMAND ${BASE64} -w 0 ${SITE}/blokka.wasm OUTPUT_VARIABLE module
                COMMAND_ERROR_IS_FATAL ANY)
file(READ ${SITE}/index.html page)
file(READ ${SITE}/blokka.js script)
set(inline "<script>self.blokkaModule = '${module}';</script>\n<script>\n${script}</script>")
string(REPLACE "<script src=\"blokka.js\"></script>" "${inline}" page "${page}")
# The module inside needs no fetching ahead.
string(REGEX REPLACE "<!--[^\n]*-->\n<link rel=\"preload\"[^\n]*\n" "" page "${page}")
if(NOT page MATCHES "blokkaModule" OR page MATCHES "preload")
  message(FATAL_ERROR "index.html does not load blokka.js as single_file.cmake expects")
endif()
file(WRITE ${OUTPUT} "${page}")
