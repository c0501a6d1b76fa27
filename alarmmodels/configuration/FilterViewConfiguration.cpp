#include "configuration/FilterViewConfiguration.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

// Names of QFrame::Shape and QFrame::Shadow with their numbers.
const QList<QPair<QString, int>>& shapeNames()
{
    static const QList<QPair<QString, int>> names{
        {QStringLiteral("NoFrame"), 0}, {QStringLiteral("Box"), 1},    {QStringLiteral("Panel"), 2},
        {QStringLiteral("WinPanel"), 3}, {QStringLiteral("HLine"), 4}, {QStringLiteral("VLine"), 5},
        {QStringLiteral("StyledPanel"), 6}};
    return names;
}

const QList<QPair<QString, int>>& shadowNames()
{
    static const QList<QPair<QString, int>> names{
        {QStringLiteral("Plain"), 0x10}, {QStringLiteral("Raised"), 0x20}, {QStringLiteral("Sunken"), 0x30}};
    return names;
}

// Reads typed values and keeps the first error, naming the key by its path.
class LayoutReader
{
public:
    QString error;

    bool ok() const { return error.isEmpty(); }

    void fail(const QString& path, const QString& expected)
    {
        if (ok())
            error = QStringLiteral("key '%1' must be %2").arg(path, expected);
    }

    void checkKeys(const QJsonObject& object, const QString& path, const QStringList& allowed)
    {
        for (const QString& key : object.keys()) {
            if (ok() && !allowed.contains(key))
                error = QStringLiteral("unknown key '%1'; expected one of: %2")
                            .arg(join(path, key), allowed.join(QStringLiteral(", ")));
        }
    }

    QJsonObject section(const QJsonObject& parent, const QString& key, const QStringList& allowed)
    {
        if (!ok() || !parent.contains(key))
            return QJsonObject();
        if (!parent.value(key).isObject()) {
            fail(key, QStringLiteral("an object"));
            return QJsonObject();
        }
        checkKeys(parent.value(key).toObject(), key, allowed);
        return parent.value(key).toObject();
    }

    void readInt(const QJsonObject& object, const QString& path, const QString& key, int min, int max, int& out)
    {
        if (!ok() || !object.contains(key))
            return;
        const QJsonValue value = object.value(key);
        const double number = value.toDouble();
        // The range first: converting a number far out of range to int is undefined.
        if (!value.isDouble() || number < min || number > max || number != double(qint64(number))) {
            fail(join(path, key), QStringLiteral("a whole number from %1 to %2").arg(min).arg(max));
            return;
        }
        out = int(number);
    }

    void readString(const QJsonObject& object, const QString& path, const QString& key, QString& out)
    {
        if (!ok() || !object.contains(key))
            return;
        if (!object.value(key).isString()) {
            fail(join(path, key), QStringLiteral("a string"));
            return;
        }
        out = object.value(key).toString();
    }

    void readName(const QJsonObject& object, const QString& path, const QString& key,
                  const QList<QPair<QString, int>>& names, int& out)
    {
        QString text;
        readString(object, path, key, text);
        if (!ok() || !object.contains(key))
            return;
        QStringList known;
        for (const auto& name : names) {
            if (name.first == text) {
                out = name.second;
                return;
            }
            known.append(name.first);
        }
        fail(join(path, key), QStringLiteral("one of %1").arg(known.join(QStringLiteral(", "))));
    }

    void readFrame(const QJsonObject& object, const QString& path, FilterGridViewConfiguration::Frame& frame)
    {
        readName(object, path, QStringLiteral("frameShape"), shapeNames(), frame.shape);
        readName(object, path, QStringLiteral("frameShadow"), shadowNames(), frame.shadow);
        readInt(object, path, QStringLiteral("lineWidth"), 0, 20, frame.lineWidth);
        readInt(object, path, QStringLiteral("midLineWidth"), 0, 20, frame.midLineWidth);
    }

    void readColorSource(const QJsonObject& object, const QString& path, const QString& key,
                         FilterViewItemConfiguration::StatsColorSource& out)
    {
        int source = int(out);
        readInt(object, path, key, 0, 2, source);
        out = FilterViewItemConfiguration::StatsColorSource(source);
    }

    static QString join(const QString& path, const QString& key)
    {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }
};

const QStringList frameKeys{QStringLiteral("frameShape"), QStringLiteral("frameShadow"), QStringLiteral("lineWidth"),
                            QStringLiteral("midLineWidth")};

void readContainer(LayoutReader& r, const QJsonObject& root, FilterGridViewConfiguration& grid)
{
    const QString path = QStringLiteral("container");
    const QJsonObject container =
        r.section(root, path, frameKeys + QStringList{QStringLiteral("spacing"), QStringLiteral("background")});
    r.readFrame(container, path, grid.containerFrame);
    r.readInt(container, path, QStringLiteral("spacing"), 0, 100, grid.spacing);
    r.readString(container, path, QStringLiteral("background"), grid.containerBackground);
}

void readCell(LayoutReader& r, const QJsonObject& root, FilterGridViewConfiguration& grid)
{
    const QString path = QStringLiteral("cell");
    const QJsonObject cell = r.section(
        root, path,
        frameKeys + QStringList{QStringLiteral("backColorSource"), QStringLiteral("foreColorSource"),
                                QStringLiteral("text"), QStringLiteral("toolTip"), QStringLiteral("selectedLineColor"),
                                QStringLiteral("selectedLineWidth"), QStringLiteral("userData")});
    r.readFrame(cell, path, grid.cellFrame);
    r.readColorSource(cell, path, QStringLiteral("backColorSource"), grid.cellBackColorSource);
    r.readColorSource(cell, path, QStringLiteral("foreColorSource"), grid.cellForeColorSource);
    r.readString(cell, path, QStringLiteral("text"), grid.cellTextFormat);
    r.readString(cell, path, QStringLiteral("toolTip"), grid.cellToolTipFormat);
    r.readString(cell, path, QStringLiteral("selectedLineColor"), grid.selectedLineColor);
    r.readInt(cell, path, QStringLiteral("selectedLineWidth"), 0, 20, grid.selectedLineWidth);
    r.readInt(cell, path, QStringLiteral("userData"), -2147483647, 2147483647, grid.cellUserData);
}

QList<FilterViewItemConfiguration> readItems(LayoutReader& r, const QJsonObject& root)
{
    QList<FilterViewItemConfiguration> items;
    if (!r.ok() || !root.contains(QStringLiteral("items")))
        return items;
    const QJsonValue value = root.value(QStringLiteral("items"));
    if (!value.isArray() || value.toArray().size() > FilterViewConfiguration::MaxItems) {
        r.fail(QStringLiteral("items"),
               QStringLiteral("an array of at most %1 objects").arg(FilterViewConfiguration::MaxItems));
        return items;
    }
    const QJsonArray array = value.toArray();
    for (int i = 0; i < array.size() && r.ok(); ++i) {
        const QString path = QStringLiteral("items[%1]").arg(i);
        if (!array.at(i).isObject()) {
            r.fail(path, QStringLiteral("an object"));
            break;
        }
        const QJsonObject object = array.at(i).toObject();
        r.checkKeys(object, path, {QStringLiteral("row"), QStringLiteral("column"), QStringLiteral("filter")});
        FilterViewItemConfiguration item;
        r.readInt(object, path, QStringLiteral("row"), 0, FilterViewConfiguration::MaxCell, item.row);
        r.readInt(object, path, QStringLiteral("column"), 0, FilterViewConfiguration::MaxCell, item.column);
        r.readString(object, path, QStringLiteral("filter"), item.filterDpName);
        if (r.ok() && item.filterDpName.isEmpty())
            r.fail(LayoutReader::join(path, QStringLiteral("filter")), QStringLiteral("the name of a filter datapoint"));
        items.append(item);
    }
    return items;
}

} // namespace

bool FilterViewConfiguration::fromJson(const QByteArray& json, const QString& setName)
{
    reset();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        m_errorText = QStringLiteral("%1 at offset %2").arg(parseError.errorString()).arg(parseError.offset);
        return false;
    }
    LayoutReader r;
    FilterViewConfiguration read;
    if (!document.isObject()) {
        r.error = QStringLiteral("the document must be a JSON object");
    } else {
        const QJsonObject root = document.object();
        r.checkKeys(root, QString(),
                    {QStringLiteral("view"), QStringLiteral("container"), QStringLiteral("cell"), QStringLiteral("items")});
        read.m_viewKind = ViewGrid;
        r.readInt(root, QString(), QStringLiteral("view"), ViewGrid, ViewTree, read.m_viewKind);
        readContainer(r, root, read.m_grid);
        readCell(r, root, read.m_grid);
        read.m_items = readItems(r, root);
    }
    if (!r.ok()) {
        // The JSON itself was read: the text names the set, so it needs no prefix.
        m_errorText = QStringLiteral("filter set '%1': %2").arg(setName, r.error);
        m_errorTextComplete = true;
        return false;
    }
    *this = read;
    return true;
}

void FilterViewConfiguration::reset()
{
    *this = FilterViewConfiguration();
}
