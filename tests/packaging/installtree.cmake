# Installs the build tree under PREFIX and fails on any file missing or wrong.
# Run as: cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -DAPP_ID=<id> -DGZIP=<gzip> [-DGROFF=<groff>] -P installtree.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${errors}")
endif()

set(failures "")
function(fail text)
    set(failures "${failures}\n  ${text}" PARENT_SCOPE)
endfunction()

# The sizes are written out here, not taken from the install rules, so that a
# size dropped from the rules is caught.
set(sizes 16 22 24 32 48 64 128 256)
set(expected
    bin/aralda
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man1/aralda.1.gz
    share/doc/aralda/copyright)
foreach(size IN LISTS sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path} OR IS_DIRECTORY ${PREFIX}/${path})
        fail("missing: ${path}")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "Installed tree under ${PREFIX}:${failures}")
endif()

file(STRINGS ${PREFIX}/share/doc/aralda/copyright licences REGEX "^License: ")
if(NOT licences STREQUAL "License: GPL-3.0+;License: CC0-1.0;License: GPL-3.0+")
    fail("share/doc/aralda/copyright names the licences \"${licences}\"")
endif()
file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<project_license>GPL-3.0-or-later</project_license>")
    fail("the metainfo does not give the project's licence as GPL-3.0-or-later")
endif()

# The program: an ELF file that runs from where it was installed.
file(READ ${PREFIX}/bin/aralda magic LIMIT 4 HEX)
if(NOT magic STREQUAL "7f454c46")
    fail("bin/aralda is not an ELF file (starts with ${magic})")
endif()
execute_process(COMMAND ${PREFIX}/bin/aralda --help
    RESULT_VARIABLE result OUTPUT_VARIABLE help ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT help MATCHES "^Usage: aralda \\[options\\] \\[LESSON\\]\n")
    fail("bin/aralda --help exited with ${result}: ${help}${errors}")
endif()

# Each PNG is a PNG whose header gives the size its folder promises: width
# and height are the big-endian words at bytes 16 and 20.
foreach(size IN LISTS sizes)
    set(path share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    file(READ ${PREFIX}/${path} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
        fail("${path}: signature ${signature}, ${width} x ${height}")
    endif()
endforeach()

file(READ ${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg svg)
if(NOT svg MATCHES "<svg xmlns=\"http://www.w3.org/2000/svg\"")
    fail("the scalable icon is not an SVG picture")
endif()

# The desktop entry must name what was installed: the icon by the id, the
# program by its name on the PATH, and the projector action with its scale.
# Whole lines are compared, read as one text since a list of lines would be
# split at their semicolons; the expected lines write "|" for a semicolon.
file(READ ${PREFIX}/share/applications/${APP_ID}.desktop desktop)
foreach(written "Icon=${APP_ID}" "Exec=aralda %f" "Exec=aralda --scale auto" "Actions=projector|"
        "MimeType=application/x-aralda-lesson|"
        "Categories=Education|Math|")
    string(REPLACE "|" ";" line "${written}")
    string(FIND "\n${desktop}" "\n${line}\n" at)
    if(at EQUAL -1)
        fail("the desktop entry has no line \"${line}\"")
    endif()
endforeach()

# The metainfo launches the installed entry and carries no unfilled template field.
file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
    fail("the metainfo does not launch ${APP_ID}.desktop")
endif()
if(NOT metainfo MATCHES "<release version=\"[0-9]+\\.[0-9]+[^\"]*\" date=\"[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\"")
    fail("the metainfo's release has no version or no date")
endif()
# The manual page is installed compressed; it is read back from the gzip
# stream, so a page stored plain under the .gz name is caught too.
file(READ ${PREFIX}/share/man/man1/aralda.1.gz magic LIMIT 2 HEX)
if(NOT magic STREQUAL "1f8b")
    fail("share/man/man1/aralda.1.gz is not gzip data (starts with ${magic})")
endif()
set(manual ${PREFIX}-aralda.1)
execute_process(COMMAND ${GZIP} -dc ${PREFIX}/share/man/man1/aralda.1.gz
    RESULT_VARIABLE result OUTPUT_FILE ${manual})
if(NOT result EQUAL 0)
    fail("gzip cannot read share/man/man1/aralda.1.gz (${result})")
endif()

foreach(file ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml ${PREFIX}/share/applications/${APP_ID}.desktop ${manual})
    file(READ ${file} text)
    if(text MATCHES "@[A-Z_]+@")
        fail("${file} still holds ${CMAKE_MATCH_0}")
    endif()
endforeach()

# The manual page formats without a single warning.
if(GROFF)
    execute_process(COMMAND ${GROFF} -man -z -ww ${manual}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE warnings)
    if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
        fail("groff on the manual page (${result}): ${warnings}")
    endif()
else()
    message(STATUS "groff not found: the manual page's formatting is not checked")
endif()

if(failures)
    message(FATAL_ERROR "Installed tree under ${PREFIX}:${failures}")
endif()
message(STATUS "${PREFIX} holds the program, the desktop entry, the metainfo, the icons and the manual page")
