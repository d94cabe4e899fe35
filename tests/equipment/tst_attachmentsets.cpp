#include "EngineTest.h"
#include "MessageRecorder.h"

#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"
#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "equipment/AccessoriesSet.h"
#include "equipment/AccessoriesWhere.h"
#include "equipment/DeptSet.h"
#include "equipment/DocumentSet.h"
#include "equipment/EqiEventSet.h"
#include "equipment/EqiImageSet.h"
#include "platform/Exceptions.h"

#include <QBuffer>
#include <QImage>

namespace {

void Equipment(int id, const QString& code, const QString& name, const QString& dept) {
    DB.ExecSQL("insert into equipments(Id,Code,EqiName,PartNo,Status,UseDeptId)"
               "values(:Id,:Code,:EqiName,'C6140','在用',:Dept)",
               {DBParam("Id", id), DBParam("Code", code), DBParam("EqiName", name),
                DBParam("Dept", dept)});
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

QByteArray Encoded(const QColor& colour, const char* format) {
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QString ErrorOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

TAccessoryInput Accessory(const QString& name) {
    TAccessoryInput input;
    input.ProductName = name;
    input.PartNo = QStringLiteral("K11-200");
    input.Unit = QStringLiteral("个");
    input.S = {QStringLiteral("甲"), QString(), QStringLiteral("丙")};
    input.F = {1.5, QVariant(), 3};
    return input;
}

} // namespace

class tst_AttachmentSets : public QObject {
    Q_OBJECT
public:
    explicit tst_AttachmentSets(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void accessoriesShowTheirMachineAsItIsNow();
    void accessoryWritesNeedTheirRow();
    void photosKeepTheFileBytes();
    void photoOfUnknownFormatSaysSo();
    void documentsKeepBinaryContent();
    void notesSaveAndDelete();
    void deletingMachineRemovesWhatHangsOnIt();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_AttachmentSets::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DB.ExecSQL("delete from department");
    DB.ExecSQL("insert into department(Code,Name)values('00','生产部')");
    DB.ExecSQL("insert into department(Code,Name)values('0000','一车间')");
    DB.ExecSQL("insert into department(Code,Name)values('01','后勤部')");
    DeptSet.LoadAll();
    CurrentOperator.Load("sa");
    Restrictions = TOperatorRestrictions();
    AppLabels = TAppLabels();
    Equipment(1, "SB001", "车床", "0000");
    Equipment(2, "SB002", "铣床", "01");
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_AttachmentSets::cleanup() {
    m_messages.reset();
    m_db.reset();
}

void tst_AttachmentSets::accessoriesShowTheirMachineAsItIsNow() {
    AppLabels.AccessoryFloat[0] = QStringLiteral("重量");
    TAccessoriesSet set;
    set.OpenById(-1);
    QCOMPARE(set.Query().RecordCount(), 0);
    QCOMPARE(set.FFlds[0]->DisplayLabel(), QStringLiteral("重量"));
    QVERIFY(!set.IdFld->Visible() && !set.EqiIdFld->Visible());

    TAssetsSet assets;
    assets.OpenById(1);
    for (const QString& name : {QStringLiteral("卡盘"), QStringLiteral("尾座")}) {
        set.Query().Append();
        set.SetAssetData(assets.AssetData());
        set.SetInput(Accessory(name));
        QVERIFY(set.Insert());
        set.Query().Post();
    }
    QCOMPARE(set.IdFld->AsInteger(), 2);
    QCOMPARE(set.Query().FieldByName("UseDeptPath").AsString(),
             QStringLiteral("\\\\生产部\\一车间"));
    QCOMPARE(set.Query().FieldByName("AssetName").AsString(), QStringLiteral("车床"));
    QCOMPARE(Value("select count(*) from accessories where EqiId=1").toInt(), 2);
    QCOMPARE(Value("select F1 from accessories where Id=1").toDouble(), 1.5);
    QVERIFY(!Value("select F2 from accessories where Id=1").isValid());
    QCOMPARE(Value("select S3 from accessories where Id=1").toString(), QStringLiteral("丙"));

    // The machine's columns come from the machine at each query, not from the accessory.
    DB.ExecSQL("update equipments set EqiName='数控车床', UseDeptId='01' where Id=1");
    TAccessoriesWhere where;
    where.AssetIdFld->SetAsInteger(1);
    set.OpenByWhere(where);
    QCOMPARE(set.Query().RecordCount(), 2);
    QCOMPARE(set.Query().FieldByName("AssetName").AsString(), QStringLiteral("数控车床"));
    QCOMPARE(set.Query().FieldByName("UseDeptPath").AsString(), QStringLiteral("\\\\后勤部"));
    TAssetData back;
    set.GetAssetData(back);
    QCOMPARE(back.Id, 1);
    QCOMPARE(back.Code, QStringLiteral("SB001"));
    QCOMPARE(back.UseDeptId, QStringLiteral("01"));

    // Moving an accessory to another machine rewrites its owner.
    assets.OpenById(2);
    set.Query().Locate("Id", 1);
    set.Query().Edit();
    set.SetAssetData(assets.AssetData());
    set.ProductNameFld->SetAsString(QStringLiteral("三爪卡盘"));
    QVERIFY(set.Update());
    set.Query().Post();
    QCOMPARE(Value("select EqiId from accessories where Id=1").toInt(), 2);
    QCOMPARE(Value("select ProductName from accessories where Id=1").toString(),
             QStringLiteral("三爪卡盘"));
    QCOMPARE(set.Input().F[0].toDouble(), 1.5);

    QVERIFY(set.DeleteCurrent());
    QCOMPARE(set.Query().RecordCount(), 1);
    QCOMPARE(Value("select count(*) from accessories").toInt(), 1);
}

void tst_AttachmentSets::accessoryWritesNeedTheirRow() {
    DB.ExecSQL("insert into accessories(Id,EqiId,ProductName)values(7,1,'卡盘')");
    TAccessoriesSet set;
    set.OpenById(7);
    QCOMPARE(set.Query().RecordCount(), 1);
    DB.ExecSQL("delete from accessories"); // at another workstation
    set.Query().Edit();
    set.RemarkFld->SetAsString(QStringLiteral("已换"));
    QVERIFY(!set.Update());
    set.Query().Cancel();
    set.OpenById(-1);
    QVERIFY(!set.DeleteCurrent());
}

void tst_AttachmentSets::photosKeepTheFileBytes() {
    const QByteArray jpeg = Encoded(Qt::red, "jpg");
    TEqiImageSet set;
    set.OpenByAsset(1);
    const int id = set.AddPhoto(1, QStringLiteral(".jpg"), jpeg, QStringLiteral("正面"));
    QCOMPARE(id, 1);
    QCOMPARE(Value("select Subject from eqimages").toString(), QStringLiteral("正面"));
    QCOMPARE(Value("select Ext from eqimages").toString(), QStringLiteral(".jpg"));
    QCOMPARE(Bytes("select Photo from eqimages"), jpeg);
    QCOMPARE(set.Photo().size(), QSize(12, 8));
    QCOMPARE(set.AddPhoto(1, QStringLiteral(".jpg"), jpeg, QStringLiteral("侧面")), 2);

    QVERIFY(set.Rename(id, QStringLiteral("铭牌")));
    QVERIFY(!set.Rename(99, QStringLiteral("铭牌")));
    QCOMPARE(Value("select Subject from eqimages where Id=1").toString(), QStringLiteral("铭牌"));

    const QByteArray bmp = Encoded(Qt::blue, "bmp");
    QVERIFY(set.ReplacePhoto(id, QStringLiteral(".bmp"), bmp));
    QCOMPARE(Value("select Ext from eqimages where Id=1").toString(), QStringLiteral(".bmp"));
    QCOMPARE(Bytes("select Photo from eqimages where Id=1"), bmp);
    QCOMPARE(set.Photo().pixelColor(0, 0), QColor(Qt::blue));

    // No picture clears the stored one; the row stays.
    QVERIFY(set.ReplacePhoto(id, QStringLiteral(".bmp"), QByteArray()));
    QVERIFY(!Value("select Photo from eqimages where Id=1").isValid());
    QVERIFY(set.Photo().isNull());

    set.OpenByAsset(1);
    QCOMPARE(set.Query().RecordCount(), 2);
    QVERIFY(set.DeletePhoto(id));
    QVERIFY(!set.DeletePhoto(id));
    QCOMPARE(Value("select count(*) from eqimages").toInt(), 1);
    QCOMPARE(set.Query().RecordCount(), 1);
}

void tst_AttachmentSets::photoOfUnknownFormatSaysSo() {
    DB.ExecSQL("insert into eqimages(Id,EqiId,Ext,Subject)values(1,1,'.png','截图')");
    TEqiImageSet set;
    set.OpenByAsset(1);
    QCOMPARE(ErrorOf([&] { set.Photo(); }), QStringLiteral("未知的图片格式!"));
    QCOMPARE(ErrorOf([] { PictureBytes(QImage(4, 4, QImage::Format_RGB32), ".gif"); }),
             QStringLiteral("未知的图片格式!"));
    // A known extension over bytes that hold no picture gives no picture, not an error.
    DB.ExecSQL("update eqimages set Ext='.JPG'");
    set.OpenByAsset(1);
    QVERIFY(ErrorOf([&] { QVERIFY(set.Photo().isNull()); }).isEmpty());
}

void tst_AttachmentSets::documentsKeepBinaryContent() {
    QByteArray content("%PDF\0\xff\xfe'\\x", 12);
    content.append(QByteArray(70000, '\x01'));
    TDocumentSet set;
    set.OpenByAsset(1);
    set.Query().Append();
    set.EqiIdFld->SetAsInteger(1);
    set.GetDateFld->SetAsDateTime(QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
    set.SubjectFld->SetAsString(QStringLiteral("说明书"));
    set.FileNameFld->SetAsString(QStringLiteral("C:\\资料\\车床 说明书.pdf"));
    set.FileDataFld->SetAsBytes(content);
    set.HandmanFld->SetAsString(QStringLiteral("张三"));
    QVERIFY(set.Save());
    QCOMPARE(set.Query().State(), DataSetState::Browse);
    QCOMPARE(set.IdFld->AsInteger(), 1);
    QCOMPARE(set.FileNameCalcFld->AsString(), QStringLiteral("车床 说明书.pdf"));

    set.OpenByAsset(1);
    QCOMPARE(set.FileDataFld->AsBytes(), content);
    QCOMPARE(set.GetDateFld->AsDateTime().date(), QDate(2024, 3, 5));
    QCOMPARE(set.FileNameCalcFld->DisplayLabel(), QStringLiteral("文件名"));
    QVERIFY(!set.FileDataFld->Visible());

    set.Query().Edit();
    set.FileNameFld->SetAsString(QStringLiteral("/home/wang/图纸.dwg"));
    set.FileDataFld->SetAsBytes(QByteArray("dwg"));
    QVERIFY(set.Save());
    QCOMPARE(Value("select count(*) from eqifile").toInt(), 1);
    QCOMPARE(Bytes("select FileData from eqifile"), QByteArray("dwg"));
    QCOMPARE(set.FileNameCalcFld->AsString(), QStringLiteral("图纸.dwg"));

    DB.ExecSQL("delete from eqifile"); // at another workstation
    set.Query().Edit();
    set.HandmanFld->SetAsString(QStringLiteral("李四"));
    QVERIFY(!set.Save());
    QCOMPARE(set.Query().State(), DataSetState::Edit);
}

void tst_AttachmentSets::notesSaveAndDelete() {
    TEqiEventSet set;
    set.OpenByAsset(2);
    for (const char* details : {"更换主轴轴承", "大修"}) {
        set.Query().Append();
        set.EqiIdFld->SetAsInteger(2);
        set.EvnDateFld->SetAsDateTime(QDateTime(QDate(2024, 6, 1), QTime(0, 0)));
        set.DetailsFld->SetAsString(QString::fromUtf8(details));
        QVERIFY(set.Save());
    }
    QCOMPARE(set.IdFld->AsInteger(), 2);
    set.Query().Edit();
    set.DetailsFld->SetAsString(QStringLiteral("年度大修"));
    QVERIFY(set.Save());
    QCOMPARE(Value("select Details from eqievents where Id=2").toString(),
             QStringLiteral("年度大修"));
    QCOMPARE(set.EvnDateFld->DisplayLabel(), QStringLiteral("日期"));
    QCOMPARE(set.DetailsFld->DisplayLabel(), QStringLiteral("事件内容"));

    set.OpenByAsset(2);
    QCOMPARE(set.Query().RecordCount(), 2);
    QVERIFY(set.DeleteCurrent());
    QCOMPARE(Value("select count(*) from eqievents").toInt(), 1);
}

void tst_AttachmentSets::deletingMachineRemovesWhatHangsOnIt() {
    for (int eqi : {1, 2}) {
        DB.ExecSQL("insert into accessories(Id,EqiId,ProductName)values(:Id,:EqiId,'卡盘')",
                   {DBParam("Id", eqi), DBParam("EqiId", eqi)});
        DB.ExecSQL("insert into eqimages(Id,EqiId,Ext,Subject)values(:Id,:EqiId,'.jpg','正面')",
                   {DBParam("Id", eqi), DBParam("EqiId", eqi)});
        DB.ExecSQL("insert into eqifile(Id,EqiId,Subject)values(:Id,:EqiId,'图纸')",
                   {DBParam("Id", eqi), DBParam("EqiId", eqi)});
        DB.ExecSQL("insert into eqievents(Id,EqiId,Details)values(:Id,:EqiId,'大修')",
                   {DBParam("Id", eqi), DBParam("EqiId", eqi)});
    }
    TAssetsSet assets;
    assets.OpenById(1);
    QVERIFY(assets.DeleteCurrent());
    for (const char* table : {"accessories", "eqimages", "eqifile", "eqievents"}) {
        const QString sql = QStringLiteral("select EqiId from %1").arg(QString::fromLatin1(table));
        QCOMPARE(Value(sql).toInt(), 2);
        QCOMPARE(Value(QStringLiteral("select count(*) from %1").arg(QString::fromLatin1(table)))
                     .toInt(),
                 1);
    }
}

LANYUE_ENGINE_TEST_MAIN(tst_AttachmentSets)
#include "tst_attachmentsets.moc"
