#include "settings/RecentFiles.h"

#include <algorithm>

namespace {

char16_t foldAsciiLetter(char16_t c)
{
    return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
}

} // namespace

void RecentFiles::update(const QString& path)
{
    const auto match = std::find_if(entries.begin(), entries.end(), [&path](const QString& entry) {
        return sameFile(entry, path);
    });
    // A known file moves up from its place; a new one pushes out the oldest entry.
    const auto last = match != entries.end() ? match : entries.end() - 1;
    std::move_backward(entries.begin(), last, last + 1);
    entries.front() = path;
}

QString RecentFiles::entry(int index) const
{
    return holds(index) ? entries[index] : QString();
}

QString RecentFiles::menuCaption(int index) const
{
    return QStringLiteral("(&") + QString::number(index + 1) + QStringLiteral(") ") +
           fileNamePart(entry(index));
}

QString RecentFiles::fileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

bool RecentFiles::sameFile(const QString& entry, const QString& path)
{
    if (entry.isEmpty() || entry.size() != path.size())
        return false;
    return std::equal(entry.begin(), entry.end(), path.begin(), [](QChar a, QChar b) {
        return foldAsciiLetter(a.unicode()) == foldAsciiLetter(b.unicode());
    });
}
