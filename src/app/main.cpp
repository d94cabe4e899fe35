#include "data/DBConfigFrm.h"
#include "data/Database.h"
#include "data/DatabaseSetup.h"
#include "data/jtLib.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("澜岳设备管理系统"));
    {
        TDBConfigFrm connection;
        if (!ConnectAtStartup(connection)) return 0;
    }
    QLabel window(QStringLiteral("澜岳设备管理系统 - 工业版 2.45\n\n已连接: %1").arg(DB.GetDataSource()));
    window.setAlignment(Qt::AlignCenter);
    window.resize(640, 400);
    window.setWindowTitle(ApplicationTitle());
    window.show();
    const int result = app.exec();
    DB.SetConnected(false);
    return result;
}
