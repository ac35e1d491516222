#pragma once

#include "widgets/BevelPanel.h"
#include "widgets/RubyPainter.h"

// The question line, which can wear readings over the question. While readings may be shown, the
// line keeps room for them over every question, so it does not jump between a question that has
// them and one that does not; the base then takes what height is left. A screen reader reads
// the question with each reading in brackets after its piece.
class RubyPanel : public BevelPanel
{
    Q_OBJECT

public:
    explicit RubyPanel(QWidget* parent, const QString& objectName);

    void setRubyRoom(bool on);
    bool rubyRoom() const { return room; }
    // The question as pieces; pieces without readings, or none at all, show it bare.
    void setRubyText(const QString& text, const RubySegments& ruby);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont fittedFont() const;

    RubySegments segments;
    bool room = false;
};
