#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton ask(const QString& message, QMessageBox::StandardButtons buttons,
                                const QString& caption = QStringLiteral("Tazuneエラーメッセージ"))
{
    QMessageBox box(QMessageBox::NoIcon, caption, message, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtMessageBox::showError(const QString& message)
{
    // Nothing to choose: a Cancel beside OK would promise what the box cannot do.
    ask(message, QMessageBox::Ok);
}

void QtMessageBox::tell(const QString& message)
{
    ask(message, QMessageBox::Ok, QStringLiteral("Tazune"));
}

bool QtMessageBox::confirm(const QString& question)
{
    return ask(question, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::optional<QString> QtMessageBox::askText(const QString& question, const QString& preset)
{
    bool accepted = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), QStringLiteral("Tazune"), question,
                              QLineEdit::Normal, preset, &accepted);
    return accepted ? std::optional<QString>(text) : std::nullopt;
}
