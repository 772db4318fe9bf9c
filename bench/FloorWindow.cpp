// floor_window: the least a Qt Widgets window of the calculator's kind costs to start, the
// yardstick of bench/startup.sh. A line edit, a label and 30 push buttons with Qt's own style and
// no style sheet, started the way zemtrix starts (raster drawing without an OpenGL integration,
// no desktop theme), so that the difference between the two is our own cost alone.
//
// With ZEMTRIX_INPUT_PROBE set, the first change of the line's text writes "input" on stdout,
// as zemtrix does, so that the time to the first typed key is measured the same way for both.
#include "ui/app/InputProbe.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QGuiApplication::setDesktopSettingsAware(false);
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto* column = new QVBoxLayout(&window);
    auto* line = new QLineEdit(&window);
    auto* label = new QLabel(QStringLiteral("0"), &window);
    column->addWidget(line);
    column->addWidget(label);
    auto* keys = new QGridLayout;
    column->addLayout(keys);
    constexpr int Columns = 6;
    for (int number = 0; number < 30; ++number)
        keys->addWidget(new QPushButton(QString::number(number), &window), number / Columns,
                        number % Columns);
    ConnectInputProbe(line);
    line->setFocus();
    window.show();
    return QApplication::exec();
}
