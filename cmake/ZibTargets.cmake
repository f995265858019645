# Every source folder builds two libraries: a core one (arithmetic, signal processing, audio devices,
# file formats) that cannot see Qt Widgets, so a widget include there fails to build, and a ui one
# for its dialogs and drawing widgets.

function(zib_core_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} PUBLIC Qt5::Core Qt5::Xml Qt5::Multimedia)
endfunction()

function(zib_ui_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} PUBLIC Qt5::Widgets)
endfunction()
