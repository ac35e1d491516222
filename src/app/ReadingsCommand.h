#pragma once

#include "readings/Furigana.h"

#include <QObject>

#include <array>

class DrillSession;
class FileDialog;
class MessageBox;
class QAction;
class RandomSource;
class RubyPanel;

// ふりがな and 読みで答える in the その他 menu: whether the question line wears the loaded file's
// readings, and whether a reading answers its pair. Both are kept with the settings. After a file
// loads, what its readings' file could not give is told once. 練習ﾌﾟﾘﾝﾄ saves the chosen level's
// questions as a worksheet in PDF, with furigana as the question line shows them.
class ReadingsCommand : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        MessageBox& messages;
        FileDialog& fileDialog;
        RandomSource& random;
    };

    ReadingsCommand(DrillSession& session, RubyPanel& questionLine, const Services& services);

    // The three choices of ふりがな, in the order of Furigana's values, and 読みで答える.
    void showIn(const std::array<QAction*, 3>& furiganaItems, QAction& byReadingItem);
    void useStored(qint32 furigana, bool answerByReading);
    qint32 furigana() const { return qint32(mode); }
    bool answerByReading() const;

    // A question file was loaded: what its readings' file could not give is told.
    void fileLoaded(const QString& questionFile);
    void saveWorksheet();

    static inline const QString WorksheetFailedMessage =
        QStringLiteral("練習プリントを保存できませんでした");

signals:
    // The answer romaji keys are judged against may have changed.
    void answersChanged();

private:
    void apply();

    DrillSession& session;
    RubyPanel& questionLine;
    Services services;
    QString loadedFile;
    std::array<QAction*, 3> furiganaItems{};
    QAction* byReadingItem = nullptr;
    Furigana mode = Furigana::Never;
};
