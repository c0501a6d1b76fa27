#pragma once

#include "qvas_export.h"

#include <QLayout>
#include <QList>
#include <QStyle>

// Places its items left to right in rows that wrap to the width it gets,
// as toggle buttons of fixed filters want. Negative spacings are taken
// from the style (or from the parent layout).
class QVAS_EXPORT FlowLayout : public QLayout
{
public:
    FlowLayout(QWidget* parent, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    explicit FlowLayout(int margin = -1, int hSpacing = -1, int vSpacing = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int horizontalSpacing() const;
    int verticalSpacing() const;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    QSize sizeHint() const override;
    QLayoutItem* takeAt(int index) override;

private:
    // Places the items in rect (or only measures) and returns the height they need.
    int doLayout(const QRect& rect, bool measureOnly) const;
    int smartSpacing(QStyle::PixelMetric pm) const;

    QList<QLayoutItem*> m_items;
    int m_horizontalSpacing;
    int m_verticalSpacing;
};
