#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

namespace vorkast {

namespace {

QWidget *parentWindow()
{
    return QApplication::activeWindow();
}

QString title()
{
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Vorkast") : QApplication::applicationName();
}

// Message texts use CR as the line break; Qt wants LF.
QString lines(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

class QtProgress : public Progress {
public:
    QtProgress(const QString &label, int maximum)
        : m_dialog(label, QStringLiteral("Отмена"), 0, maximum, parentWindow())
    {
        m_dialog.setWindowTitle(title());
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(300);
        m_dialog.setValue(0);
    }
    void setValue(int value) override
    {
        m_dialog.setValue(value);
        QApplication::processEvents();
    }
    bool wasCanceled() const override { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
};

} // namespace

void QtDialogs::information(const QString &text)
{
    QMessageBox::information(parentWindow(), title(), lines(text));
}

void QtDialogs::error(const QString &text)
{
    QMessageBox::critical(parentWindow(), title(), lines(text));
}

bool QtDialogs::confirmError(const QString &text)
{
    return QMessageBox::critical(parentWindow(), QStringLiteral("Ошибка"), lines(text),
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Ok;
}

QString QtDialogs::openFile(const QString &filter, const QString &startPath)
{
    return QFileDialog::getOpenFileName(parentWindow(), QString(), startPath, filter);
}

std::unique_ptr<Progress> QtDialogs::progress(const QString &label, int maximum)
{
    return std::make_unique<QtProgress>(label, maximum);
}

} // namespace vorkast
