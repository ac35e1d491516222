#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "バージョン情報": the product name and version, and the credit of the dictionary readings are
// proposed from.
class TFrmVersion : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmVersion(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* dictionaryCredit;
    QPushButton* BitBtn1;
};
