#include "patterns/QuickFilterEditor.h"

#include "patterns/QuickFilterOptions.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QToolTip>

QuickFilterEditor::QuickFilterEditor(QWidget* parent)
    : QLineEdit(parent)
    , MsgLoggingProducer()
    , m_editedFilter(this)
    , m_appliedFilter(this)
    , m_options(nullptr)
    , m_errorColor(255, 160, 160)
{
    // Pressing the clear button finishes editing, as Return does. The button
    // triggers its action before it clears the text, so editing is finished
    // from the event loop, once the text is empty.
    setClearButtonEnabled(true);
    for (QAction* action : findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
        connect(action, SIGNAL(triggered()), this, SIGNAL(editingFinished()), Qt::QueuedConnection);

    QAction* setup = addAction(QIcon(QStringLiteral(":qvas/icons/settingsEdit.svg")), QLineEdit::LeadingPosition);
    setup->setToolTip(tr("Edit options"));
    connect(setup, SIGNAL(triggered()), this, SLOT(openSetup()));

    connect(this, SIGNAL(textChanged(const QString&)), this, SLOT(newText(const QString&)));
    connect(this, SIGNAL(editingFinished()), this, SLOT(textEditingFinished()));

    m_options = new QuickFilterOptions(this, parentWidget());
    m_options->setFrameShadow(QFrame::Raised);
    m_options->setFrameShape(QFrame::Box);
    m_options->setFilterOptions(m_editedFilter);
    connect(m_options, SIGNAL(matchCaseChanged(int)), this, SLOT(matchCaseChanged(int)));
    connect(m_options, SIGNAL(matchFullColumnChanged(int)), this, SLOT(matchFullColumnChanged(int)));
    connect(m_options, SIGNAL(modeChanged(int)), this, SLOT(modeChanged(int)));
    m_options->installEventFilter(this);

    setSelection(0, 1);
}

QuickFilterEditor::~QuickFilterEditor()
{
    // The popup belongs to the parent the editor was built with; built
    // without one, nothing else would ever delete it.
    if (m_options && !m_options->parent())
        delete m_options;
}

void QuickFilterEditor::setWildcardConfig(const WildcardConfig& config)
{
    if (config.emptyIsMatchAll)
        setPlaceholderText(QString(config.matchAllChar));
    m_editedFilter.setWildCardConfig(config);
    m_appliedFilter.setWildCardConfig(config);
    setLogBuffer(config.getLogBuffer());
}

void QuickFilterEditor::setBackground(const QColor& color)
{
    QPalette p = palette();
    p.setBrush(QPalette::All, backgroundRole(), QBrush(color, Qt::SolidPattern));
    setPalette(p);
}

bool QuickFilterEditor::validateString(const QString& text)
{
    m_editedFilter.setString(text);
    const bool valid = m_editedFilter.isValid();
    if (!valid) {
        QToolTip::showText(mapToGlobal(QPoint(0, 8)), tr("Incorrect pattern: ") + text);
        setBackground(m_errorColor);
    } else {
        setPalette(QGuiApplication::palette());
    }
    return valid;
}

void QuickFilterEditor::compareFilters()
{
    if (!validateString(text()))
        return;
    if (m_editedFilter == m_appliedFilter)
        setPalette(QGuiApplication::palette());
    else
        setBackground(QColor(255, 255, 192));
}

void QuickFilterEditor::newText(const QString& text)
{
    if (validateString(text))
        compareFilters();
}

void QuickFilterEditor::textEditingFinished()
{
    // Opening the options takes the focus from the field, which finishes
    // editing for QLineEdit; the text is applied when they close instead.
    if (m_options && m_options->isVisible())
        return;
    if (validateString(text()))
        emit filterModified(m_editedFilter);
}

void QuickFilterEditor::matchCaseChanged(int checkState)
{
    m_editedFilter.setMatchCase(checkState == Qt::Checked);
    compareFilters();
}

void QuickFilterEditor::matchFullColumnChanged(int checkState)
{
    m_editedFilter.setMatchFullColumn(checkState == Qt::Checked);
    compareFilters();
}

void QuickFilterEditor::modeChanged(int mode)
{
    m_editedFilter.setMode(mode);
    compareFilters();
}

bool QuickFilterEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_options && event->type() == QEvent::Hide)
        textEditingFinished();
    return QLineEdit::eventFilter(watched, event);
}

void QuickFilterEditor::openSetup()
{
    if (!m_options->isHidden()) {
        m_options->hide();
        return;
    }
    m_options->move(mapToGlobal(QPoint(0, height() - 1)));
    m_options->show();
}

void QuickFilterEditor::setAppliedFilter(const QuickCellFilter& filter)
{
    m_editedFilter = filter;
    m_appliedFilter = filter;
    setText(filter.getString());
    setSelection(text().length(), text().length() + 1);
    compareFilters();
}

void QuickFilterEditor::clear()
{
    setText(QString());
    validateString(QString());
    m_appliedFilter = m_editedFilter;
    compareFilters();
}
