#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton ask(const QString& message)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tazuneエラーメッセージ"), message,
                    QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtMessageBox::showError(const QString& message)
{
    ask(message);
}

bool QtMessageBox::confirm(const QString& question)
{
    return ask(question) == QMessageBox::Ok;
}
