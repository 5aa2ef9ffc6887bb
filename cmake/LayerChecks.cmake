# The folders of src/, bottom to top: a folder's files include only their own
# folder and the folders before it (tests/layering.cmake checks the includes).
set(ARALDA_LAYERS lang shell info transform calc dialogs lesson space plane app)

# Everything `target` links, directly or through the project's own libraries.
function(aralda_linked_libraries target result)
    set(seen ${${result}})
    get_target_property(links ${target} LINK_LIBRARIES)
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    foreach(library IN LISTS links interface)
        if(NOT library OR library IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${library})
        if(TARGET ${library} AND library MATCHES "^aralda_")
            aralda_linked_libraries(${library} seen)
        endif()
    endforeach()
    set(${result} ${seen} PARENT_SCOPE)
endfunction()

# Logic libraries stay testable without a window system: fail the configure
# step when one of them reaches QtWidgets.
function(aralda_require_no_widgets)
    foreach(target IN LISTS ARGN)
        set(linked "")
        aralda_linked_libraries(${target} linked)
        foreach(library IN LISTS linked)
            if(library MATCHES "Widgets")
                message(FATAL_ERROR "${target} is a core library but links ${library}")
            endif()
        endforeach()
    endforeach()
endfunction()
