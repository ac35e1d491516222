#pragma once

#include "readings/Furigana.h"

#include <QObject>

#include <array>

class DrillSession;
class MessageBox;
class QAction;
class RubyPanel;

// ふりがな and 読みで答える in the その他 menu: whether the question line wears the loaded file's
// readings, and whether a reading answers its pair. Both are kept with the settings. After a file
// loads, what its readings' file could not give is told once.
class ReadingsCommand : public QObject
{
    Q_OBJECT

public:
    ReadingsCommand(DrillSession& session, RubyPanel& questionLine, MessageBox& messages);

    // The three choices of ふりがな, in the order of Furigana's values, and 読みで答える.
    void showIn(const std::array<QAction*, 3>& furiganaItems, QAction& byReadingItem);
    void useStored(qint32 furigana, bool answerByReading);
    qint32 furigana() const { return qint32(mode); }
    bool answerByReading() const;

    void tellLoadProblems(const QString& questionFile);

signals:
    // The answer romaji keys are judged against may have changed.
    void answersChanged();

private:
    void apply();

    DrillSession& session;
    RubyPanel& questionLine;
    MessageBox& messages;
    std::array<QAction*, 3> furiganaItems{};
    QAction* byReadingItem = nullptr;
    Furigana mode = Furigana::Never;
};
