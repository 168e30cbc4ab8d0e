# The build holds the layers of the code: platform at the bottom, then the Qt-free key model
# and the bridge protocol, then the windows. A target sees the source folders of its own
# layer, through a folder of links made for it, and those of the libraries it links; an
# include that reaches up a layer finds no file.
function(orvalet_layer target)
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    foreach(folder IN LISTS ARGN)
        cmake_path(GET folder PARENT_PATH parent)
        file(MAKE_DIRECTORY ${root}/${parent})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()

# The sources of a folder, not of its subfolders, without a program's main.cpp.
function(orvalet_folder_sources variable folder)
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    set(${variable} ${sources} PARENT_SCOPE)
endfunction()

# orvalet_window_library(folder library...): the window folder's sources as orvalet_<folder>,
# which sees its own folder and those of the libraries given, the layers below it: an include of
# a folder above, or of one beside it that it does not build on, finds no file.
function(orvalet_window_library folder)
    orvalet_folder_sources(sources ${CMAKE_CURRENT_SOURCE_DIR})
    add_library(orvalet_${folder} STATIC ${sources})
    orvalet_layer(orvalet_${folder} ${folder})
    target_link_libraries(orvalet_${folder} PUBLIC ${ARGN} orvalet_platform Qt6::Core Qt6::Gui
                                                   Qt6::Widgets)
    orvalet_precompile(orvalet_${folder} QT)
endfunction()
