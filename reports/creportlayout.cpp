#include "reports/creportlayout.h"

#include "reports/reportcatalogue.h"

#include <algorithm>

namespace {

const QString kUpdate1 = QStringLiteral("UPDATE1");
const QString kUpdate2 = QStringLiteral("UPDATE2");
const QString kTrue = QStringLiteral("TRUE");

int indexOfId(const QList<CReportFieldItem> &list, int id)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).id == id)
            return i;
    }
    return -1;
}

bool containsAny(const QList<CReportFieldItem> &list, std::initializer_list<int> ids)
{
    return std::any_of(ids.begin(), ids.end(), [&](int id) { return indexOfId(list, id) >= 0; });
}

struct NewField
{
    int id;
    const char *caption;
};

// Inserts new items right after the first item with @p afterId; false when it is absent.
bool insertAfter(QList<CReportFieldItem> &list, int kind, int afterId, std::initializer_list<NewField> items)
{
    int at = indexOfId(list, afterId);
    if (at < 0)
        return false;
    for (const NewField &f : items)
        list.insert(++at, CReportFieldItem::create(kind, f.id, QString::fromLatin1(f.caption)));
    return true;
}

} // namespace

CReportLayout CReportLayout::createDefault(const QString &name)
{
    CReportLayout layout;
    layout.name = name;
    createDefaultLayout(layout);
    return layout;
}

void createDefaultLayout(CReportLayout &layout)
{
    for (int kind = 0; kind < RKCount; ++kind) {
        QList<CReportFieldItem> &list = layout.lists[kind];
        list.clear();
        const QVector<ReportCatalogue::Field> fields = ReportCatalogue::builtInFields(kind);
        for (const ReportCatalogue::Field &f : fields)
            list.append(CReportFieldItem::create(kind, f.id, QString::fromLatin1(f.caption)));
    }
    layout.options.insert(kUpdate1, kTrue);
}

const QList<CReportFieldItem> &CReportLayout::fields(int kind) const
{
    static const QList<CReportFieldItem> empty;
    if (kind < 0 || kind >= RKCount)
        return empty;
    return lists[kind];
}

QList<CReportFieldItem> &CReportLayout::fields(int kind)
{
    Q_ASSERT(kind >= 0 && kind < RKCount);
    return lists[qBound(0, kind, RKCount - 1)];
}

bool CReportLayout::contains(int kind, int id) const
{
    return findItem(kind, id) != nullptr;
}

const CReportFieldItem *CReportLayout::findItem(int kind, int id) const
{
    const QList<CReportFieldItem> &list = fields(kind);
    const int at = indexOfId(list, id);
    return at < 0 ? nullptr : &list.at(at);
}

bool CReportLayout::hidesAllImages(int kind) const
{
    return options.value(ReportCatalogue::hideImagesKey(kind), QStringLiteral("FALSE")) == kTrue;
}

bool CReportLayout::migrate()
{
    bool changed = false;
    QList<CReportFieldItem> &num = lists[RKNumerology];

    if (options.value(kUpdate1).isEmpty()) {
        options.insert(kUpdate1, kTrue);
        changed = true;
        if (!containsAny(num, {26, 27, 28, 29, 30})) {
            insertAfter(num, RKNumerology, 13,
                        {{26, "Planes of Expression"},
                         {28, "Planes of Expression Mental Number"},
                         {27, "Planes of Expression Physical Number"},
                         {29, "Planes of Expression Emotional Number"},
                         {30, "Planes of Expression Intuitive Number"}});
            QList<CReportFieldItem> &love = lists[RKLoveCompatibility];
            if (insertAfter(love, RKLoveCompatibility, 5, {{8, "Character"}, {9, "Energy"}}))
                love.append(CReportFieldItem::create(RKLoveCompatibility, 10, QStringLiteral("Final")));
        }
    }

    if (options.value(kUpdate2).isEmpty()) {
        options.insert(kUpdate2, kTrue);
        changed = true;
        if (!containsAny(num, {31, 32, 33, 34})) {
            insertAfter(num, RKNumerology, 15,
                        {{31, "Bridge Life Path - Expression"},
                         {32, ""},
                         {33, "Bridge Heart's Desire - Personality"},
                         {34, ""}});
        }
    }
    return changed;
}

bool CReportLayout::operator==(const CReportLayout &other) const
{
    if (name != other.name || options != other.options)
        return false;
    for (int kind = 0; kind < RKCount; ++kind) {
        if (lists[kind] != other.lists[kind])
            return false;
    }
    return true;
}
