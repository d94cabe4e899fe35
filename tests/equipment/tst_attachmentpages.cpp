#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"
#include "TreeTesting.h"

#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "equipment/AccessoryEditorFrm.h"
#include "equipment/AccessoryReportFrm.h"
#include "equipment/AssetAccessoriesFra.h"
#include "equipment/AssetDocumentsFra.h"
#include "equipment/AssetEventsFra.h"
#include "equipment/AssetPhotosFra.h"
#include "equipment/AssetPickerFrm.h"
#include "equipment/AssetProfileFra.h"
#include "equipment/AstProfile.h"
#include "equipment/AttachmentFiles.h"
#include "equipment/CustomStatFrm.h"
#include "equipment/DeptSet.h"
#include "equipment/DocumentEditorFrm.h"
#include "equipment/EventEditorFrm.h"
#include "ui/ImageDlgFrm.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"
#include "ui/jtImageBox.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

using namespace treetesting;

namespace {

QString Info(const QString& message) {
    return QStringLiteral("\r\n") + message + QStringLiteral("\t");
}

QString Refused(int right) {
    return Info(QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(right));
}

QString ConfirmText(const QString& what) {
    return QStringLiteral("\r您确定要删除 %1 吗?\t\t").arg(what);
}

QVariant Value(const QString& sql) {
    ScratchSet.Open(sql);
    const DataSet& d = ScratchSet.DataSet();
    return d.IsEmpty() ? QVariant() : d.Fields(0).Value();
}

QByteArray Bytes(const QString& sql) {
    ScratchSet.Open(sql);
    return ScratchSet.DataSet().IsEmpty() ? QByteArray() : ScratchSet.DataSet().Fields(0).AsBytes();
}

void Equipment(int id, const QString& code, const QString& name, const QString& dept) {
    DB.ExecSQL("insert into equipments(Id,Code,EqiName,PartNo,Status,UseDeptId)"
               "values(:Id,:Code,:EqiName,'C6140','在用',:Dept)",
               {DBParam("Id", id), DBParam("Code", code), DBParam("EqiName", name),
                DBParam("Dept", dept)});
}

QByteArray Encoded(const QColor& colour, const char* format) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void StorePhoto(int id, const QString& ext, const QString& subject, const QByteArray& bytes) {
    DB.ExecSQL("insert into eqimages(Id,EqiId,Ext,Subject,Photo)values(:Id,1,:Ext,:Subject,:Photo)",
               {DBParam("Id", id), DBParam("Ext", ext), DBParam("Subject", subject)},
               {xDBParam("Photo", bytes)});
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void LogIn(const QList<int>& rights) {
    CurrentOperator = TOperator();
    CurrentOperator.LoginId = QStringLiteral("wang");
    CurrentOperator.Rights = RightsText(rights);
}

// Types text as an input method commits it, which reaches Chinese that key clicks cannot.
void Type(QWidget* input, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(input, &event);
}

QStringList Captions(const TjtImageBox& box) {
    QStringList captions;
    for (const TjtPhoto* photo : box.Photos())
        captions.append(photo->Caption() + (photo->Picture().isNull() ? "(空)" : ""));
    return captions;
}

} // namespace

class tst_AttachmentPages : public QObject {
    Q_OBJECT
public:
    explicit tst_AttachmentPages(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void profileTabsFollowRights_data();
    void profileTabsFollowRights();
    void commandsCheckTheirRights_data();
    void commandsCheckTheirRights();
    void accessoryPageAddsEditsAndDeletes();
    void accessoryEditorRefusesBadNumber();
    void listAddsAccessoryOfPickedMachine();
    void listFindsByConditions();
    void photoAddedWithUpperCaseExtension();
    void photoRenameIsFreeReplaceNeedsRight();
    void photosThatCannotShowKeepTheirFrame();
    void documentAddedAndOpenedTwice();
    void documentWhosePathIsGoneMustBeChosenAgain();
    void noteAddedEditedAndVanished();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<QTemporaryDir> m_files;
    QStringList m_opened;
};

void tst_AttachmentPages::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DB.ExecSQL("delete from department");
    AddDepartmentRow("00", "生产部");
    AddDepartmentRow("0000", "一车间");
    AddDepartmentRow("01", "后勤部");
    DeptSet.LoadAll();
    KeyValue2.DataSet().Close(); // the application-wide copy belongs to the previous database
    CurrentOperator.Load("sa");
    Restrictions = TOperatorRestrictions();
    AppLabels = TAppLabels();
    Equipment(1, "SB001", "车床", "0000");
    Equipment(2, "SB002", "铣床", "01");
    m_files = std::make_unique<QTemporaryDir>();
    qputenv("LANYUE_HOME", m_files->path().toUtf8());
    m_opened.clear();
    SetAttachmentOpener([this](const QString& path) {
        m_opened.append(path);
        return true;
    });
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_AttachmentPages::cleanup() {
    m_messages.reset();
    SetAttachmentOpener({});
    SetDocumentChooser({});
    SetPictureFileChooser({});
    qunsetenv("LANYUE_HOME");
    m_files.reset();
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_AttachmentPages::profileTabsFollowRights_data() {
    QTest::addColumn<QList<int>>("rights");
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("sa") << QList<int>{-1}
                        << QStringList{"基本", "扩展", "附件", "图片", "文档", "记事"};
    QTest::newRow("附件 and 记事")
        << QList<int>{139, 136} << QStringList{"基本", "扩展", "附件", "记事"};
    QTest::newRow("图片 and 文档")
        << QList<int>{138, 137} << QStringList{"基本", "扩展", "图片", "文档"};
    QTest::newRow("none") << QList<int>{} << QStringList{"基本", "扩展"};
}

void tst_AttachmentPages::profileTabsFollowRights() {
    QFETCH(QList<int>, rights);
    QFETCH(QStringList, tabs);
    if (rights != QList<int>{-1}) LogIn(rights);
    TAssetProfileFra profile;
    QStringList shown;
    for (int i = 0; i < profile.Tabs()->count(); ++i)
        shown.append(profile.Tabs()->tabText(i));
    QCOMPARE(shown, tabs);

    // A tab behind loads its machine when brought to the front.
    profile.SetAssetId(1);
    const int last = profile.Tabs()->count() - 1;
    QCOMPARE(profile.TabPage(last)->AssetId(), -1);
    profile.Tabs()->setCurrentIndex(last);
    QCOMPARE(profile.TabPage(last)->AssetId(), 1);
}

void tst_AttachmentPages::commandsCheckTheirRights_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("right");
    QTest::newRow("附件.添加") << "accessory add" << 115;
    QTest::newRow("附件.修改") << "accessory edit" << 116;
    QTest::newRow("附件.删除") << "accessory delete" << 117;
    QTest::newRow("附件列表.添加") << "list add" << 115;
    QTest::newRow("附件列表.统计") << "list stat" << 109;
    QTest::newRow("图片.添加") << "photo add" << 113;
    QTest::newRow("图片.删除") << "photo delete" << 112;
    QTest::newRow("文档.添加") << "document add" << 105;
    QTest::newRow("文档.修改") << "document edit" << 105;
    QTest::newRow("文档.删除") << "document delete" << 105;
    QTest::newRow("记事.添加") << "note add" << 127;
    QTest::newRow("记事.修改") << "note edit" << 127;
    QTest::newRow("记事.删除") << "note delete" << 127;
}

void tst_AttachmentPages::commandsCheckTheirRights() {
    QFETCH(QString, command);
    QFETCH(int, right);
    DB.ExecSQL("insert into accessories(Id,EqiId,ProductName)values(1,1,'卡盘')");
    StorePhoto(1, ".jpg", "正面", Encoded(Qt::red, "jpg"));
    DB.ExecSQL("insert into eqifile(Id,EqiId,Subject)values(1,1,'图纸')");
    DB.ExecSQL("insert into eqievents(Id,EqiId,Details)values(1,1,'大修')");
    LogIn({139, 138, 137, 136});
    TAssetAccessoriesFra accessories;
    TAssetPhotosFra photos;
    TAssetDocumentsFra documents;
    TAssetEventsFra notes;
    for (TAssetPageFra* page :
         std::initializer_list<TAssetPageFra*>{&accessories, &photos, &documents, &notes})
        page->SetAssetId(1);
    photos.ImageBox()->Photos().value(0)->SetSelected(true);
    TAccessoryReportFrm list;
    list.SearchClick();
    const QHash<QString, std::function<void()>> commands{
        {"accessory add", [&] { accessories.AddButton()->click(); }},
        {"accessory edit", [&] { accessories.EditButton()->click(); }},
        {"accessory delete", [&] { accessories.DeleteButton()->click(); }},
        {"list add", [&] { list.AddAction()->trigger(); }},
        {"list stat", [&] { list.StatAction()->trigger(); }},
        {"photo add", [&] { photos.AddButton()->click(); }},
        {"photo delete", [&] { photos.DeleteAction()->trigger(); }},
        {"document add", [&] { documents.AddButton()->click(); }},
        {"document edit", [&] { documents.EditAction()->trigger(); }},
        {"document delete", [&] { documents.DeleteAction()->trigger(); }},
        {"note add", [&] { notes.AddButton()->click(); }},
        {"note edit", [&] { notes.EditButton()->click(); }},
        {"note delete", [&] { notes.DeleteButton()->click(); }},
    };
    ModalCloser closer;
    commands.value(command)();
    QCOMPARE(m_messages->Texts(), QStringList{Refused(right)});
    QCOMPARE(closer.Opened(), QStringList());
    QVERIFY(!list.findChild<TAcsStatFrm*>());
    for (const char* table : {"accessories", "eqimages", "eqifile", "eqievents"})
        QCOMPARE(Value(QStringLiteral("select count(*) from %1").arg(table)).toInt(), 1);
}

void tst_AttachmentPages::accessoryPageAddsEditsAndDeletes() {
    AppLabels.AccessoryFloat[0] = QStringLiteral("重量");
    PickLists.SetItems(106, {QStringLiteral("个"), QStringLiteral("套")});
    TAssetAccessoriesFra page;
    page.SetAssetId(1);
    QCOMPARE(page.Accessories().Query().RecordCount(), 0);
    QString profileCode;
    QStringList units;
    bool weightLabelled = false;
    WhenShown<TAccessoryEditorFrm>([&](TAccessoryEditorFrm& editor) {
        profileCode = editor.Profile()->item(0, 1)->text();
        for (int i = 0; i < editor.UnitCombo()->count(); ++i)
            units.append(editor.UnitCombo()->itemText(i));
        for (const QLabel* label : editor.findChildren<QLabel*>())
            weightLabelled = weightLabelled || label->text() == u"重量";
        editor.NameEdit()->setText(QStringLiteral("卡盘"));
        editor.UnitCombo()->setEditText(QStringLiteral("套"));
        editor.NumberEdit(0)->setText(QStringLiteral("2.5"));
        editor.OkButton()->click();
    });
    page.AddButton()->click();
    QCOMPARE(profileCode, QStringLiteral("SB001"));
    QCOMPARE(units, (QStringList{"个", "套"}));
    QVERIFY(weightLabelled);
    const DataSet& rows = page.Accessories().Query();
    QCOMPARE(rows.RecordCount(), 1);
    QCOMPARE(rows.State(), DataSetState::Browse);
    QCOMPARE(rows.FieldByName("AssetCode").AsString(), QStringLiteral("SB001"));
    QCOMPARE(Value("select EqiId from accessories").toInt(), 1);
    QCOMPARE(Value("select Unit from accessories").toString(), QStringLiteral("套"));
    QCOMPARE(Value("select F1 from accessories").toDouble(), 2.5);
    QVERIFY(!Value("select F2 from accessories").isValid());

    QString shownName;
    WhenShown<TAccessoryEditorFrm>([&](TAccessoryEditorFrm& editor) {
        shownName = editor.NameEdit()->text() + u'|' + editor.NumberEdit(0)->text();
        editor.NameEdit()->setText(QStringLiteral("三爪卡盘"));
        editor.OkButton()->click();
    });
    page.EditButton()->click();
    QCOMPARE(shownName, QStringLiteral("卡盘|2.5"));
    QCOMPARE(Value("select ProductName from accessories").toString(), QStringLiteral("三爪卡盘"));
    QCOMPARE(rows.FieldByName("ProductName").AsString(), QStringLiteral("三爪卡盘"));

    m_messages->SetAnswer(QMessageBox::Cancel);
    page.DeleteAction()->trigger();
    QCOMPARE(Value("select count(*) from accessories").toInt(), 1);
    m_messages->SetAnswer(QMessageBox::Ok);
    page.DeleteButton()->click();
    QCOMPARE(m_messages->Texts(), (QStringList{ConfirmText("当前记录"), ConfirmText("当前记录")}));
    QCOMPARE(Value("select count(*) from accessories").toInt(), 0);
    QCOMPARE(rows.RecordCount(), 0);

    // "更多..." opens the list of every machine's accessories.
    page.ListButton()->click();
    TAccessoryReportFrm* list = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<TAccessoryReportFrm*>(window)) list = found;
    QVERIFY(list && list->isVisible());
    list->close();
}

void tst_AttachmentPages::accessoryEditorRefusesBadNumber() {
    TAssetAccessoriesFra page;
    page.SetAssetId(2);
    bool stayed = false;
    WhenShown<TAccessoryEditorFrm>([&](TAccessoryEditorFrm& editor) {
        editor.NameEdit()->setText(QStringLiteral("刀架"));
        editor.NumberEdit(1)->setText(QStringLiteral("1.2.3"));
        editor.OkButton()->click();
        stayed = editor.isVisible();
        editor.reject();
    });
    page.AddButton()->click();
    QVERIFY(stayed);
    QCOMPARE(m_messages->Texts(), QStringList{Info("\"1.2.3\" 不是有效的数字.")});
    QCOMPARE(Value("select count(*) from accessories").toInt(), 0);
    QCOMPARE(page.Accessories().Query().RecordCount(), 0);
}

void tst_AttachmentPages::listAddsAccessoryOfPickedMachine() {
    DB.ExecSQL("insert into accessories(Id,EqiId,ProductName,F1)values(1,1,'卡盘',4)");
    TAccessoryReportFrm list;
    QCOMPARE(list.windowTitle(), QStringLiteral("设备附件"));
    QCOMPARE(list.Accessories().Query().RecordCount(), 0); // opened empty
    list.SearchButton()->click();
    QCOMPARE(list.Accessories().Query().RecordCount(), 1);

    int pickerStart = 0;
    QString editorMachine;
    WhenShown<TAssetPickerFrm>([&](TAssetPickerFrm& picker) {
        pickerStart = picker.Assets().IdFld->AsInteger();
        picker.Assets().Query().Locate("Id", 2);
        WhenShown<TAccessoryEditorFrm>([&](TAccessoryEditorFrm& editor) {
            editorMachine = editor.Asset().Code;
            editor.NameEdit()->setText(QStringLiteral("刀架"));
            editor.OkButton()->click();
        });
        picker.OkButton()->click();
    });
    list.AddAction()->trigger();
    QCOMPARE(pickerStart, 1); // on the current accessory's machine
    QCOMPARE(editorMachine, QStringLiteral("SB002"));
    const DataSet& rows = list.Accessories().Query();
    QCOMPARE(rows.RecordCount(), 2);
    QCOMPARE(rows.FieldByName("ProductName").AsString(), QStringLiteral("刀架"));
    QCOMPARE(rows.FieldByName("AssetCode").AsString(), QStringLiteral("SB002"));
    QCOMPARE(rows.FieldByName("UseDeptPath").AsString(), QStringLiteral("\\\\后勤部"));
    QCOMPARE(Value("select EqiId from accessories where ProductName='刀架'").toInt(), 2);

    // The statistics count the rows shown, beside the list.
    list.StatAction()->trigger();
    auto* stat = list.findChild<TAcsStatFrm*>();
    QVERIFY(stat && stat->isVisible());
    stat->close();

    // A picker closed without a choice adds nothing.
    WhenShown<TAssetPickerFrm>([](TAssetPickerFrm& picker) { picker.reject(); });
    list.AddAction()->trigger();
    QCOMPARE(Value("select count(*) from accessories").toInt(), 2);
}

void tst_AttachmentPages::listFindsByConditions() {
    DB.ExecSQL("insert into accessories(Id,EqiId,ProductName,ClassA)values(1,1,'卡盘','夹具')");
    DB.ExecSQL("insert into accessories(Id,EqiId,ProductName,ClassA)values(2,2,'卡盘座','夹具')");
    DB.ExecSQL("insert into accessories(Id,EqiId,ProductName,ClassA)values(3,2,'刀架','刀具')");
    TAccessoryReportFrm list;
    const auto ids = [&list] {
        QList<int> found;
        const DataSet& d = list.Accessories().Query();
        for (int row = 0; row < d.RecordCount(); ++row)
            found.append(d.ValueAt(row, list.Accessories().IdFld->Index()).toInt());
        std::sort(found.begin(), found.end());
        return found;
    };
    Type(list.NameEdit(), QStringLiteral("卡盘"));
    list.SearchButton()->click();
    QCOMPARE(ids(), (QList<int>{1, 2}));
    Type(list.AssetNameEdit(), QStringLiteral("铣"));
    QTest::keyClick(list.AssetNameEdit(), Qt::Key_Return);
    QCOMPARE(ids(), QList<int>{2});

    // The department condition takes the chosen department's code; reset clears every edit.
    list.ResetButton()->click();
    QVERIFY(list.NameEdit()->text().isEmpty() && list.AssetNameEdit()->text().isEmpty());
    list.Where().AssetUseDeptFld->SetAsString(QStringLiteral("00"));
    list.SearchClick();
    QCOMPARE(ids(), QList<int>{1});
    QTest::keyClick(list.AssetCodeEdit(), Qt::Key_Escape);
    list.SearchClick();
    QCOMPARE(ids(), (QList<int>{1, 2, 3}));
    // A typed quote stays inside its condition.
    Type(list.NameEdit(), QStringLiteral("卡'盘"));
    list.SearchClick();
    QCOMPARE(ids(), QList<int>());
    QVERIFY(m_messages->Requests().isEmpty());
}

void tst_AttachmentPages::photoAddedWithUpperCaseExtension() {
    const QByteArray jpeg = Encoded(Qt::red, "jpg");
    const QString path = WriteFile(*m_files, "PUMP.JPG", jpeg);
    QString filter;
    SetPictureFileChooser([&](QWidget*, PictureFileMode, const QString& f) {
        filter = f;
        return path;
    });
    TAssetPhotosFra page;
    page.show();
    page.SetAssetId(1);
    auto seen = AnswerInput(QStringLiteral("泵体"));
    page.AddButton()->click();
    QVERIFY(filter.contains("*.JPG"));
    QCOMPARE(seen->Title, QStringLiteral("提示"));
    QCOMPARE(seen->Label, QStringLiteral("请输入图片名称"));
    QCOMPARE(seen->MaxLength, 30);
    QCOMPARE(Value("select Ext from eqimages").toString(), QStringLiteral(".jpg"));
    QCOMPARE(Value("select Subject from eqimages").toString(), QStringLiteral("泵体"));
    QCOMPARE(Bytes("select Photo from eqimages"), jpeg);
    QCOMPARE(Captions(*page.ImageBox()), QStringList{"泵体"});

    TAssetPhotosFra again;
    again.SetAssetId(1);
    QCOMPARE(Captions(*again.ImageBox()), QStringList{"泵体"});
    QCOMPARE(again.ImageBox()->Photos().value(0)->Ext(), QStringLiteral(".jpg"));

    // A file the photo list cannot show later is refused before anything is stored.
    const QString png = WriteFile(*m_files, "shot.png", Encoded(Qt::red, "png"));
    SetPictureFileChooser([&](QWidget*, PictureFileMode, const QString&) { return png; });
    AnswerInput(QStringLiteral("截图"));
    page.AddButton()->click();
    QCOMPARE(m_messages->Texts(), QStringList{Info("未知的图片格式!")});
    QCOMPARE(Value("select count(*) from eqimages").toInt(), 1);

    // Cancelling the name box stores nothing.
    SetPictureFileChooser([&](QWidget*, PictureFileMode, const QString&) { return path; });
    AnswerInput(QString(), false);
    page.AddButton()->click();
    QCOMPARE(Value("select count(*) from eqimages").toInt(), 1);
}

void tst_AttachmentPages::photoRenameIsFreeReplaceNeedsRight() {
    const QByteArray red = Encoded(Qt::red, "jpg");
    StorePhoto(1, ".jpg", "正面", red);
    LogIn({138});
    TAssetPhotosFra page;
    page.show();
    page.SetAssetId(1);
    TjtPhoto* photo = page.ImageBox()->Photos().value(0);
    QVERIFY(photo && !photo->Picture().isNull());
    photo->SetSelected(true);
    auto seen = AnswerInput(QStringLiteral("铭牌"));
    page.RenameAction()->trigger();
    QCOMPARE(seen->Text, QStringLiteral("正面"));
    QCOMPARE(Value("select Subject from eqimages").toString(), QStringLiteral("铭牌"));
    QCOMPARE(photo->Caption(), QStringLiteral("铭牌"));
    QVERIFY(m_messages->Requests().isEmpty());

    // Without right 114 OK is refused and the picture shows again until cancelled.
    int shown = 0;
    WhenShown<TImageDlgFrm>([&](TImageDlgFrm& dialog) {
        ++shown;
        WhenShown<TImageDlgFrm>([&](TImageDlgFrm& again) {
            ++shown;
            again.reject();
        });
        dialog.accept();
    });
    QTest::mouseDClick(photo->Image(), Qt::LeftButton);
    QCOMPARE(shown, 2);
    QCOMPARE(m_messages->Texts(), QStringList{Refused(114)});
    QCOMPARE(Bytes("select Photo from eqimages"), red);

    LogIn({138, 114});
    QImage blue(20, 10, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    WhenShown<TImageDlgFrm>([&](TImageDlgFrm& dialog) {
        dialog.SetPicture(blue);
        dialog.SetExt(QStringLiteral(".bmp"));
        dialog.accept();
    });
    page.OpenAction()->trigger();
    QCOMPARE(Value("select Ext from eqimages").toString(), QStringLiteral(".bmp"));
    QCOMPARE(DecodePicture(Bytes("select Photo from eqimages"), ".bmp").pixelColor(0, 0),
             QColor(Qt::blue));
    QCOMPARE(photo->Picture().pixelColor(0, 0), QColor(Qt::blue));

    // OK on an untouched picture keeps the stored bytes as they are.
    const QByteArray stored = Bytes("select Photo from eqimages");
    WhenShown<TImageDlgFrm>([](TImageDlgFrm& dialog) { dialog.accept(); });
    page.OpenAction()->trigger();
    QCOMPARE(Bytes("select Photo from eqimages"), stored);
}

void tst_AttachmentPages::photosThatCannotShowKeepTheirFrame() {
    StorePhoto(1, ".jpg", "正面", Encoded(Qt::red, "jpg"));
    StorePhoto(2, ".jpg", "损坏", QByteArray("not a picture"));
    StorePhoto(3, ".png", "截图", Encoded(Qt::red, "png"));
    TAssetPhotosFra page;
    page.SetAssetId(1);
    QCOMPARE(Captions(*page.ImageBox()), (QStringList{"正面", "损坏(空)", "截图(空)"}));
    QVERIFY(m_messages->Requests().isEmpty());

    page.ImageBox()->Photos().value(1)->SetSelected(true);
    page.DeleteAction()->trigger();
    QCOMPARE(m_messages->Texts(), QStringList{ConfirmText("该图片")});
    QCOMPARE(Captions(*page.ImageBox()), (QStringList{"正面", "截图(空)"}));
    QCOMPARE(Value("select count(*) from eqimages").toInt(), 2);
}

void tst_AttachmentPages::documentAddedAndOpenedTwice() {
    PickLists.SetItems(103, {QStringLiteral("说明书"), QStringLiteral("图纸")});
    const QString path = WriteFile(*m_files, "说明书.pdf", QByteArray("PDF-1\0x", 7));
    SetDocumentChooser([&](QWidget*, const QString&) { return path; });
    TAssetDocumentsFra page;
    page.SetAssetId(1);
    QString title;
    QDate date;
    int files = 0;
    WhenShown<TDocumentEditorFrm>([&](TDocumentEditorFrm& editor) {
        title = editor.windowTitle();
        date = editor.DateEdit()->AsDate().toDate();
        editor.PathButton()->click();
        files = editor.FileView()->count();
        editor.SubjectCombo()->setCurrentIndex(1);
        editor.HandmanCombo()->setEditText(QStringLiteral("张三"));
        editor.OkButton()->click();
    });
    page.AddButton()->click();
    QCOMPARE(title, QStringLiteral("设备文档.添加"));
    QCOMPARE(date, QDate::currentDate());
    QCOMPARE(files, 1);
    QCOMPARE(Value("select EqiId from eqifile").toInt(), 1);
    QCOMPARE(Value("select Subject from eqifile").toString(), QStringLiteral("图纸"));
    QCOMPARE(Value("select FileName from eqifile").toString(), path);
    QCOMPARE(Bytes("select FileData from eqifile"), QByteArray("PDF-1\0x", 7));
    QCOMPARE(page.Documents().FileNameCalcFld->AsString(), QStringLiteral("说明书.pdf"));

    page.OpenButton()->click();
    const QString copy = QDir(m_files->path()).filePath("tmp_说明书.pdf");
    QCOMPARE(m_opened, QStringList{copy});
    QCOMPARE(ReadFile(copy), QByteArray("PDF-1\0x", 7));

    DB.ExecSQL("update eqifile set FileData=:Data", {}, {xDBParam("Data", QByteArray("PDF-2"))});
    page.Documents().OpenByAsset(1);
    page.OpenAction()->trigger();
    QCOMPARE(m_opened, (QStringList{copy, copy}));
    QCOMPARE(ReadFile(copy), QByteArray("PDF-2"));

    SetAttachmentOpener([](const QString&) { return false; });
    page.OpenButton()->click();
    QCOMPARE(m_messages->Texts(),
             QStringList{Info("没有找到能打开该文件的程序:\r\n" + QDir::toNativeSeparators(copy))});

    m_messages->Clear();
    page.DeleteAction()->trigger();
    QCOMPARE(m_messages->Texts(), QStringList{ConfirmText("当前记录")});
    QCOMPARE(Value("select count(*) from eqifile").toInt(), 0);
}

void tst_AttachmentPages::documentWhosePathIsGoneMustBeChosenAgain() {
    DB.ExecSQL("insert into eqifile(Id,EqiId,Subject,FileName,Handman)"
               "values(1,1,'图纸','/gone/车床图纸.dwg','张三')");
    const QString path = WriteFile(*m_files, "新图纸.dwg", QByteArray("DWG"));
    TAssetDocumentsFra page;
    page.SetAssetId(1);
    QString title, shownPath, handman;
    bool stayed = false;
    WhenShown<TDocumentEditorFrm>([&](TDocumentEditorFrm& editor) {
        title = editor.windowTitle();
        shownPath = editor.PathEdit()->text();
        handman = editor.HandmanCombo()->currentText();
        editor.OkButton()->click();
        stayed = editor.isVisible();
        editor.SetPath(path);
        editor.OkButton()->click();
    });
    page.EditAction()->trigger();
    QCOMPARE(title, QStringLiteral("设备文档.修改"));
    QCOMPARE(shownPath, QString());
    QCOMPARE(handman, QStringLiteral("张三"));
    QVERIFY(stayed);
    QCOMPARE(m_messages->Texts(), QStringList{Info("请选择文档文件.")});
    QCOMPARE(Value("select count(*) from eqifile").toInt(), 1);
    QCOMPARE(Value("select FileName from eqifile").toString(), path);
    QCOMPARE(Bytes("select FileData from eqifile"), QByteArray("DWG"));
    QCOMPARE(page.Documents().Query().State(), DataSetState::Browse);
}

void tst_AttachmentPages::noteAddedEditedAndVanished() {
    TAssetEventsFra page;
    page.SetAssetId(2);
    QString title;
    QStringList labels;
    WhenShown<TEventEditorFrm>([&](TEventEditorFrm& editor) {
        title = editor.windowTitle();
        for (const QLabel* label : editor.findChildren<QLabel*>())
            labels.append(label->text());
        editor.DetailsMemo()->setPlainText(QStringLiteral("更换主轴轴承"));
        editor.OkButton()->click();
    });
    page.AddButton()->click();
    QCOMPARE(title, QStringLiteral("要事记录"));
    QVERIFY(labels.contains("日期") && labels.contains("事件内容"));
    QCOMPARE(Value("select EqiId from eqievents").toInt(), 2);
    QCOMPARE(Value("select Details from eqievents").toString(), QStringLiteral("更换主轴轴承"));
    QCOMPARE(page.Events().EvnDateFld->AsDateTime().date(), QDate::currentDate());

    QString shown;
    WhenShown<TEventEditorFrm>([&](TEventEditorFrm& editor) {
        shown = editor.DetailsMemo()->toPlainText();
        editor.DetailsMemo()->setPlainText(QStringLiteral("大修"));
        editor.OkButton()->click();
    });
    page.EditButton()->click();
    QCOMPARE(shown, QStringLiteral("更换主轴轴承"));
    QCOMPARE(Value("select Details from eqievents").toString(), QStringLiteral("大修"));

    DB.ExecSQL("delete from eqievents"); // at another workstation
    bool stayed = false;
    WhenShown<TEventEditorFrm>([&](TEventEditorFrm& editor) {
        editor.DetailsMemo()->setPlainText(QStringLiteral("报废"));
        editor.OkButton()->click();
        stayed = editor.isVisible();
        editor.reject();
    });
    page.EditButton()->click();
    QVERIFY(stayed);
    QCOMPARE(m_messages->Texts(), QStringList{Info("保存失败, 该记事已被删除.")});
    QCOMPARE(page.Events().Query().State(), DataSetState::Browse);
    QCOMPARE(page.Events().DetailsFld->AsString(), QStringLiteral("大修"));
}

LANYUE_ENGINE_TEST_MAIN(tst_AttachmentPages)
#include "tst_attachmentpages.moc"
