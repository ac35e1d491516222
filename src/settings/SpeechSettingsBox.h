#pragma once

#include "speech/SpeechSettings.h"

#include <QGroupBox>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;

// 読み上げ in 設定: whether every game speaks its questions, how fast, and in which voice. It
// shows a copy and gives back what the controls hold; the dialog decides when to take it.
class SpeechSettingsBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit SpeechSettingsBox(QWidget* parent);

    void show(const SpeechSettings& settings);
    SpeechSettings values() const;

    QCheckBox* readAloudCheck;
    QDoubleSpinBox* speedSpin;
    QLineEdit* voiceEdit;
};
