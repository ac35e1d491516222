#include "classroom/TFrmPupil.h"

#include "help/HelpTopics.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* addRow(QFormLayout* form, const QString& objectName, const QString& caption, QChar key,
                  qsizetype maxLength)
{
    auto* edit = new QLineEdit(form->parentWidget());
    edit->setObjectName(objectName);
    edit->setMaxLength(int(maxLength));
    edit->setAccessibleName(caption);
    auto* label = new QLabel(caption + QStringLiteral("(&") + key + u')', form->parentWidget());
    label->setBuddy(edit);
    form->addRow(label, edit);
    return edit;
}

} // namespace

TFrmPupil::TFrmPupil(QWidget* parent)
    : ProgramDialog({QStringLiteral("TFrmPupil"),
                     HelpTopics::PupilContext,
                     QStringLiteral("名前の登録"),
                     {320, 170}},
                    parent)
{
    auto* form = new QFormLayout(this);
    auto* intro = new QLabel(
        QStringLiteral(
            "課題の成績に付ける組・番号・名前です。このPCのこの利用者に一度だけ登録します。"),
        this);
    intro->setWordWrap(true);
    form->addRow(intro);
    classEdit = addRow(form, QStringLiteral("classEdit"), QStringLiteral("組"), u'K',
                       PupilText::MostClassCharacters);
    numberEdit = addRow(form, QStringLiteral("numberEdit"), QStringLiteral("番号"), u'B',
                        PupilText::MostNumberCharacters);
    nameEdit = addRow(form, QStringLiteral("nameEdit"), QStringLiteral("名前"), u'N',
                      PupilText::MostNameCharacters);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* edit : {classEdit, numberEdit, nameEdit})
        connect(edit, &QLineEdit::textChanged, this, &TFrmPupil::followEdits);
    followEdits();
}

void TFrmPupil::setPupil(const Pupil& known)
{
    classEdit->setText(known.classGroup);
    numberEdit->setText(known.number);
    nameEdit->setText(known.name);
    classEdit->setFocus();
}

Pupil TFrmPupil::pupil() const
{
    return {classEdit->text().trimmed(), numberEdit->text().trimmed(), nameEdit->text().trimmed()};
}

void TFrmPupil::followEdits()
{
    buttons->button(QDialogButtonBox::Ok)->setEnabled(pupil().isKnown());
}
