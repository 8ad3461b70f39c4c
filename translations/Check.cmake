# Fails when the translation catalogues are not what the sources make of them:
#
# - a catalogue that lupdate would change: a text added, changed or gone in the sources and not yet in
#   (or still in) vantorel.ts and every language's file;
# - a translation left unfinished;
# - a sentence in the interface written outside the translation system: a QStringLiteral,
#   QLatin1String or plain literal of two words or more in src/app or src/ui that no tr(),
#   translate() or QT_TRANSLATE_NOOP() takes.
#
# cmake -DLUPDATE=<lupdate> -DOPTIONS=<its options> -DCATALOGUES=<.ts files> -DWORK=<scratch folder>
#       -DSOURCES=<src folder> -DBUILD_DIR=<build folder> -P Check.cmake
set(problems)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(copies)
foreach(catalogue IN LISTS CATALOGUES)
    get_filename_component(name "${catalogue}" NAME)
    file(COPY_FILE "${catalogue}" "${WORK}/${name}")
    list(APPEND copies "${WORK}/${name}")
endforeach()
execute_process(COMMAND "${LUPDATE}" ${OPTIONS} -ts ${copies} RESULT_VARIABLE status OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
# lupdate's own warnings (a tr() it cannot place in a context) are problems too.
string(REGEX MATCHALL "[^\n]*(warning|cannot)[^\n]*" warnings "${output}")
list(APPEND problems ${warnings})

foreach(catalogue IN LISTS CATALOGUES)
    get_filename_component(name "${catalogue}" NAME)
    file(READ "${catalogue}" committed)
    file(READ "${WORK}/${name}" current)
    if(NOT committed STREQUAL current)
        list(APPEND problems "translations/${name} is out of date with the sources: run "
                             "`cmake --build ${BUILD_DIR} --target update-translations`, then translate what is new")
    elseif(NOT name STREQUAL "vantorel.ts")
        string(REGEX MATCHALL "type=\"unfinished\"" unfinished "${committed}")
        list(LENGTH unfinished count)
        if(count GREATER 0)
            list(APPEND problems "translations/${name} has ${count} unfinished translation(s)")
        endif()
    endif()
endforeach()

# Sentences outside the translation system. A literal that is not shown (an object name, a D-Bus
# member) has no space between words, so it is not taken for one.
file(GLOB_RECURSE files "${SOURCES}/app/*.cpp" "${SOURCES}/app/*.h" "${SOURCES}/ui/*.cpp" "${SOURCES}/ui/*.h")
set(literal "\"([^\"\\\\]|\\\\.)*[A-Za-z][A-Za-z]+ [A-Za-z][A-Za-z]+([^\"\\\\]|\\\\.)*\"")
foreach(file IN LISTS files)
    # One list element a line: the characters CMake lists give meaning to are set aside first.
    file(READ "${file}" content)
    string(REPLACE ";" "<semicolon>" content "${content}")
    string(REPLACE "[" "<open>" content "${content}")
    string(REPLACE "]" "<close>" content "${content}")
    string(REPLACE "\n" ";" lines "${content}")
    set(number 0)
    set(open OFF) # inside a call that translates, which may go on over several lines
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        string(STRIP "${line}" stripped)
        if(stripped MATCHES "^(//|#include|qWarning|qDebug)")
            continue()
        endif()
        if(line MATCHES "(^|[^A-Za-z0-9_])(tr|translate|QT_TRANSLATE_NOOP|QT_TR_NOOP)\\(")
            set(open ON)
        endif()
        if(NOT open AND line MATCHES "${literal}")
            file(RELATIVE_PATH shown "${SOURCES}/.." "${file}")
            list(APPEND problems "${shown}:${number}: a sentence outside the translation system")
        endif()
        if(line MATCHES "\\)(<semicolon>|,)?$")
            set(open OFF)
        endif()
    endforeach()
endforeach()

if(problems)
    list(JOIN problems "\n  " listed)
    message(FATAL_ERROR "The translations do not match the sources:\n  ${listed}")
endif()
