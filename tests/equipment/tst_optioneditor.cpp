#include "EngineTest.h"
#include "MessageRecorder.h"

#include "admin/AppLabels.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "admin/Options.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "equipment/CataConfigFra.h"
#include "equipment/DictionaryFra.h"
#include "equipment/OptionEditorFrm.h"
#include "equipment/OptionLabelsFra.h"
#include "equipment/OptionOthersFra.h"
#include "equipment/PickListFra.h"
#include "equipment/SystatuSet.h"

#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QStringList Statuses() {
    QStringList statuses;
    SystatuSet.StatusList(statuses);
    return statuses;
}

// Makes a change on every page, as an operator would before choosing OK or Cancel.
void ChangeEverything(TOptionEditorFrm& dialog) {
    auto* lists = dialog.Page<TPickListFra>();
    lists->Lists()->setCurrentRow(0);  // 设备.资金来源
    lists->Memo()->setPlainText("自筹\n贷款");
    lists->Lists()->setCurrentRow(1);
    dialog.Page<TCodeFormatFra>()->AddButton()->click();
    auto* statuses = dialog.Page<TSystatusFra>();
    SystatuSet.Query().Locate("Status", "报废");
    statuses->RemoveButton()->click();
    dialog.Page<TOptionLabelsFra>()->Box(25)->setText("车间代号");
    auto* classes = dialog.Page<TCataConfigFra>();
    classes->Classes()->setCurrentRow(1);
    classes->NameEdit()->selectAll();
    QInputMethodEvent typed;
    typed.setCommitString("精度等级");
    QApplication::sendEvent(classes->NameEdit(), &typed);
    classes->InUse()->setChecked(true);
    dialog.Page<TOptionOthersFra>()->LogSwitch()->setChecked(true);
}

} // namespace

class tst_OptionEditor : public QObject {
    Q_OBJECT
public:
    explicit tst_OptionEditor(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void pagesInOrder();
    void cancelSavesNothing();
    void okSavesEveryPage();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_OptionEditor::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    KeyValue2.DataSet().Close();
    Options().Reload();
    SystatuSet.Load();
    AppLabels = TAppLabels();
    AppLabels.Load(Options(), KeyValue2);
    CurrentOperator.Load("sa");
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_OptionEditor::cleanup() {
    m_messages.reset();
    m_db.reset();
}

void tst_OptionEditor::pagesInOrder() {
    TOptionEditorFrm dialog;
    QStringList captions;
    for (int i = 0; i < dialog.Tree()->topLevelItemCount(); ++i)
        captions.append(dialog.Tree()->topLevelItem(i)->text(0));
    QCOMPARE(captions, (QStringList{"下拉选项", "编号规则", "设备状况", "标签选项", "设备分类", "其他选项"}));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("选项"));
    QCOMPARE(dialog.Page<TPickListFra>()->Lists()->count(), 16);
    QCOMPARE(dialog.Page<TPickListFra>()->Lists()->item(2)->text(), QStringLiteral("安装地点"));
}

void tst_OptionEditor::cancelSavesNothing() {
    const QString label = Options().GetText(25);
    {
        TOptionEditorFrm dialog;
        ChangeEverything(dialog);
        dialog.reject();
    }
    QCOMPARE(Statuses(), (QStringList{"在用", "闲置", "维修", "报废"}));
    QCOMPARE(ScalarInt("select count(*) from codes"), 1);
    QCOMPARE(KeyValue2.GetStr(101), QString());
    Options().Reload();
    QCOMPARE(Options().GetText(25), label);
    QCOMPARE(AppLabels.ClassLabels[1], QStringLiteral("类别二"));
    QVERIFY(!AppLabels.OperatorLog);
    QVERIFY(!KeyValue2.GetBool(75));
}

void tst_OptionEditor::okSavesEveryPage() {
    {
        TOptionEditorFrm dialog;
        ChangeEverything(dialog);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    KeyValue2.DataSet().Close();  // read back what reached the database
    QCOMPARE(KeyValue2.GetStr(101), QStringLiteral("自筹\n贷款"));
    QCOMPARE(ScalarInt("select count(*) from codes"), 2);
    QCOMPARE(ScalarInt("select count(*) from systatus where Status='报废'"), 0);
    QCOMPARE(Statuses(), (QStringList{"在用", "闲置", "维修"}));
    Options().Reload();
    QCOMPARE(Options().GetText(25), QStringLiteral("车间代号"));
    QCOMPARE(AppLabels.EquipmentStr[0], QStringLiteral("字符型1"));  // labels follow at the next start
    QCOMPARE(KeyValue2.GetStr(13), QStringLiteral("精度等级"));
    QVERIFY(KeyValue2.GetBool(69));
    QCOMPARE(AppLabels.ClassLabels[1], QStringLiteral("精度等级"));  // class titles at once
    QVERIFY(AppLabels.OperatorLog);
    QVERIFY(KeyValue2.GetBool(75));
}

LANYUE_ENGINE_TEST_MAIN(tst_OptionEditor)
#include "tst_optioneditor.moc"
