# Headers that nearly every source of a target includes, parsed once for the target instead of
# once for each source: on two cores the build is most of the time a continuous integration
# run takes.
set(ORVALET_PRECOMPILED_STD <functional> <memory> <optional> <string> <vector>)
set(ORVALET_PRECOMPILED_QT <QAction> <QApplication> <QLineEdit> <QMainWindow> <QMenu> <QSpinBox>
                           <QString> <QTimer> <QToolButton> <QTreeWidget> <QWidget>)

# orvalet_precompile(target [QT] [header...]): the standard headers, the Qt widgets' headers
# with QT, and the headers given.
function(orvalet_precompile target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "")
    set(headers ${ORVALET_PRECOMPILED_STD})
    if(arg_QT)
        list(APPEND headers ${ORVALET_PRECOMPILED_QT})
    endif()
    target_precompile_headers(${target} PRIVATE ${headers} ${arg_UNPARSED_ARGUMENTS})
endfunction()
