#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label("VN-2400");
    label.resize(767, 200);
    label.show();
    return app.exec();
}
