#include "settings/SpeechSettingsBox.h"

#include "help/HelpRouting.h"
#include "help/HelpTopics.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>

SpeechSettingsBox::SpeechSettingsBox(QWidget* parent)
    : QGroupBox(QStringLiteral("読み上げ"), parent), readAloudCheck(new QCheckBox(this)),
      speedSpin(new QDoubleSpinBox(this)), voiceEdit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("speechBox"));
    readAloudCheck->setObjectName(QStringLiteral("readAloudCheck"));
    readAloudCheck->setText(QStringLiteral("どのゲームでも問題を読み上げる(&Y)"));
    speedSpin->setObjectName(QStringLiteral("speedSpin"));
    speedSpin->setRange(SpeechSettings::MinimumSpeed, SpeechSettings::MaximumSpeed);
    speedSpin->setSingleStep(0.1);
    speedSpin->setDecimals(1);
    speedSpin->setAccessibleName(QStringLiteral("話す速さ"));
    voiceEdit->setObjectName(QStringLiteral("voiceEdit"));
    voiceEdit->setPlaceholderText(QStringLiteral("空欄なら入っている声"));
    voiceEdit->setAccessibleName(QStringLiteral("声のファイル (.htsvoice)"));

    HelpRouting::setContext(this, HelpTopics::ReadAloudContext);
    HelpRouting::setContext(voiceEdit, HelpTopics::VoicesContext);

    auto* layout = new QFormLayout(this);
    layout->addRow(readAloudCheck);
    layout->addRow(QStringLiteral("話す速さ(&P)"), speedSpin);
    layout->addRow(QStringLiteral("声のファイル(&V)"), voiceEdit);
}

void SpeechSettingsBox::show(const SpeechSettings& settings)
{
    readAloudCheck->setChecked(settings.readAloud);
    speedSpin->setValue(settings.speed);
    voiceEdit->setText(settings.voice);
}

SpeechSettings SpeechSettingsBox::values() const
{
    return {readAloudCheck->isChecked(), speedSpin->value(), voiceEdit->text().trimmed()};
}
