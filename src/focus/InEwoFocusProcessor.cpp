#include "focus/InEwoFocusProcessor.h"

#include "patterns/SingleLineTextEdit.h"

#include <logging/MsgLoggingMessage.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace {

QString nameOf(const QObject* object)
{
    return object ? object->objectName() : QStringLiteral("NULL");
}

// The widget that really takes the focus for w: the end of its proxy chain.
QWidget* lastFocusProxy(QWidget* w)
{
    while (w && w->focusProxy())
        w = w->focusProxy();
    return w;
}

} // namespace

// ---- WidgetRect

InEwoFocusProcessor::WidgetRect::WidgetRect(QWidget* widget, const QWidget* ewo, bool isGroup)
    : widget(widget)
    , owner(nullptr)
    , isGroup(isGroup)
{
    calculateRect(ewo);
}

void InEwoFocusProcessor::WidgetRect::calculateRect(const QWidget* ewo)
{
    rect = QRect(widget->mapTo(ewo, QPoint(0, 0)), widget->size());
}

bool InEwoFocusProcessor::WidgetRect::operator<(const WidgetRect& other) const
{
    if (rect.top() >= other.rect.bottom())
        return false;
    if (other.rect.top() >= rect.bottom())
        return true;
    return rect.right() <= other.rect.left();
}

bool InEwoFocusProcessor::WidgetRect::isWidgetInGroup(const QWidget* w) const
{
    if (!isGroup || !widget->isAncestorOf(w))
        return false;
    for (const WidgetRect* child : children) {
        if (child->widget->isAncestorOf(w))
            return false;
    }
    return true;
}

void InEwoFocusProcessor::WidgetRect::checkForOtherIsChild(const WidgetRect* other)
{
    if (isGroup && other->isGroup && widget->isAncestorOf(other->widget))
        children.append(other);
}

QString InEwoFocusProcessor::WidgetRect::toString() const
{
    return QStringLiteral("%1 (%2) @ (%3 %4) %5 x %6 group %7")
        .arg(isGroup ? QStringLiteral("GROUP") : QStringLiteral("widget"), widget->objectName())
        .arg(rect.left())
        .arg(rect.top())
        .arg(rect.width())
        .arg(rect.height())
        .arg(owner ? owner->widget->objectName() : QStringLiteral("NULL"));
}

// ---- WidgetRectCollection

InEwoFocusProcessor::WidgetRectCollection::WidgetRectCollection(const MsgLoggingProducer* logParent,
                                                                const QWidget* ewo)
    : MsgLoggingProducer(logParent)
    , m_ewo(ewo)
    , m_ownsRects(true)
{
    buildAllFocusable();
}

InEwoFocusProcessor::WidgetRectCollection::WidgetRectCollection(const MsgLoggingProducer* logParent,
                                                                const QWidget* ewo, QList<WidgetRect*>& groups)
    : WidgetRectCollection(logParent, ewo)
{
    for (WidgetRect* group : groups) {
        group->calculateRect(ewo);
        for (WidgetRect* rect : *this) {
            if (!rect->owner && !rect->isGroup && group->isWidgetInGroup(rect->widget))
                rect->owner = group;
        }
    }
    if (isLogged(MsgLoggerEnums::LogTrace))
        MsgLoggingMessage(this, MsgLoggerEnums::LogTrace, __func__, Q_FUNC_INFO) << "After group processing:\n" << toString();
}

InEwoFocusProcessor::WidgetRectCollection::WidgetRectCollection(const WidgetRectCollection* source,
                                                                const QList<WidgetRect*>& groups)
    : MsgLoggingProducer(source)
    , QList<WidgetRect*>(groups)
    , m_ewo(nullptr)
    , m_ownsRects(false)
{
    for (WidgetRect* rect : *source) {
        if (!rect->isGroup && !rect->owner)
            append(rect);
    }
    sortByScreenOrder();
    if (isLogged(MsgLoggerEnums::LogTrace))
        MsgLoggingMessage(this, MsgLoggerEnums::LogTrace, __func__, Q_FUNC_INFO) << "After rect sort:\n" << toString();
}

InEwoFocusProcessor::WidgetRectCollection::~WidgetRectCollection()
{
    if (m_ownsRects)
        qDeleteAll(*this);
}

void InEwoFocusProcessor::WidgetRectCollection::buildAllFocusable()
{
    const QList<QWidget*> descendants = m_ewo->findChildren<QWidget*>();
    QList<QWidget*> targets;
    for (QWidget* child : descendants) {
        QWidget* target = lastFocusProxy(child);
        if (widgetCanAcceptFocus(target, m_ewo) && !targets.contains(target))
            targets.append(target);
    }
    for (QWidget* target : targets)
        append(new WidgetRect(target, m_ewo, false));
    if (isLogged(MsgLoggerEnums::LogTrace)) {
        MsgLoggingMessage(this, MsgLoggerEnums::LogTrace, __func__, Q_FUNC_INFO)
            << "Total children " << descendants.size() << ", for focus " << targets.size() << "Before rect sort:\n"
            << toString();
    }
    sortByScreenOrder();
    if (isLogged(MsgLoggerEnums::LogTrace))
        MsgLoggingMessage(this, MsgLoggerEnums::LogTrace, __func__, Q_FUNC_INFO) << "After rect sort:\n" << toString();
}

void InEwoFocusProcessor::WidgetRectCollection::sortByScreenOrder()
{
    // The screen order is no strict weak order (widgets may overlap both
    // ways, or be a pixel wide); a merge sort stays within the list with it,
    // where an introsort may run past its ends.
    std::stable_sort(begin(), end(), [](const WidgetRect* a, const WidgetRect* b) { return *a < *b; });
}

QWidget* InEwoFocusProcessor::WidgetRectCollection::getFirstWidget(bool first) const
{
    if (isEmpty())
        return nullptr;
    return first ? this->first()->widget : last()->widget;
}

int InEwoFocusProcessor::WidgetRectCollection::indexOfWidget(const QWidget* w) const
{
    for (int i = 0; i < size(); ++i) {
        if (at(i)->widget == w)
            return i;
    }
    return -1;
}

const InEwoFocusProcessor::WidgetRect* InEwoFocusProcessor::WidgetRectCollection::getNextRect(const QWidget* w,
                                                                                            bool forward) const
{
    const int index = indexOfWidget(w);
    if (index < 0)
        return nullptr;
    const int next = forward ? index + 1 : index - 1;
    return next >= 0 && next < size() ? at(next) : nullptr;
}

QWidget* InEwoFocusProcessor::WidgetRectCollection::nextWidgetInGroup(int index, const WidgetRect* group) const
{
    for (int i = index + 1; i < size(); ++i) {
        if (at(i)->owner == group)
            return at(i)->widget;
    }
    return nullptr;
}

QWidget* InEwoFocusProcessor::WidgetRectCollection::prevWidgetInGroup(int index, const WidgetRect* group) const
{
    for (int i = qMin(index, size()) - 1; i >= 0; --i) {
        if (at(i)->owner == group)
            return at(i)->widget;
    }
    return nullptr;
}

QWidget* InEwoFocusProcessor::WidgetRectCollection::firstOrLastOfGroup(const WidgetRect* rect, bool forward) const
{
    if (!rect->isGroup)
        return rect->widget;
    return forward ? nextWidgetInGroup(-1, rect) : prevWidgetInGroup(size(), rect);
}

QWidget* InEwoFocusProcessor::WidgetRectCollection::getNextFocus(const QWidget* current,
                                                                 const QList<WidgetRect*>& groups, bool forward)
{
    const int index = indexOfWidget(current);
    if (index < 0)
        return nullptr;
    const WidgetRect* owner = at(index)->owner;
    const QWidget* from = current;
    if (owner) {
        if (QWidget* member = forward ? nextWidgetInGroup(index, owner) : prevWidgetInGroup(index, owner))
            return member;
        from = owner->widget;
    }
    const WidgetRectCollection level(this, groups);
    const WidgetRect* next = level.getNextRect(from, forward);
    return next ? firstOrLastOfGroup(next, forward) : nullptr;
}

QString InEwoFocusProcessor::WidgetRectCollection::toString() const
{
    QString text = QString::number(size()) + QStringLiteral(" item(s)");
    if (m_ownsRects)
        text += QStringLiteral(", OWNER");
    text += QLatin1Char('\n');
    for (int i = 0; i < size(); ++i)
        text += QString::number(i) + QStringLiteral(": ") + at(i)->toString() + QLatin1Char('\n');
    return text;
}

// ---- the processor

InEwoFocusProcessor::InEwoFocusProcessor(const MsgLoggingProducer* logParent, QWidget* ewoWidget)
    : QObject(ewoWidget)
    , MsgLoggingProducer(logParent)
    , m_ewoWidget(ewoWidget)
{
    qApp->installEventFilter(this);
    connect(qApp, SIGNAL(focusChanged(QWidget*, QWidget*)), this, SLOT(focusChanged(QWidget*, QWidget*)));
}

InEwoFocusProcessor::~InEwoFocusProcessor()
{
    qDeleteAll(m_tabGroups);
}

bool InEwoFocusProcessor::widgetCanAcceptFocus(const QWidget* widget, const QWidget* ewo)
{
    if (!widget || widget == ewo)
        return false;
    const QWidget* target = lastFocusProxy(const_cast<QWidget*>(widget));
    const Qt::WindowType type = target->windowType();
    return ewo->isAncestorOf(target) && target->focusPolicy() != Qt::NoFocus && target->isVisibleTo(ewo)
        && target->isEnabled() && type != Qt::Popup && type != Qt::SubWindow;
}

void InEwoFocusProcessor::addTabGroup(QWidget* group)
{
    if (!m_ewoWidget->isAncestorOf(group)) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "attempt to addTabGroup() where widget is not descendant of m_ewoWidget";
        return;
    }
    for (const WidgetRect* existing : qAsConst(m_tabGroups)) {
        if (existing->widget == group)
            return;
    }
    auto* rect = new WidgetRect(group, m_ewoWidget, true);
    for (WidgetRect* existing : qAsConst(m_tabGroups)) {
        existing->checkForOtherIsChild(rect);
        rect->checkForOtherIsChild(existing);
    }
    m_tabGroups.append(rect);
    // A group whose widget goes is forgotten before anything reads it.
    connect(group, SIGNAL(destroyed(QObject*)), this, SLOT(groupDestroyed(QObject*)), Qt::UniqueConnection);
}

void InEwoFocusProcessor::removeTabGroup(QWidget* group)
{
    for (int i = m_tabGroups.size() - 1; i >= 0; --i) {
        WidgetRect* rect = m_tabGroups.at(i);
        if (rect->widget != group)
            continue;
        // The others forget it as a nested group before it goes.
        for (WidgetRect* other : qAsConst(m_tabGroups))
            other->children.removeAll(rect);
        m_tabGroups.removeAt(i);
        delete rect;
        return;
    }
}

void InEwoFocusProcessor::groupDestroyed(QObject* object)
{
    // Compared by address only: the widget is no longer one.
    removeTabGroup(static_cast<QWidget*>(object));
}

bool InEwoFocusProcessor::processEwoFocusIn(QFocusEvent* event)
{
    MSG_LOG(this, MsgLoggerEnums::LogTrace)
        << "InEwoFocusProcessor::processEwoFocusIn(), reason " << int(event->reason());
    switch (event->reason()) {
    case Qt::TabFocusReason:
        return setFocusToFirstLast(true);
    case Qt::BacktabFocusReason:
        return setFocusToFirstLast(false);
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::OtherFocusReason:
        if (m_lastFocusWidget) {
            MSG_LOG(this, MsgLoggerEnums::LogTrace) << "lastFocusWidget: " << m_lastFocusWidget->objectName();
            if (widgetCanAcceptFocus(m_lastFocusWidget, m_ewoWidget)) {
                m_lastFocusWidget->setFocus(event->reason());
                return true;
            }
        }
        return setFocusToFirstLast(true);
    default:
        return false;
    }
}

bool InEwoFocusProcessor::setFocusToFirstLast(bool first)
{
    const WidgetRectCollection rects(this, m_ewoWidget);
    QWidget* target = rects.getFirstWidget(first);
    if (!target)
        return false;
    MSG_LOG(this, MsgLoggerEnums::LogTrace)
        << "InEwoFocusProcessor::setFocusToFirstLast(), focusChild " << target->objectName();
    target->setFocus(Qt::OtherFocusReason);
    return true;
}

bool InEwoFocusProcessor::focusNextPrevEwoWidget(bool next)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
        MSG_LOG(this, MsgLoggerEnums::LogTrace) << "InEwoFocusProcessor::focusNextPrevEwoWidget(): No widget with focus";
        return false;
    }
    if (!m_ewoWidget->isAncestorOf(focus)) {
        MSG_LOG(this, MsgLoggerEnums::LogTrace)
            << "InEwoFocusProcessor::focusNextPrevEwoWidget(): Focus widget is not descendant of EWO";
        return false;
    }
    WidgetRectCollection rects(this, m_ewoWidget, m_tabGroups);
    QWidget* target = rects.getNextFocus(focus, m_tabGroups, next);
    if (!target) {
        MSG_LOG(this, MsgLoggerEnums::LogTrace)
            << "InEwoFocusProcessor::focusNextPrevEwoWidget(): No next widget for direction " << (next ? 1 : 0);
        return false;
    }
    MSG_LOG(this, MsgLoggerEnums::LogTrace)
        << "focusNextPrevEwoWidget(" << (next ? 1 : 0) << "): next is " << target->objectName();
    hideCompletionPopup(focus);
    MSG_LOG(this, MsgLoggerEnums::LogTrace)
        << "InEwoFocusProcessor::focusNextPrevEwoWidget(): Setting focus to " << target->objectName();
    target->setFocus(Qt::OtherFocusReason);
    return true;
}

void InEwoFocusProcessor::hideCompletionPopup(QWidget* focus)
{
    // A one-line pattern editor leaves no completion popup open behind the focus.
    auto* editor = qobject_cast<SingleLineTextEdit*>(focus);
    if (!editor)
        return;
    MSG_LOG(this, MsgLoggerEnums::LogTrace)
        << "InEwoFocusProcessor::focusChanged(), hiding popup for " << editor->objectName();
    editor->hidePopup();
}

bool InEwoFocusProcessor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "InEwoFocusProcessor::eventFilter(): KeyPress of " << nameOf(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    bool moved = false;
    if (key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier)))
        moved = focusNextPrevEwoWidget(false);
    else if (key->key() == Qt::Key_Tab)
        moved = focusNextPrevEwoWidget(true);
    if (!moved)
        return QObject::eventFilter(watched, event);
    event->accept();
    return true;
}

void InEwoFocusProcessor::focusChanged(QWidget* oldWidget, QWidget* newWidget)
{
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "focusChanged(): old " << nameOf(oldWidget) << ", new " << nameOf(newWidget);
    if (oldWidget && widgetCanAcceptFocus(oldWidget, m_ewoWidget)) {
        m_lastFocusWidget = oldWidget;
        MSG_LOG(this, MsgLoggerEnums::LogTrace) << "last focus widget set to " << oldWidget->objectName();
    }
}
