#pragma once

#include "import/Deck.h"
#include "import/DeckMapping.h"
#include "import/DeckSource.h"

#include "widgets/ProgramDialog.h"

#include <optional>

class FileDialog;
class MessageBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// "インポート": a deck of another flash-card program shown as it will be stored. The user picks
// the question and answer fields and the level of each deck, lesson or tag, sees the first pairs
// and every note that will be left out, then saves a question file of the rest.
class TFrmImport : public ProgramDialog
{
    Q_OBJECT

public:
    static inline const QString Caption = QStringLiteral("インポート");
    // Pairs shown before the OK; the saved file holds them all.
    static constexpr int PreviewRows = 20;

    TFrmImport(FileDialog& fileDialog, MessageBox& messageBox, QWidget* parent = nullptr);

    // Asks for a deck, shows it and, once the user saved it, gives the question file's path.
    std::optional<QString> importFile();

    // Reads the deck at path into the dialog; false, after telling the user why, when it cannot.
    bool open(const QString& path);
    const std::optional<QString>& savedPath() const { return saved; }

    QComboBox* ComboBox1;    // question field
    QComboBox* ComboBox2;    // answer field
    QComboBox* ComboBox3;    // what gives the level
    QCheckBox* CheckBox1;    // keep line breaks
    QLineEdit* Edit1;        // between term and definition of a pasted list
    QLineEdit* Edit2;        // between cards of a pasted list
    QTableWidget* ListView1; // decks, lessons or tags and their levels
    QTableWidget* ListView2; // the first pairs as stored
    QListWidget* ListBox1;   // notes left out
    QLabel* Label1;          // counts
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

    void ComboBox3Change();
    void CheckBox1Click();
    void EditSeparatorsDone();
    void BitBtn1Click();
    void BitBtn3Click();

private:
    void createControls();
    void fillFields();
    void fillGroups();
    // Maps the deck as the controls say and shows the outcome.
    void Refresh();
    DeckMapping mappingFromControls() const;
    bool readDeck();

    FileDialog& fileDialog;
    MessageBox& messageBox;
    QString sourcePath;
    std::optional<DeckFormat> format;
    Deck deck;
    MappedDeck mappedDeck;
    std::optional<QString> saved;
};
