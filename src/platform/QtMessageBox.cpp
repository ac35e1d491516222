#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBox::showError(const QString& message)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tazuneエラーメッセージ"), message,
                    QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    box.exec();
}

bool QtMessageBox::confirm(const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tazune"), question,
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
