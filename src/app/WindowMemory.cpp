#include "app/WindowMemory.h"

#include "base/Settings.h"
#include "desktop/ResultsColumns.h"
#include "desktop/SettingsStore.h"

#include <QMainWindow>
#include <QScreen>
#include <QSplitter>
#include <QStringList>

namespace quillfen {

namespace {

const QString kGeometryKey = QStringLiteral("Geometry");
const QString kSplitKey = QStringLiteral("Split");
const QString kColumnWidthsKey = QStringLiteral("ColumnWidths");
const QString kSortKey = QStringLiteral("Sort");
const QString kAscending = QStringLiteral("ascending");
const QString kDescending = QStringLiteral("descending");

} // namespace

QString widthsText(const QMap<int, int>& widths)
{
    QStringList parts;
    for (auto it = widths.cbegin(); it != widths.cend(); ++it)
        parts.append(QStringLiteral("%1:%2").arg(it.key()).arg(it.value()));
    return parts.join(QLatin1Char(','));
}

QMap<int, int> widthsFromText(const QString& text)
{
    QMap<int, int> widths;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList pair = part.split(QLatin1Char(':'));
        bool idRead = false;
        bool widthRead = false;
        const int id = pair.value(0).trimmed().toInt(&idRead);
        const int width = pair.value(1).trimmed().toInt(&widthRead);
        if (pair.size() == 2 && idRead && widthRead && width > 0)
            widths.insert(id, width);
    }
    return widths;
}

WindowMemory::WindowMemory(SettingsStore& store, QMainWindow& window, QSplitter& splitter,
                           ResultsColumns& columns)
    : m_store(store)
    , m_window(window)
    , m_splitter(splitter)
    , m_columns(columns)
{
}

QString WindowMemory::get(const QString& key) const
{
    try {
        return m_store.get(settings::kApplication, settings::kWindowSection, key, QString());
    } catch (const std::exception&) {
        return {};
    }
}

void WindowMemory::set(const QString& key, const QString& value)
{
    try {
        m_store.save(settings::kApplication, settings::kWindowSection, key, value);
    } catch (const std::exception&) {
        // Only the window's own convenience is lost; the next close tries again.
    }
}

bool WindowMemory::restore()
{
    const QString split = get(kSplitKey);
    if (!split.isEmpty())
        m_splitter.restoreState(QByteArray::fromBase64(split.toLatin1()));
    m_columns.setUserWidths(widthsFromText(get(kColumnWidthsKey)));
    const QStringList sort = get(kSortKey).split(QLatin1Char(','));
    bool read = false;
    const int column = sort.value(0).toInt(&read);
    if (sort.size() == 2 && read && (sort[1] == kAscending || sort[1] == kDescending))
        m_sort = Sort{column, sort[1] == kAscending ? Qt::AscendingOrder : Qt::DescendingOrder};
    const QString geometry = get(kGeometryKey);
    return !geometry.isEmpty()
        && m_window.restoreGeometry(QByteArray::fromBase64(geometry.toLatin1()));
}

void WindowMemory::restoreOrFit(QSize arrangement)
{
    const bool remembered = restore();
    m_window.setMinimumSize(m_window.minimumSizeHint());
    if (remembered)
        return;
    const QScreen* screen = m_window.screen();
    const QSize available = screen != nullptr ? screen->availableGeometry().size() : arrangement;
    m_window.resize(arrangement.boundedTo(available).expandedTo(m_window.minimumSize()));
}

void WindowMemory::save(const RowModel& results)
{
    if (const auto sorting = results.sorting())
        m_sort = Sort{results.columnId(sorting->column), sorting->order};
    set(kGeometryKey, QString::fromLatin1(m_window.saveGeometry().toBase64()));
    set(kSplitKey, QString::fromLatin1(m_splitter.saveState().toBase64()));
    set(kColumnWidthsKey, widthsText(m_columns.userWidths()));
    if (m_sort)
        set(kSortKey,
            QStringLiteral("%1,%2")
                .arg(m_sort->columnId)
                .arg(m_sort->order == Qt::AscendingOrder ? kAscending : kDescending));
}

} // namespace quillfen
