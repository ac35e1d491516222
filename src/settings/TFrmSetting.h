#pragma once

#include "settings/DrillSettings.h"
#include "speech/SpeechSettings.h"

#include "widgets/ProgramDialog.h"

class BevelPanel;
class QPushButton;
class QSlider;
class SpeechSettingsBox;

// "設定": seconds per question and questions per game, and how questions are spoken. The dialog
// edits a copy of the owner's settings; the copy takes the controls' values only on OK.
class TFrmSetting : public ProgramDialog
{
    Q_OBJECT

public:
    explicit TFrmSetting(QWidget* parent = nullptr);

    // The settings to show at the next opening.
    void setValues(const DrillSettings& settings);
    // What was handed in, with the two figures as confirmed by OK since.
    DrillSettings values() const { return edited; }
    void setSpeech(const SpeechSettings& settings) { editedSpeech = settings; }
    SpeechSettings speech() const { return editedSpeech; }

    BevelPanel* RPanel1;
    BevelPanel* RPanel2;
    QSlider* TrackBar1;
    QSlider* TrackBar2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    SpeechSettingsBox* speechBox;

    void FormShow() override;
    void TrackBar1Change();
    void TrackBar2Change();
    void BitBtn1Click();
    void BitBtn3Click();

private:
    void createControls();
    void createRow(int n, const QString& caption, int minimum, int value, BevelPanel*& figure,
                   QSlider*& bar);

    DrillSettings edited;
    SpeechSettings editedSpeech;
};
