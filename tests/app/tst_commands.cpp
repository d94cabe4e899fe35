#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"

#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "admin/Options.h"
#include "data/Schema.h"
#include "equipment/DeptSet.h"
#include "equipment/EquipmentCommands.h"
#include "equipment/SystatuSet.h"
#include "maintenance/MaintenanceCommands.h"
#include "spares/SparesCommands.h"
#include "ui/PubFrm.h"
#include "ui/jtListboxNav.h"
#include "ui/mainFrm.h"

#include <QAction>

// The commands every library puts into the main window, as start-up registers them.
class tst_Commands : public QObject {
    Q_OBJECT
public:
    explicit tst_Commands(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void navigationEntriesInOrder();
    void gatedCommands_data();
    void gatedCommands();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TPubFrm> m_pub;
    std::unique_ptr<TmainFrm> m_main;
};

void tst_Commands::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    KeyValue2.DataSet().Close();
    Options().Reload();
    DeptSet.LoadAll();
    SystatuSet.Load();
    AppLabels = TAppLabels();
    CurrentOperator.Load("sa");
    Restrictions = TOperatorRestrictions();
    if (!TPubFrm::Instance()) m_pub = std::make_unique<TPubFrm>();
    m_main = std::make_unique<TmainFrm>();
    AddEquipmentCommands(*m_main);
    AddMaintenanceCommands(*m_main);
    AddSparesCommands(*m_main);
}

void tst_Commands::cleanup() {
    m_main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_db.reset();
}

void tst_Commands::navigationEntriesInOrder() {
    // The fixed order of the list, each entry opening its window.
    const QList<std::pair<TMainSlot, QString>> order{
        {TMainSlot::Asset, "设备台账"},        {TMainSlot::CareitemList, "设备保养"},
        {TMainSlot::RepairList, "设备维修"},   {TMainSlot::ChangeList, "设备变更"},
        {TMainSlot::AccidentList, "设备事故"}, {TMainSlot::Parts, "备件资料"},
        {TMainSlot::Partinstail, "备件申购"},  {TMainSlot::PartFix, "备件安装"},
        {TMainSlot::PartRepair, "备件维修"}};
    QStringList expected;
    for (const auto& [slot, caption] : order) {
        QVERIFY2(m_main->Command(slot), qPrintable(caption));
        expected.append(caption);
    }
    QCOMPARE(m_main->NavigationList()->Captions(), expected);
    // Clicking an entry opens its window, of the class the entry names.
    TjtListboxNav* list = m_main->NavigationList();
    for (int row = 0; row < list->count(); ++row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        QCOMPARE(m_main->Children().size(), row + 1);
        QCOMPARE(m_main->Children().last()->windowTitle().isEmpty(), false);
    }
}

void tst_Commands::gatedCommands_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("opens");
    QTest::newRow("部门设置") << int(TMainSlot::Departments) << 107 << "TDeptPickerFrm";
    QTest::newRow("选项") << int(TMainSlot::Options) << 107 << "TOptionEditorFrm";
    QTest::newRow("修改日志") << int(TMainSlot::AssetUpdatelog) << 140 << "TEquiplogsReportFrm";
}

void tst_Commands::gatedCommands() {
    QFETCH(int, slot);
    QFETCH(int, right);
    QFETCH(QString, opens);
    QAction* command = m_main->Command(TMainSlot(slot));
    QVERIFY(command);
    {
        CurrentOperator.LoginId = "op";
        CurrentOperator.Rights.clear();
        MessageRecorder messages;
        ModalCloser closer;
        command->trigger();
        QCOMPARE(messages.Texts().size(), 1);
        QVERIFY(messages.Last().contains(QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(right)));
        QVERIFY(closer.Opened().isEmpty());
        QVERIFY(m_main->Children().isEmpty());
    }
    CurrentOperator.Load("sa");
    ModalCloser closer;
    command->trigger();
    QStringList opened = closer.Opened();
    for (const TBasicFrm* child : m_main->Children())
        opened.append(QString::fromLatin1(child->metaObject()->className()));
    QCOMPARE(opened, QStringList{opens});
}

LANYUE_ENGINE_TEST_MAIN(tst_Commands)
#include "tst_commands.moc"
