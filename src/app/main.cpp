#include "data/jtLib.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("澜岳设备管理系统"));
    QLabel window(QStringLiteral("澜岳设备管理系统 - 工业版 2.45"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(640, 400);
    window.setWindowTitle(ApplicationTitle());
    window.show();
    return app.exec();
}
