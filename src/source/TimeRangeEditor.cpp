#include "source/TimeRangeEditor.h"

#include "ui_TimeRangeEditor.h"

#include <logging/MsgLoggingMessage.h>

#include <QMetaEnum>
#include <QSignalBlocker>

TimeRangeEditor::TimeRangeEditor(const TimeRange& range, QWidget* parent)
    : PopupFrame(parent)
    , MsgLoggingProducer(&range)
    , ui(new Ui_TimeRangeEditor)
    , m_timeRange(range)
{
    ui->setupUi(this);
    const QMetaEnum types = QMetaEnum::fromType<TimeRange::RangeType>();
    for (int i = 0; i < types.keyCount(); ++i)
        ui->comboBoxRangeType->addItem(QString::fromLatin1(types.key(i)));
    ui->comboBoxRangeType->setCurrentText(QString::fromLatin1(types.valueToKey(m_timeRange.getRangeType())));
    connect(ui->comboBoxRangeType, SIGNAL(activated(QString)), this, SLOT(typeSelected(QString)));

    ui->dateTimeEditFrom->setDisplayFormat(TimeRange::getDateTimeFormat());
    ui->dateTimeEditTo->setDisplayFormat(TimeRange::getDateTimeFormat());
    setTimeSpec(m_timeRange.getTimeSpec());

    connect(ui->spinBoxRangeValue, SIGNAL(valueChanged(int)), this, SLOT(spinValueChanged(int)));
    connect(ui->dateTimeEditFrom, SIGNAL(dateTimeChanged(QDateTime)), this, SLOT(startTimeChanged(QDateTime)));
    connect(ui->dateTimeEditTo, SIGNAL(dateTimeChanged(QDateTime)), this, SLOT(endTimeChanged(QDateTime)));
    connect(ui->buttonFromNow, SIGNAL(clicked()), this, SLOT(nowButtonClicked()));
    connect(ui->buttonToNow, SIGNAL(clicked()), this, SLOT(nowButtonClicked()));
}

TimeRangeEditor::~TimeRangeEditor()
{
    delete ui;
}

void TimeRangeEditor::displayTimeRange(bool forced)
{
    if (!forced && isHidden())
        return;
    // A refresh is not an edit: no changed() while the fields are filled.
    const QSignalBlocker blocker(this);
    const QString label = m_timeRange.getValueLabel();
    if (!label.isEmpty()) {
        ui->spinBoxRangeValue->setSuffix(label);
        ui->spinBoxRangeValue->setValue(m_timeRange.getValueCount());
        ui->spinBoxRangeValue->show();
    } else {
        ui->spinBoxRangeValue->hide();
    }
    ui->dateTimeEditFrom->setDateTime(m_timeRange.getStartTime());
    ui->dateTimeEditTo->setDateTime(m_timeRange.getEndTime());
    const bool fixed = m_timeRange.getRangeType() == TimeRange::FixedInterval;
    ui->dateTimeEditFrom->setEnabled(fixed);
    ui->dateTimeEditTo->setEnabled(fixed);
    ui->buttonFromNow->setEnabled(fixed);
    ui->buttonToNow->setEnabled(fixed);
}

void TimeRangeEditor::setTimeSpec(Qt::TimeSpec spec)
{
    ui->dateTimeEditFrom->setTimeSpec(spec);
    ui->dateTimeEditTo->setTimeSpec(spec);
    ui->textTimeZone->setText(QString::fromLatin1(QMetaEnum::fromType<Qt::TimeSpec>().valueToKey(spec)));
    if (spec != m_timeRange.getTimeSpec())
        m_timeRange.setTimeSpec(spec);
    displayTimeRange(true);
}

void TimeRangeEditor::typeSelected(const QString& text)
{
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "type selected " << text;
    bool ok = false;
    const int value = QMetaEnum::fromType<TimeRange::RangeType>().keyToValue(text.toLatin1().constData(), &ok);
    if (!ok) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "conversion to enum value (RangeType) failed for string: " << text;
        return;
    }
    m_timeRange.setRangeType(TimeRange::RangeType(value));
    displayTimeRange(false);
    emit changed(m_timeRange);
}

void TimeRangeEditor::spinValueChanged(int value)
{
    m_timeRange.setValueCount(value);
    displayTimeRange(false);
    emit changed(m_timeRange);
}

void TimeRangeEditor::startTimeChanged(const QDateTime& dateTime)
{
    m_timeRange.setStartTime(dateTime);
    emit changed(m_timeRange);
}

void TimeRangeEditor::endTimeChanged(const QDateTime& dateTime)
{
    m_timeRange.setEndTime(dateTime);
    emit changed(m_timeRange);
}

void TimeRangeEditor::nowButtonClicked()
{
    QDateTime now = QDateTime::currentDateTime();
    if (m_timeRange.getTimeSpec() == Qt::UTC)
        now = now.toUTC();
    QObject* source = sender();
    QDateTimeEdit* edit = nullptr;
    if (source == ui->buttonFromNow)
        edit = ui->dateTimeEditFrom;
    else if (source == ui->buttonToNow)
        edit = ui->dateTimeEditTo;
    if (!edit) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "nowButtonClicked() from unexpected source: "
            << (source ? source->objectName() : QStringLiteral("NULL"));
        return;
    }
    {
        // One changed() for the click, not a second one from the edit.
        const QSignalBlocker blocker(edit);
        edit->setDateTime(now);
    }
    if (edit == ui->dateTimeEditFrom)
        m_timeRange.setStartTime(now);
    else
        m_timeRange.setEndTime(now);
    emit changed(m_timeRange);
}
