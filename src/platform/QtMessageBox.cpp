#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QInputDialog>
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

std::optional<QString> QtMessageBox::askText(const QString& question, const QString& preset)
{
    bool accepted = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), QStringLiteral("Tazune"), question,
                              QLineEdit::Normal, preset, &accepted);
    return accepted ? std::optional<QString>(text) : std::nullopt;
}
