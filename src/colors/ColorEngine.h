#pragma once

#include "colors/Color.h"
#include "qvas_export.h"

#include <colorusage/ColorUsageCounter.h>

#include <QMap>
#include <QObject>
#include <QPalette>
#include <QSet>
#include <QSharedPointer>
#include <QVector>

class ColorTextCursor;
class QDir;
class QFileInfo;
class QTimer;

// The process-wide database of named colours. It loads the colour database
// files found through the platform's paths, adds the built-in palette names,
// resolves aliases, answers lookups by name, and steps blinking colours on
// a 125 ms tick, announcing the changes of colours that are in use.
class QVAS_EXPORT ColorEngine : public QObject, public ColorUsageCounter
{
    Q_OBJECT
public:
    // The engine, created and loaded on the first call; producer is its
    // logging parent from then on and is ignored on later calls.
    static QSharedPointer<ColorEngine> getInstance(const MsgLoggingProducer* producer);

    // Told about every line of a colour database file once it is handled,
    // so that a caller can tie the messages logged for that line to the
    // file and line number (the messages themselves name neither).
    class QVAS_EXPORT LineObserver
    {
    public:
        virtual ~LineObserver();
        // color is null for a line that was refused or ignored.
        virtual void lineParsed(const QString& path, int lineNumber, const QSharedPointer<Color>& color) = 0;
    };

    ColorEngine(const MsgLoggingProducer* producer, QObject* parent);
    ~ColorEngine() override;

    // The colour of name; a name not loaded is parsed as a colour value and
    // kept (opaque black when it is not one). Never null.
    QSharedPointer<Color> getColor(const QString& name) const;
    // Every colour name known now, in name order.
    QStringList getColorNames() const;

    void loadAllColorDbs();
    void addColorDatabase(const QString& path);
    // The same, telling observer about every line.
    void addColorDatabase(const QString& path, LineObserver* observer);
    void resolveAliases();
    QVector<QString> getColorDbs() const;
    void addColorDbOfDir(QDir& dir, QVector<QString>& files) const;
    void addApplicationPaletteColors();
    void addApplicationPaletteColor(const QString& name, QPalette::ColorRole role);

    static QColor takeColor255Based(const MsgLoggingProducer* producer, QString& text);
    static QColor takeColor100Based(const MsgLoggingProducer* producer, QString& text);
    static QString takeColorAlias(const MsgLoggingProducer* producer, QString& text);
    static bool parseNextColorDef(const MsgLoggingProducer* producer, QString& text, bool blinking,
                                  QSharedPointer<Color>& color);
    static bool parseColorValue(const MsgLoggingProducer* producer, QSharedPointer<Color>& color,
                                const QString& value);
    static QSharedPointer<Color> parseColorLine(const MsgLoggingProducer* producer, QString line);
    static QMap<QString, QSharedPointer<Color>> parseColorDatabaseFile(const MsgLoggingProducer* producer,
                                                                       const QString& path);
    static QMap<QString, QSharedPointer<Color>> parseColorDatabaseFile(const MsgLoggingProducer* producer,
                                                                       const QString& path,
                                                                       LineObserver* observer);
    static void removeProcessedStringPart(const QString& processed, QString& text);

    // Colour database files and lines beyond these sizes are skipped: a
    // file that is not a colour database must not exhaust the memory.
    static const qint64 kMaxFileBytes = 64 * 1024 * 1024;
    static const int kMaxLineLength = 64 * 1024;

signals:
    void colorChanged(const QString& name, const QColor& newColor);

private slots:
    void blinkingTimeout();

private:
    // The parsing steps on a read position; the functions above that take
    // a QString& are these applied to the whole text.
    static QColor takeColor255Based(const MsgLoggingProducer* producer, ColorTextCursor& text);
    static QColor takeColor100Based(const MsgLoggingProducer* producer, ColorTextCursor& text);
    static QString takeColorAlias(const MsgLoggingProducer* producer, ColorTextCursor& text);
    static bool parseNextColorDef(const MsgLoggingProducer* producer, ColorTextCursor& text, bool blinking,
                                  QSharedPointer<Color>& color);
    static bool readColorDatabaseLines(const MsgLoggingProducer* producer, const QString& path,
                                       QMap<QString, QSharedPointer<Color>>& colors, LineObserver* observer);

    // visited holds the canonical paths of the folders listed already.
    void addColorDbOfDir(QDir& dir, QVector<QString>& files, QSet<QString>& visited) const;
    void addColorDbFile(const QFileInfo& entry, QVector<QString>& files) const;
    // Stores color under name, and keeps the blinking colours apart.
    void storeColor(const QString& name, const QSharedPointer<Color>& color) const;

    mutable QMap<QString, QSharedPointer<Color>> m_colors;
    QTimer* m_blinkTimer;
    // The colours of two or more entries, in name order: only these can
    // change on a tick, so a tick walks them and not every colour.
    mutable QMap<QString, QSharedPointer<Color>> m_blinking;

    static QSharedPointer<ColorEngine> m_instance;
};
