#include "classroom/BoardModel.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

namespace {

std::optional<double> numberOf(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QVariant shown(const std::optional<double>& value)
{
    return value ? QVariant(QLocale::c().toString(*value, 'g', 6)) : QVariant(QStringLiteral("-"));
}

// Nothing comes before every number.
template <typename Value>
int compared(const std::optional<Value>& left, const std::optional<Value>& right)
{
    if (left.has_value() != right.has_value())
        return left.has_value() ? 1 : -1;
    if (!left || *left == *right)
        return 0;
    return *left < *right ? -1 : 1;
}

// Numbers as numbers ("9" before "10"), anything else as text after them.
int comparedNumbers(const QString& left, const QString& right)
{
    bool leftIsNumber = false;
    bool rightIsNumber = false;
    const qlonglong leftNumber = left.toLongLong(&leftIsNumber);
    const qlonglong rightNumber = right.toLongLong(&rightIsNumber);
    if (leftIsNumber && rightIsNumber)
        return leftNumber == rightNumber ? 0 : (leftNumber < rightNumber ? -1 : 1);
    if (leftIsNumber != rightIsNumber)
        return leftIsNumber ? -1 : 1;
    return left.compare(right);
}

} // namespace

BoardModel::BoardModel(QObject* parent) : QAbstractTableModel(parent) {}

BoardModel::Game BoardModel::gameOf(const HandInSummary& handIn)
{
    const Pupil& pupil = handIn.pupil;
    const QString key = pupil.classGroup + u'\x1f' + pupil.number + u'\x1f' + pupil.name;
    auto number = pupilNumbers.constFind(key);
    if (number == pupilNumbers.cend()) {
        number = pupilNumbers.insert(key, int(rowOfPupil.size()));
        rowOfPupil.append(-1);
    }
    return {*number, handIn.game.finishedAt, numberOf(handIn.game.figures.correctRate),
            numberOf(handIn.game.figures.averageCorrectTime), handIn.game.timeOuts};
}

void BoardModel::apply(const HandInScan& scan)
{
    if (scan.isEmpty())
        return;
    QList<Game> arrived;
    arrived.reserve(scan.read.size());
    for (const auto& [file, handIn] : scan.read)
        arrived.append(gameOf(handIn));
    const qsizetype rowsBefore = rows.size();
    addRowsFor(scan, arrived);
    QSet<int> stale;
    for (const QString& file : scan.gone)
        forget(file, stale);
    for (const auto& [file, reason] : scan.malformed) {
        forget(file, stale);
        refused.insert(file, reason);
    }
    QSet<int> touched;
    for (qsizetype index = 0; index < arrived.size(); ++index) {
        const QString& file = scan.read[index].first;
        forget(file, stale);
        refused.remove(file);
        const int row = rowOfPupil[arrived[index].pupil];
        rows[row].files.append(file);
        count(rows[row], arrived[index]);
        countMisses(arrived[index], +1);
        games.insert(file, std::move(arrived[index]));
        if (row < rowsBefore)
            touched.insert(row);
    }
    for (int row : stale)
        recount(rows[row]);
    // New rows are announced by their insertion; rows that were there, by what changed in them.
    for (int row : touched + stale)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    removeEmptyRows();
    sort(sortColumn, sortOrder);
}

void BoardModel::addRowsFor(const HandInScan& scan, const QList<Game>& arrived)
{
    QList<Pupil> added;
    QList<int> addedNumbers;
    for (qsizetype index = 0; index < arrived.size(); ++index) {
        const int pupil = arrived[index].pupil;
        if (rowOfPupil[pupil] >= 0)
            continue;
        rowOfPupil[pupil] = int(rows.size() + added.size());
        added.append(scan.read[index].second.pupil);
        addedNumbers.append(pupil);
    }
    if (added.isEmpty())
        return;
    beginInsertRows({}, int(rows.size()), int(rows.size() + added.size() - 1));
    for (qsizetype index = 0; index < added.size(); ++index)
        rows.append(Row{addedNumbers[index], added[index], 0, {}, {}, {}, {}, {}});
    endInsertRows();
}

void BoardModel::forget(const QString& file, QSet<int>& stale)
{
    const auto game = games.constFind(file);
    if (game == games.cend())
        return;
    const int row = rowOfPupil[game->pupil];
    rows[row].files.removeOne(file);
    stale.insert(row);
    countMisses(*game, -1);
    games.erase(game);
}

void BoardModel::countMisses(const Game& game, int change)
{
    for (const MissedText& missed : game.timeOuts) {
        const auto pair = std::pair(missed.question, missed.answer);
        Misses& tally = misses[pair];
        tally.timeOuts += change;
        if ((tally.byPupil[game.pupil] += change) == 0)
            tally.byPupil.remove(game.pupil);
        if (tally.timeOuts == 0)
            misses.remove(pair);
    }
}

void BoardModel::count(Row& row, const Game& game)
{
    ++row.games;
    if (game.correctRate && (!row.bestCorrectRate || *game.correctRate > *row.bestCorrectRate))
        row.bestCorrectRate = game.correctRate;
    if (!row.lastHandedIn.isValid() || game.finishedAt > row.lastHandedIn) {
        row.lastHandedIn = game.finishedAt;
        row.lastCorrectRate = game.correctRate;
        row.lastAverageTime = game.averageTime;
    }
}

// After a game is gone its row is counted again from what is left.
void BoardModel::recount(Row& row) const
{
    row = Row{row.pupilNumber, row.pupil, 0, {}, {}, {}, {}, row.files};
    for (const QString& file : row.files)
        count(row, games[file]);
}

void BoardModel::removeEmptyRows()
{
    for (int row = int(rows.size()) - 1; row >= 0; --row) {
        if (rows[row].games > 0)
            continue;
        beginRemoveRows({}, row, row);
        rows.removeAt(row);
        endRemoveRows();
    }
    reindex();
}

void BoardModel::reindex()
{
    rowOfPupil.fill(-1);
    for (int row = 0; row < rows.size(); ++row)
        rowOfPupil[rows[row].pupilNumber] = row;
}

QList<ClassMissedPair> BoardModel::mostMissed(int count) const
{
    QList<ClassMissedPair> ranking;
    ranking.reserve(misses.size());
    for (auto tally = misses.cbegin(); tally != misses.cend(); ++tally)
        ranking.append(
            {tally.key().first, tally.key().second, tally->timeOuts, int(tally->byPupil.size())});
    const auto first = [](const ClassMissedPair& a, const ClassMissedPair& b) {
        if (a.timeOuts != b.timeOuts)
            return a.timeOuts > b.timeOuts;
        if (a.learners != b.learners)
            return a.learners > b.learners;
        return std::pair(a.question, a.answer) < std::pair(b.question, b.answer);
    };
    const auto shown = ranking.begin() + std::clamp<qsizetype>(count, 0, ranking.size());
    std::partial_sort(ranking.begin(), shown, ranking.end(), first);
    ranking.erase(shown, ranking.end());
    return ranking;
}

int BoardModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int BoardModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BoardModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole)
        return {};
    const Row& row = rows[index.row()];
    switch (index.column()) {
    case ClassGroup:
        return row.pupil.classGroup;
    case Number:
        return row.pupil.number;
    case Name:
        return row.pupil.name;
    case Games:
        return row.games;
    case LastCorrectRate:
        return shown(row.lastCorrectRate);
    case BestCorrectRate:
        return shown(row.bestCorrectRate);
    case LastAverageTime:
        return shown(row.lastAverageTime);
    case LastHandedIn:
        return row.lastHandedIn.toLocalTime().toString(QStringLiteral("MM/dd HH:mm"));
    }
    return {};
}

QVariant BoardModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList captions{QStringLiteral("組"),
                                      QStringLiteral("番号"),
                                      QStringLiteral("名前"),
                                      QStringLiteral("ゲーム数"),
                                      QStringLiteral("最新の正解率"),
                                      QStringLiteral("最高の正解率"),
                                      QStringLiteral("最新の平均正解時間"),
                                      QStringLiteral("最後の提出")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= captions.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return captions[section];
}

bool BoardModel::lessThan(const Row& left, const Row& right) const
{
    const auto byPupil = [&] {
        if (const int c = left.pupil.classGroup.compare(right.pupil.classGroup))
            return c;
        if (const int c = comparedNumbers(left.pupil.number, right.pupil.number))
            return c;
        return left.pupil.name.compare(right.pupil.name);
    };
    int order = 0;
    switch (sortColumn) {
    case ClassGroup:
        order = byPupil();
        break;
    case Number:
        order = comparedNumbers(left.pupil.number, right.pupil.number);
        break;
    case Name:
        order = left.pupil.name.compare(right.pupil.name);
        break;
    case Games:
        order = compared(std::optional(left.games), std::optional(right.games));
        break;
    case LastCorrectRate:
        order = compared(left.lastCorrectRate, right.lastCorrectRate);
        break;
    case BestCorrectRate:
        order = compared(left.bestCorrectRate, right.bestCorrectRate);
        break;
    case LastAverageTime:
        order = compared(left.lastAverageTime, right.lastAverageTime);
        break;
    case LastHandedIn:
        order = compared(std::optional(left.lastHandedIn), std::optional(right.lastHandedIn));
        break;
    }
    // Rows equal in the column stay in the pupils' order whichever way the column runs.
    if (order == 0)
        return byPupil() < 0;
    return sortOrder == Qt::AscendingOrder ? order < 0 : order > 0;
}

void BoardModel::sort(int column, Qt::SortOrder order)
{
    sortColumn = column;
    sortOrder = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> newOrder(rows.size());
    std::iota(newOrder.begin(), newOrder.end(), 0);
    std::stable_sort(newOrder.begin(), newOrder.end(),
                     [this](int a, int b) { return lessThan(rows[a], rows[b]); });
    QList<int> newRowOf(rows.size());
    QList<Row> sorted;
    sorted.reserve(rows.size());
    for (int position = 0; position < newOrder.size(); ++position) {
        newRowOf[newOrder[position]] = position;
        sorted.append(std::move(rows[newOrder[position]]));
    }
    rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& old : before)
        after.append(index(newRowOf[old.row()], old.column()));
    changePersistentIndexList(before, after);
    reindex();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
