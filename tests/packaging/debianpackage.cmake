# Makes the Debian package under OUTPUT and fails on a wrong field or file.
# Run as: cmake -DBUILD_DIR=<build> -DOUTPUT=<folder> -DDPKG_DEB=<dpkg-deb> -DAPP_ID=<id> -DVERSION=<v> -P debianpackage.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUTPUT}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
file(GLOB packages ${OUTPUT}/*.deb)
if(NOT result EQUAL 0 OR NOT packages STREQUAL "${OUTPUT}/aralda_${VERSION}_amd64.deb")
    message(FATAL_ERROR "cpack exited with ${result} and made \"${packages}\":\n${output}${errors}")
endif()

set(failures "")
execute_process(COMMAND ${DPKG_DEB} --field ${packages} Package Version Section Depends Maintainer
    RESULT_VARIABLE result OUTPUT_VARIABLE fields)
# Depends must hold the libraries dpkg-shlibdeps found beside the two packages
# the program loads without linking them.
foreach(expected "Package: aralda\n" "Version: ${VERSION}\n" "Section: education\n"
        "qt6-qpa-plugins" "qt6-translations-l10n" "libqt6widgets6 \\(>=" "libqt6gui6 \\(>=" "Maintainer: Aralda developers <[^>]+@[^>]+>\n")
    if(NOT fields MATCHES "${expected}")
        list(APPEND failures "control fields lack \"${expected}\"")
    endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} --contents ${packages} RESULT_VARIABLE result OUTPUT_VARIABLE contents)
foreach(path usr/bin/aralda usr/share/applications/${APP_ID}.desktop usr/share/metainfo/${APP_ID}.metainfo.xml
        usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg usr/share/icons/hicolor/256x256/apps/${APP_ID}.png
        usr/share/man/man1/aralda.1.gz usr/share/doc/aralda/copyright)
    string(FIND "${contents}" " ./${path}\n" at)
    if(at EQUAL -1)
        list(APPEND failures "the package lacks /${path}")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "${packages}:\n  ${text}\n${fields}")
endif()
message(STATUS "${packages}:\n${fields}")
