# What keeps the build short: precompiled headers and a faster linker for the tests.
# Most of a file's compile is the parsing of Qt's and the standard library's headers (three
# quarters of a window's): the headers most files of a layer include are parsed once per target.
# quotara_precompile(TARGET LAYER [REUSE_FROM OTHER]): LAYER engine, windows, engine-tests or
# window-tests; with REUSE_FROM, TARGET takes OTHER's headers as compiled (same flags only).
# CMAKE_DISABLE_PRECOMPILE_HEADERS=ON turns it off, to find a file that forgot an include.
set(QUOTARA_PCH_engine
  <QtCore/QByteArray> <QtCore/QDir> <QtCore/QFile> <QtCore/QFileInfo> <QtCore/QString>
  <QtCore/QStringList> <algorithm> <array> <cstdint> <functional> <limits> <memory> <optional>
  <span> <string> <utility> <vector>)
set(QUOTARA_PCH_windows ${QUOTARA_PCH_engine}
  <QtCore/QTimer> <QtCore/QVariant> <QtGui/QPainter> <QtWidgets/QApplication>
  <QtWidgets/QComboBox> <QtWidgets/QDialog> <QtWidgets/QFrame> <QtWidgets/QLabel>
  <QtWidgets/QLineEdit> <QtWidgets/QMenu> <QtWidgets/QPushButton> <QtWidgets/QStyle>
  <QtWidgets/QToolButton> <QtWidgets/QWidget>)
set(QUOTARA_PCH_engine-tests ${QUOTARA_PCH_engine} <gtest/gtest.h>)
set(QUOTARA_PCH_window-tests ${QUOTARA_PCH_windows} <QtTest/QSignalSpy> <QtTest/QTest>)

function(quotara_precompile target layer)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "REUSE_FROM" "")
  if(arg_REUSE_FROM)
    target_precompile_headers(${target} REUSE_FROM ${arg_REUSE_FROM})
  else()
    target_precompile_headers(${target} PRIVATE ${QUOTARA_PCH_${layer}})
  endif()
endfunction()

# The test programs and benches link with lld where it is installed: two dozen programs, each
# linked in a fifth of the time GNU ld takes. The programs the package ships keep the default.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld QUOTARA_HAVE_LLD)
macro(quotara_fast_link)
  if(QUOTARA_HAVE_LLD)
    add_link_options(-fuse-ld=lld)
  endif()
endmacro()
