#include "configuration/FilterViewConfiguration.h"

#include "configuration/JsonReader.h"

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

// The layout's reader: the shared reads, frames, names and colour sources.
class LayoutReader : public JsonReader
{
public:
    using JsonReader::section;
    // A section of the document's root, named by its key.
    QJsonObject section(const QJsonObject& parent, const QString& key, const QStringList& allowed)
    {
        return JsonReader::section(parent, key, key, allowed);
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
