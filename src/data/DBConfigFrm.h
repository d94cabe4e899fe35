#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class TDBConfiger;

// The connection settings dialog that start-up shows while the database cannot be reached.
// It is created once, kept hidden, and filled from its settings each time it opens.
class TDBConfigFrm : public QDialog {
    Q_OBJECT
public:
    explicit TDBConfigFrm(QWidget* parent = nullptr);
    ~TDBConfigFrm() override;

    QString GetConnectionString();
    TDBConfiger& Configer() { return *m_configer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateHeader();
    QWidget* CreateServerPage();
    QWidget* CreateFilePage();
    QWidget* CreateDipPage();
    void FormShow();
    void ProviderChange(int index);
    void jetDefaultCheckBox1Click();
    void jetFileButton1Click();
    void OkButton1Click();

    std::unique_ptr<TDBConfiger> m_configer;
    // After a port that is no number the dialog reopens with what was typed, not what is stored.
    bool m_keepTyped = false;

    QComboBox* cbProvider1 = nullptr;
    QStackedWidget* PageControl1 = nullptr;
    QLineEdit* mssqlServerEdit1 = nullptr;
    QLineEdit* mssqlPortEdit1 = nullptr;
    QLineEdit* mssqlDbEdit1 = nullptr;
    QLineEdit* mssqlUserEdit1 = nullptr;
    QLineEdit* mssqlPwEdit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* jetDefaultCheckBox1 = nullptr;
    QLineEdit* jetfileEdit1 = nullptr;
    QPushButton* jetFileButton1 = nullptr;
    QLineEdit* jetUserEdit1 = nullptr;
    QLineEdit* jetPwEdit1 = nullptr;
    QLineEdit* edtDipUrl1 = nullptr;
    QLineEdit* edtDipUser1 = nullptr;
    QPushButton* OkButton1 = nullptr;
    QPushButton* CancelButton1 = nullptr;
};
