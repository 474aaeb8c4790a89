// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QWidget>

// The yardstick for the program's start-up: the least a Qt Widgets program
// does to show one window of about the same size.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velmora minimal window"));
    window.resize(640, 400);
    window.show();
    return QApplication::exec();
}
