// The floor of a program's start on the screen: a Qt Widgets program that only shows an empty
// window. start_bench starts it as a process, as it starts the contact book.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}
