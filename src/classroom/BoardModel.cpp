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

BoardModel::Game BoardModel::gameOf(const HandIn& handIn)
{
    QList<MissedText> timeOuts;
    for (const HandInAnswer& answer : handIn.answers) {
        if (!answer.correct)
            timeOuts.append({answer.question, answer.answer});
    }
    return {handIn.pupil, handIn.game.finishedAt, numberOf(handIn.game.figures.correctRate),
            numberOf(handIn.game.figures.averageCorrectTime), timeOuts};
}

QString BoardModel::keyOf(const Pupil& pupil)
{
    return pupil.classGroup + u'\x1f' + pupil.number + u'\x1f' + pupil.name;
}

void BoardModel::apply(const HandInScan& scan)
{
    if (scan.isEmpty())
        return;
    addRowsFor(scan);
    QSet<int> touched;
    for (const QString& file : scan.gone)
        forget(file, touched);
    for (const auto& [file, reason] : scan.malformed) {
        forget(file, touched);
        refused.insert(file, reason);
    }
    for (const auto& [file, handIn] : scan.read) {
        forget(file, touched);
        refused.remove(file);
        Game game = gameOf(handIn);
        const int row = rowByPupil.value(keyOf(game.pupil));
        rows[row].files.append(file);
        games.insert(file, std::move(game));
        touched.insert(row);
    }
    for (int row : touched) {
        recount(rows[row]);
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    }
    removeEmptyRows();
    sort(sortColumn, sortOrder);
}

void BoardModel::addRowsFor(const HandInScan& scan)
{
    QList<Pupil> added;
    QSet<QString> addedKeys;
    for (const auto& [file, handIn] : scan.read) {
        const QString key = keyOf(handIn.pupil);
        if (!rowByPupil.contains(key) && !addedKeys.contains(key)) {
            addedKeys.insert(key);
            added.append(handIn.pupil);
        }
    }
    if (added.isEmpty())
        return;
    beginInsertRows({}, int(rows.size()), int(rows.size() + added.size() - 1));
    for (const Pupil& pupil : added) {
        rowByPupil.insert(keyOf(pupil), int(rows.size()));
        rows.append(Row{pupil, 0, {}, {}, {}, {}, {}});
    }
    endInsertRows();
}

void BoardModel::forget(const QString& file, QSet<int>& touched)
{
    const auto game = games.constFind(file);
    if (game == games.cend())
        return;
    const int row = rowByPupil.value(keyOf(game->pupil));
    rows[row].files.removeOne(file);
    touched.insert(row);
    games.erase(game);
}

void BoardModel::recount(Row& row) const
{
    row.games = int(row.files.size());
    row.lastCorrectRate.reset();
    row.bestCorrectRate.reset();
    row.lastAverageTime.reset();
    row.lastHandedIn = {};
    for (const QString& file : row.files) {
        const Game& game = games[file];
        if (game.correctRate && (!row.bestCorrectRate || *game.correctRate > *row.bestCorrectRate))
            row.bestCorrectRate = game.correctRate;
        if (!row.lastHandedIn.isValid() || game.finishedAt > row.lastHandedIn) {
            row.lastHandedIn = game.finishedAt;
            row.lastCorrectRate = game.correctRate;
            row.lastAverageTime = game.averageTime;
        }
    }
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
    rowByPupil.clear();
    for (int row = 0; row < rows.size(); ++row)
        rowByPupil.insert(keyOf(rows[row].pupil), row);
}

QList<ClassMissedPair> BoardModel::mostMissed(int count) const
{
    struct Tally
    {
        ClassMissedPair pair;
        QSet<QString> pupils;
        qsizetype firstSeen = 0;
    };
    QHash<QString, Tally> tallies;
    for (const Game& game : games) {
        for (const MissedText& missed : game.timeOuts) {
            const QString key = missed.question + u'\t' + missed.answer;
            auto tally = tallies.find(key);
            if (tally == tallies.end())
                tally = tallies.insert(key, Tally{{missed.question, missed.answer, 0, 0}, {}, 0});
            ++tally->pair.timeOuts;
            tally->pupils.insert(keyOf(game.pupil));
        }
    }
    QList<ClassMissedPair> ranking;
    for (Tally& tally : tallies) {
        tally.pair.learners = int(tally.pupils.size());
        ranking.append(tally.pair);
    }
    std::sort(ranking.begin(), ranking.end(),
              [](const ClassMissedPair& a, const ClassMissedPair& b) {
                  if (a.timeOuts != b.timeOuts)
                      return a.timeOuts > b.timeOuts;
                  if (a.learners != b.learners)
                      return a.learners > b.learners;
                  return std::pair(a.question, a.answer) < std::pair(b.question, b.answer);
              });
    return ranking.mid(0, count);
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
