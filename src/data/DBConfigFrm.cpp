#include "DBConfigFrm.h"

#include "data/DBConfiger.h"
#include "data/jtLib.h"
#include "platform/Format.h"
#include "platform/StarPassword.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// A database cylinder with a warning mark: the connection could not be made.
QPixmap HeaderPicture() {
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x8c), 1.5));
    p.setBrush(QColor(0x3a, 0x7b, 0xd5));
    QPainterPath body;
    body.moveTo(6, 10);
    body.lineTo(6, 36);
    body.arcTo(QRectF(6, 30, 32, 12), 180, 180);
    body.lineTo(38, 10);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 14, 32, 12), 180 * 16, 180 * 16);
    p.drawArc(QRectF(6, 22, 32, 12), 180 * 16, 180 * 16);
    p.setBrush(QColor(0x9c, 0xc2, 0xf2));
    p.drawEllipse(QRectF(6, 4, 32, 12));
    p.setPen(QPen(QColor(0x9e, 0x1b, 0x1b), 1));
    p.setBrush(QColor(0xd9, 0x30, 0x25));
    p.drawEllipse(QRectF(28, 28, 18, 18));
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(37, 32), QPointF(37, 38.5));
    p.drawPoint(QPointF(37, 42));
    return pixmap;
}

QLineEdit* NewEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

} // namespace

TDBConfigFrm::TDBConfigFrm(QWidget* parent)
    : QDialog(parent), m_configer(std::make_unique<TDBConfiger>()) {
    setObjectName(QStringLiteral("DBConfigFrm"));
    setWindowTitle(QStringLiteral("连接数据库"));

    auto* providerRow = new QHBoxLayout;
    providerRow->addWidget(new QLabel(QStringLiteral("提供者"), this));
    cbProvider1 = new QComboBox(this);
    cbProvider1->setObjectName(QStringLiteral("cbProvider1"));
    cbProvider1->addItems({QStringLiteral("PostgreSQL 数据库服务器"),
                           QStringLiteral("SQLite 数据库文件"),
                           QStringLiteral("远程连接服务 (PostgreSQL)")});
    providerRow->addWidget(cbProvider1, 1);

    auto* group = new QGroupBox(QStringLiteral("参数"), this);
    PageControl1 = new QStackedWidget(group);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addWidget(CreateServerPage());
    PageControl1->addWidget(CreateFilePage());
    PageControl1->addWidget(CreateDipPage());
    (new QVBoxLayout(group))->addWidget(PageControl1);

    OkButton1 = new QPushButton(QStringLiteral("确定(&Y)"), this);
    OkButton1->setObjectName(QStringLiteral("OkButton1"));
    CancelButton1 = new QPushButton(QStringLiteral("取消"), this);
    CancelButton1->setObjectName(QStringLiteral("CancelButton1"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {OkButton1, CancelButton1}) {
        button->setAutoDefault(false);  // Enter moves to the next control instead
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(CreateHeader());
    layout->addLayout(providerRow);
    layout->addWidget(group);
    layout->addLayout(buttons);

    const QList<QWidget*> order{cbProvider1,  mssqlServerEdit1,    mssqlPortEdit1, mssqlDbEdit1,
                                mssqlUserEdit1, mssqlPwEdit1,    CheckBox1,  jetDefaultCheckBox1,
                                jetfileEdit1, jetFileButton1,      jetUserEdit1,   jetPwEdit1,
                                edtDipUrl1,   edtDipUser1,         OkButton1,      CancelButton1};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(cbProvider1, &QComboBox::currentIndexChanged, this, &TDBConfigFrm::ProviderChange);
    connect(jetDefaultCheckBox1, &QCheckBox::toggled, this,
            &TDBConfigFrm::jetDefaultCheckBox1Click);
    connect(jetFileButton1, &QPushButton::clicked, this, &TDBConfigFrm::jetFileButton1Click);
    connect(OkButton1, &QPushButton::clicked, this, &TDBConfigFrm::OkButton1Click);
    connect(CancelButton1, &QPushButton::clicked, this, &QDialog::reject);

    // The dialog previews the keys of every control, as Enter means "next field" everywhere.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    FormShow();
}

TDBConfigFrm::~TDBConfigFrm() = default;

QString TDBConfigFrm::GetConnectionString() {
    return m_configer->GetConnectionString();
}

QWidget* TDBConfigFrm::CreateHeader() {
    auto* header = new QWidget(this);
    auto* picture = new QLabel(header);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(HeaderPicture());
    picture->setAlignment(Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    for (const QString& text : {QStringLiteral("注意，程序无法正常连接到指定的数据库。"),
                                QStringLiteral("1.单机版用户，请检查数据库文件是否存在或者已被破坏；"),
                                QStringLiteral("2.网络版用户，请检查网络是否畅通以及数据库服务器是否启动。"),
                                QStringLiteral("另外，请检查以下连接参数是否正确：")})
        texts->addWidget(new QLabel(text, header));
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    layout->addSpacing(8);
    layout->addLayout(texts, 1);
    return header;
}

QWidget* TDBConfigFrm::CreateServerPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("mssql"));
    mssqlServerEdit1 = NewEdit("mssqlServerEdit1", page);
    mssqlPortEdit1 = NewEdit("mssqlPortEdit1", page);
    mssqlDbEdit1 = NewEdit("mssqlDbEdit1", page);
    mssqlUserEdit1 = NewEdit("mssqlUserEdit1", page);
    mssqlPwEdit1 = NewEdit("mssqlPwEdit1", page);
    MaskWithStars(mssqlPwEdit1);
    CheckBox1 = new QCheckBox(QStringLiteral("采用智能连接"), page);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("服务器"), mssqlServerEdit1);
    form->addRow(QStringLiteral("端口"), mssqlPortEdit1);
    form->addRow(QStringLiteral("数据库名"), mssqlDbEdit1);
    form->addRow(QStringLiteral("登陆名"), mssqlUserEdit1);
    form->addRow(QStringLiteral("密 码"), mssqlPwEdit1);
    form->addRow(QString(), CheckBox1);
    return page;
}

QWidget* TDBConfigFrm::CreateFilePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("jet4"));
    jetDefaultCheckBox1 = new QCheckBox(QStringLiteral("使用默认连接"), page);
    jetDefaultCheckBox1->setObjectName(QStringLiteral("jetDefaultCheckBox1"));
    jetfileEdit1 = NewEdit("jetfileEdit1", page);
    jetfileEdit1->setMinimumWidth(240);
    jetFileButton1 = new QPushButton(QStringLiteral("..."), page);
    jetFileButton1->setObjectName(QStringLiteral("jetFileButton1"));
    jetFileButton1->setAutoDefault(false);
    jetFileButton1->setFixedWidth(32);
    jetUserEdit1 = NewEdit("jetUserEdit1", page);
    jetPwEdit1 = NewEdit("jetPwEdit1", page);
    MaskWithStars(jetPwEdit1);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(jetfileEdit1, 1);
    fileRow->addWidget(jetFileButton1);
    auto* form = new QFormLayout(page);
    form->addRow(QString(), jetDefaultCheckBox1);
    form->addRow(QStringLiteral("数据库文件:"), fileRow);
    form->addRow(QStringLiteral("用户名:"), jetUserEdit1);
    form->addRow(QStringLiteral("密码:"), jetPwEdit1);
    return page;
}

QWidget* TDBConfigFrm::CreateDipPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("jtdip"));
    edtDipUrl1 = NewEdit("edtDipUrl1", page);
    edtDipUser1 = NewEdit("edtDipUser1", page);
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("DIP地址"), edtDipUrl1);
    form->addRow(QStringLiteral("DIP用户"), edtDipUser1);
    return page;
}

void TDBConfigFrm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!m_keepTyped) FormShow();
        m_keepTyped = false;
    }
    QDialog::showEvent(event);
}

void TDBConfigFrm::FormShow() {
    const TDBConfiger& c = *m_configer;
    mssqlServerEdit1->setText(c.mssqlServer);
    mssqlPortEdit1->setText(QString::number(c.mssqlPort));
    mssqlDbEdit1->setText(c.mssqlDb);
    mssqlUserEdit1->setText(c.mssqlUser);
    mssqlPwEdit1->setText(c.mssqlPw);
    CheckBox1->setChecked(c.smartConnect);
    jetDefaultCheckBox1->setChecked(c.defaultCon);
    jetfileEdit1->setText(c.jetfile);
    jetUserEdit1->setText(c.jetUser);
    jetPwEdit1->setText(c.jetPw);
    edtDipUrl1->setText(c.dipUrl);
    edtDipUser1->setText(c.dipUser);
    const bool known = c.providerIdx >= 0 && c.providerIdx < cbProvider1->count();
    cbProvider1->setCurrentIndex(known ? c.providerIdx : TDBConfiger::ServerProvider);
    ProviderChange(cbProvider1->currentIndex());
    jetDefaultCheckBox1Click();
}

void TDBConfigFrm::ProviderChange(int index) {
    PageControl1->setCurrentIndex(index);
}

void TDBConfigFrm::jetDefaultCheckBox1Click() {
    const bool useDefault = jetDefaultCheckBox1->isChecked();
    const QColor colour =
        palette().color(QPalette::Active, useDefault ? QPalette::Button : QPalette::Base);
    const QList<QWidget*> controls{jetfileEdit1, jetFileButton1, jetUserEdit1, jetPwEdit1};
    for (QWidget* control : controls) {
        control->setEnabled(!useDefault);
        QPalette colours = control->palette();
        colours.setColor(control->backgroundRole(), colour);
        control->setPalette(colours);
    }
}

void TDBConfigFrm::jetFileButton1Click() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("打开"), jetfileEdit1->text(),
        QStringLiteral("SQLite 数据库 (*.db *.sqlite);;所有文件 (*)"));
    if (!file.isEmpty()) jetfileEdit1->setText(QDir::toNativeSeparators(file));
}

void TDBConfigFrm::OkButton1Click() {
    bool isNumber = false;
    const int port = mssqlPortEdit1->text().trimmed().toInt(&isNumber, 10);
    if (!isNumber) {
        // The conversion error is reported and nothing is saved, yet the dialog closes with OK:
        // the next attempt uses the stored string and, failing, reopens with what was typed.
        ShowInfo(Format("'%s' 不是有效的整数", {mssqlPortEdit1->text()}));
        m_keepTyped = true;
        accept();
        return;
    }
    TDBConfiger& c = *m_configer;
    c.mssqlServer = mssqlServerEdit1->text();
    c.mssqlPort = port;
    c.mssqlDb = mssqlDbEdit1->text();
    c.mssqlUser = mssqlUserEdit1->text();
    c.mssqlPw = mssqlPwEdit1->text();
    c.smartConnect = CheckBox1->isChecked();
    c.jetfile = jetfileEdit1->text();
    c.jetUser = jetUserEdit1->text();
    c.jetPw = jetPwEdit1->text();
    c.dipUrl = edtDipUrl1->text();
    c.dipUser = edtDipUser1->text();
    c.providerIdx = cbProvider1->currentIndex();
    c.defaultCon = jetDefaultCheckBox1->isChecked();
    c.Save();
    accept();
}

bool TDBConfigFrm::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && widget && widget->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
            focusNextPrevChild(modifiers == Qt::NoModifier);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
