#include "Startup.h"

#include "admin/AppLabels.h"
#include "admin/Company.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "admin/Options.h"
#include "data/DBConfigFrm.h"
#include "data/Database.h"
#include "data/DatabaseSetup.h"
#include "equipment/DeptSet.h"
#include "equipment/EquipmentCommands.h"
#include "maintenance/MaintenanceCommands.h"
#include "equipment/SystatuSet.h"
#include "platform/Exceptions.h"
#include "spares/SparesCommands.h"
#include "ui/Application.h"
#include "ui/CompanyInfoFrm.h"
#include "ui/SplashFrm.h"
#include "ui/mainFrm.h"

#include <QApplication>

namespace {

bool Connect(TSplashFrm& splash) {
    splash.ShowHint(QStringLiteral("正在连接数据库,请稍候..."));
    TDBConfigFrm dialog;
    return ConnectAtStartup(dialog);
}

void LoadSettings() {
    Company.Load();
    AppLabels.Load(Options(), KeyValue2);
    DeptSet.LoadAll();
    SystatuSet.Load();
}

} // namespace

std::unique_ptr<TmainFrm> StartUp() {
    auto splash = std::make_unique<TSplashFrm>();
    splash->show();
    QApplication::processEvents();
    if (!Connect(*splash)) return nullptr;
    splash->ShowHint(QStringLiteral("数据库连接成功,请稍候..."));
    try {
        LoadSettings();
    } catch (const EAbort&) {
        return nullptr;
    } catch (const Exception& e) {
        // What failed is reported as every uncaught error is; start-up stops there.
        TApplication::ShowException(e.Message(), QStringLiteral("Exception"));
        return nullptr;
    }
    auto main = std::make_unique<TmainFrm>();
    splash.reset();
    AddEquipmentCommands(*main);
    AddMaintenanceCommands(*main);
    AddSparesCommands(*main);
    if (!main->Login()) return nullptr;
    main->showMaximized();
    return main;
}

void AfterStartUp(TmainFrm& main) {
    if (CurrentOperator.HasRight(10000) && !Company.IsFilled()) TCompanyInfoFrm::Edit(false, &main);
    // The tip of the day arrives with its window; until then key value 1 opens nothing.
}
