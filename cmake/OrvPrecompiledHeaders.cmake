# Precompiled Qt headers. Parsing the Qt headers dominates every compile, so each
# kind of target parses them once into a precompiled header that the other targets
# of that kind reuse:
#   libraries under src/ call orv_use_precompiled_headers(<target>) after add_library;
#   tests get theirs from orv_add_test.
# A reused header is only valid for targets compiled with the same flags, so each
# kind has its own small owner target whose flags match its users: libraries are
# compiled position-independent (-fPIC), test programs as executables (-fPIE).
# The compiler cache needs its pch sloppiness for these (see ccache.conf).

option(ORV_PRECOMPILED_HEADERS "Precompile the Qt headers shared by the libraries and tests" ON)

set(ORV_PCH_QT_HEADERS
    <QtGlobal> <QString> <QStringList> <QByteArray> <QList> <QHash> <QMap> <QSet>
    <QVariant> <QPointer> <QSharedPointer> <QObject> <QCoreApplication>
    <QIODevice> <QFile> <QFileInfo> <QDir> <QBuffer> <QDataStream> <QSettings>
    <QTextCodec> <QUrl> <QDateTime>
    <QColor> <QFont> <QFontMetrics> <QImage> <QPixmap> <QIcon> <QPainter>
    <QGuiApplication> <QScreen> <QKeyEvent> <QMouseEvent>
    <QApplication> <QWidget> <QDialog> <QAction> <QMenu> <QBoxLayout> <QGridLayout>
    <QLabel> <QPushButton> <QLineEdit> <QCheckBox> <QComboBox> <QAbstractButton>
    <QDoubleSpinBox> <QSpinBox> <QListWidget> <QTabWidget> <QMessageBox>
)
set(ORV_PCH_TEST_HEADERS ${ORV_PCH_QT_HEADERS} <QTest> <QSignalSpy> <QTemporaryDir>)

set(ORV_PCH_LIBRARY_OWNER orv_pch_library)
set(ORV_PCH_TEST_OWNER orv_pch_test)

# The owners are built from one trivial source; they exist only to make the header.
function(orv_make_pch_owner owner kind headers)
    set(source "${CMAKE_BINARY_DIR}/orv_pch/${owner}.cpp")
    file(CONFIGURE OUTPUT "${source}" CONTENT "int main() { return 0; }\n")
    if(kind STREQUAL "executable")
        add_executable(${owner} EXCLUDE_FROM_ALL "${source}")
    else()
        add_library(${owner} OBJECT "${source}")
    endif()
    set_target_properties(${owner} PROPERTIES AUTOMOC OFF AUTORCC OFF)
    target_link_libraries(${owner} PRIVATE ${ARGN})
    target_precompile_headers(${owner} PRIVATE ${headers})
endfunction()

# Gives <target> the shared precompiled Qt headers of its kind.
function(orv_use_precompiled_headers target)
    if(NOT ORV_PRECOMPILED_HEADERS)
        return()
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        set(owner ${ORV_PCH_TEST_OWNER})
        if(NOT TARGET ${owner})
            orv_make_pch_owner(${owner} executable "${ORV_PCH_TEST_HEADERS}"
                Qt6::Core Qt6::Core5Compat Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Test)
        endif()
    else()
        set(owner ${ORV_PCH_LIBRARY_OWNER})
        if(NOT TARGET ${owner})
            orv_make_pch_owner(${owner} library "${ORV_PCH_QT_HEADERS}"
                Qt6::Core Qt6::Core5Compat Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
        endif()
    endif()
    target_precompile_headers(${target} REUSE_FROM ${owner})
endfunction()
