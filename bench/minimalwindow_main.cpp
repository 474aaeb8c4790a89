// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <cstring>

// The yardstick for the program's start-up: the least a Qt Widgets program
// does to show one window of about the same size. With --text the window
// holds one label, and so starts the fonts, as every window with text must.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velmora minimal window"));
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        (new QVBoxLayout(&window))->addWidget(new QLabel(QStringLiteral("Velmora"), &window));
    window.resize(640, 400);
    window.show();
    return QApplication::exec();
}
