#pragma once

#include "classroom/Pupil.h"
#include "widgets/ProgramDialog.h"

class QDialogButtonBox;
class QLineEdit;

// 名前の登録: the pupil's 組, 番号 and 名前, typed once per PC user before the first hand-in.
// Nothing else is asked: no address, no password.
class TFrmPupil : public ProgramDialog
{
    Q_OBJECT

public:
    explicit TFrmPupil(QWidget* parent);

    void setPupil(const Pupil& pupil);
    // The three texts as typed, trimmed.
    Pupil pupil() const;

    QLineEdit* classEdit;
    QLineEdit* numberEdit;
    QLineEdit* nameEdit;
    QDialogButtonBox* buttons;

private:
    // OK only once each of the three holds something.
    void followEdits();
};
