# Qt's headers are about half of what a window's source file costs to
# compile, and more under the sanitizers. They are parsed once per target
# (the window libraries) or once per folder of window tests, whose flags
# are the same. -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON compiles without.

set(QV_QT_WINDOW_HEADERS
    <QtCore/QDir> <QtCore/QFileInfo> <QtCore/QString> <QtCore/QStringList>
    <QtGui/QColor> <QtGui/QImage> <QtGui/QPainter>
    <QtWidgets/QLabel> <QtWidgets/QPushButton> <QtWidgets/QWidget>)

function(qv_precompile_window_headers target)
  target_precompile_headers(${target} PRIVATE ${QV_QT_WINDOW_HEADERS})
endfunction()

# The first window test of a folder compiles the headers; the others use them.
function(qv_share_window_test_headers target)
  get_property(first DIRECTORY PROPERTY QV_WINDOW_TEST_HEADERS)
  if(first)
    target_precompile_headers(${target} REUSE_FROM ${first})
  else()
    target_precompile_headers(${target} PRIVATE <QtTest> ${QV_QT_WINDOW_HEADERS}
                              <QtCore/QSettings> <QtCore/QTemporaryDir> <QtWidgets/QSlider>)
    set_property(DIRECTORY PROPERTY QV_WINDOW_TEST_HEADERS ${target})
  endif()
endfunction()
