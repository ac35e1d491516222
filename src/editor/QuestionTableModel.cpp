#include "editor/QuestionTableModel.h"

#include "questions/TextCodec.h"

namespace {

const QString Headers[] = {QStringLiteral("問題"), QStringLiteral("回答"), QStringLiteral("よみ"),
                           QStringLiteral("別解"), QStringLiteral("要確認")};

QString orEmpty(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("空欄") : text;
}

PairReading confirmed(PairReading reading)
{
    reading.needsCheck = false;
    return reading;
}

} // namespace

QuestionTableModel::QuestionTableModel(QuestionBank& bank, ReadingsTable& readings, QObject* parent)
    : QAbstractTableModel(parent), bank(bank), readings(readings)
{}

void QuestionTableModel::setLevel(int level)
{
    beginResetModel();
    shownLevel = level;
    endResetModel();
}

void QuestionTableModel::replaceBank(QuestionBank contents, ReadingsTable pairReadings)
{
    beginResetModel();
    bank = std::move(contents);
    readings = std::move(pairReadings);
    endResetModel();
}

bool QuestionTableModel::replacePair(int row, QuestionItem item, PairReading reading)
{
    const std::optional<QuestionItem> before = bank.Item(shownLevel, row);
    if (!before)
        return false;
    const PairReading readingBefore = readings.reading(shownLevel, row);
    const bool textsChanged = *before != item;
    bank.SetItem(shownLevel, row, item.question, item.answer);
    if (reading.reading != readingBefore.reading ||
        reading.alternatives != readingBefore.alternatives)
        readings.setReading(shownLevel, row, confirmed(std::move(reading)));
    else if (textsChanged)
        readings.textChanged(shownLevel, row);
    rowChanged(row);
    return true;
}

bool QuestionTableModel::deletePair(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    beginRemoveRows({}, row, row);
    bank.Delete(shownLevel, row);
    readings.remove(shownLevel, row);
    endRemoveRows();
    return true;
}

void QuestionTableModel::appendPair(QuestionItem item, PairReading reading)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    bank.Add(shownLevel, std::move(item.question), std::move(item.answer));
    readings.append(shownLevel);
    readings.setReading(shownLevel, row, confirmed(std::move(reading)));
    endInsertRows();
}

bool QuestionTableModel::proposeReading(int row, const QString& reading, bool needsCheck)
{
    if (row < 0 || row >= rowCount() || reading.isEmpty())
        return false;
    PairReading current = readings.reading(shownLevel, row);
    if (!current.reading.isEmpty())
        return false;
    current.reading = reading;
    current.needsCheck = needsCheck;
    readings.setReading(shownLevel, row, std::move(current));
    rowChanged(row);
    return true;
}

int QuestionTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : bank.Count(shownLevel);
}

int QuestionTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuestionTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return shownText(index.row(), index.column());
    case Qt::AccessibleTextRole:
        return spokenRow(index.row());
    case Qt::CheckStateRole:
        return checkState(index);
    default:
        return {};
    }
}

// Only a pair with a reading shows the mark's box.
QVariant QuestionTableModel::checkState(const QModelIndex& index) const
{
    const PairReading reading = readings.reading(shownLevel, index.row());
    if (index.column() != CheckColumn || reading.isEmpty())
        return {};
    return int(reading.needsCheck ? Qt::Checked : Qt::Unchecked);
}

QVariant QuestionTableModel::shownText(int row, int column) const
{
    const QuestionView item = bank.view(shownLevel, row);
    switch (column) {
    case QuestionColumn:
        return TextCodec::decode(item.question);
    case AnswerColumn:
        return TextCodec::decode(item.answer);
    case ReadingColumn:
        return readings.reading(shownLevel, row).reading;
    case AlternativesColumn:
        return Alternatives::join(readings.reading(shownLevel, row).alternatives);
    default:
        return {};
    }
}

// A screen reader reads a row as one pair wherever in it the focus stands, and says so when a
// text is empty instead of falling silent; a pair without a reading is read as before readings
// existed.
QString QuestionTableModel::spokenRow(int row) const
{
    const QuestionView item = bank.view(shownLevel, row);
    QString spoken = QStringLiteral("%1 %2、%3 %4")
                         .arg(Headers[QuestionColumn], orEmpty(TextCodec::decode(item.question)),
                              Headers[AnswerColumn], orEmpty(TextCodec::decode(item.answer)));
    const PairReading reading = readings.reading(shownLevel, row);
    if (!reading.reading.isEmpty())
        spoken += QStringLiteral("、%1 %2").arg(Headers[ReadingColumn], reading.reading);
    if (!reading.alternatives.isEmpty())
        spoken += QStringLiteral("、%1 %2").arg(Headers[AlternativesColumn],
                                                Alternatives::join(reading.alternatives));
    if (reading.needsCheck)
        spoken += QStringLiteral("、") + Headers[CheckColumn];
    return spoken;
}

QVariant QuestionTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return Headers[section];
}

Qt::ItemFlags QuestionTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (index.column() == CheckColumn && readings.reading(shownLevel, index.row()).needsCheck)
        return shown | Qt::ItemIsUserCheckable;
    return shown;
}

bool QuestionTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable) ||
        value.toInt() != Qt::Unchecked)
        return false;
    readings.setReading(shownLevel, index.row(),
                        confirmed(readings.reading(shownLevel, index.row())));
    rowChanged(index.row());
    return true;
}

void QuestionTableModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}
