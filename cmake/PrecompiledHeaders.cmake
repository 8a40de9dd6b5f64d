# Headers that nearly every file of a Qt target includes, parsed once per
# target instead of once per file: Qt's widgets for the windows, QTest and
# GoogleTest for their tests. The files still include what they use; the
# precompiled headers only save the parsing, so a build without them is the
# same program.
#
# Used by the test builds (scripts/test.sh), whose flags are checked to build
# warning-free with them; off otherwise. With the standard headers
# precompiled, GCC 12 reports false -Warray-bounds warnings from inside them
# on string concatenations (seen in the core at -O2): the core and its tests,
# plain C++ and quick to compile, go without for that reason.
option(TARNBECK_PCH "Precompile the Qt and GoogleTest headers (the test builds)" OFF)
if(NOT TARNBECK_PCH)
  return()
endif()

set(TARNBECK_PCH_STD <algorithm> <array> <cerrno> <filesystem> <functional> <optional> <string>
  <string_view> <vector>)
set(TARNBECK_PCH_QT <QAction> <QApplication> <QComboBox> <QDialog> <QKeyEvent> <QLabel>
  <QLineEdit> <QListWidget> <QMainWindow> <QMenuBar> <QPointer> <QPushButton> <QString>
  <QVBoxLayout> <QHBoxLayout> <QGridLayout> <QWidget>)

function(tarnbeck_precompile target)
  if(TARGET ${target})
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

tarnbeck_precompile(tarnbeck_shared ${TARNBECK_PCH_STD} ${TARNBECK_PCH_QT})
tarnbeck_precompile(tarnbeck-extras ${TARNBECK_PCH_STD} ${TARNBECK_PCH_QT})
tarnbeck_precompile(forms_tests ${TARNBECK_PCH_STD} ${TARNBECK_PCH_QT} <QTest> <gtest/gtest.h>)
