#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBox::showError(const QString& message)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tazuneエラーメッセージ"), message,
                    QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    box.exec();
}
