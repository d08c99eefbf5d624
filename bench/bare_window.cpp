// The floor for start-up: the least a Qt program must do to paint a window of the same size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(473, 295);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(64, 64, 64));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.show();
    return app.exec();
}
