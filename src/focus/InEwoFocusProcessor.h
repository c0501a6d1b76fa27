#pragma once

#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QFocusEvent;
class QWidget;

// Keyboard navigation inside the alarm screen widget (the EWO): Tab and
// Backtab move the focus among its focusable children in screen order (rows
// top to bottom, left to right); a registered tab group keeps the focus
// among its members and is left as one item. Focus entering the EWO from
// outside goes to its first, last or last-focused child. Every key press of
// the application passes the processor's filter; it acts only when the
// focus widget lies inside the EWO.
class QVAS_EXPORT InEwoFocusProcessor : public QObject, public MsgLoggingProducer
{
    Q_OBJECT
public:
    // One widget or tab group placed on the EWO, for ordering.
    struct QVAS_EXPORT WidgetRect
    {
        WidgetRect(QWidget* widget, const QWidget* ewo, bool isGroup);

        void calculateRect(const QWidget* ewo);
        // Screen order: rows top to bottom, left to right within a row.
        bool operator<(const WidgetRect& other) const;
        // For a group: w lies in it and in none of its nested groups.
        bool isWidgetInGroup(const QWidget* w) const;
        void checkForOtherIsChild(const WidgetRect* other);
        QString toString() const;

        QWidget* widget;
        QRect rect;
        const WidgetRect* owner;
        QList<const WidgetRect*> children;
        bool isGroup;
    };

    // The focus targets of the EWO in screen order, built afresh for every
    // key press; or one level of it (the groups and the widgets outside
    // every group), which only refers to the rectangles of others.
    class QVAS_EXPORT WidgetRectCollection : public MsgLoggingProducer, public QList<WidgetRect*>
    {
    public:
        WidgetRectCollection(const MsgLoggingProducer* logParent, const QWidget* ewo);
        WidgetRectCollection(const MsgLoggingProducer* logParent, const QWidget* ewo, QList<WidgetRect*>& groups);
        WidgetRectCollection(const WidgetRectCollection* source, const QList<WidgetRect*>& groups);
        ~WidgetRectCollection() override;

        void buildAllFocusable();
        QWidget* getFirstWidget(bool first) const;
        int indexOfWidget(const QWidget* w) const;
        const WidgetRect* getNextRect(const QWidget* w, bool forward) const;
        QWidget* nextWidgetInGroup(int index, const WidgetRect* group) const;
        QWidget* prevWidgetInGroup(int index, const WidgetRect* group) const;
        QWidget* getNextFocus(const QWidget* current, const QList<WidgetRect*>& groups, bool forward);
        QString toString() const;

    private:
        void sortByScreenOrder();
        QWidget* firstOrLastOfGroup(const WidgetRect* rect, bool forward) const;

        const QWidget* m_ewo;
        bool m_ownsRects;
    };

    InEwoFocusProcessor(const MsgLoggingProducer* logParent, QWidget* ewoWidget);
    ~InEwoFocusProcessor() override;

    void addTabGroup(QWidget* group);
    void removeTabGroup(QWidget* group);
    bool processEwoFocusIn(QFocusEvent* event);
    bool setFocusToFirstLast(bool first);
    bool focusNextPrevEwoWidget(bool next);
    bool eventFilter(QObject* watched, QEvent* event) override;

    static bool widgetCanAcceptFocus(const QWidget* widget, const QWidget* ewo);

private slots:
    void focusChanged(QWidget* oldWidget, QWidget* newWidget);
    void groupDestroyed(QObject* object);

private:
    void hideCompletionPopup(QWidget* focus);

    QWidget* m_ewoWidget;
    QPointer<QWidget> m_lastFocusWidget;
    QList<WidgetRect*> m_tabGroups;
};
