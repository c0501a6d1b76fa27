#include "filters/FlowLayout.h"

#include <QWidget>

FlowLayout::FlowLayout(QWidget* parent, int margin, int hSpacing, int vSpacing)
    : QLayout(parent)
    , m_horizontalSpacing(hSpacing)
    , m_verticalSpacing(vSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::FlowLayout(int margin, int hSpacing, int vSpacing)
    : m_horizontalSpacing(hSpacing)
    , m_verticalSpacing(vSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item)
{
    m_items.append(item);
}

int FlowLayout::horizontalSpacing() const
{
    return m_horizontalSpacing >= 0 ? m_horizontalSpacing : smartSpacing(QStyle::PM_LayoutHorizontalSpacing);
}

int FlowLayout::verticalSpacing() const
{
    return m_verticalSpacing >= 0 ? m_verticalSpacing : smartSpacing(QStyle::PM_LayoutVerticalSpacing);
}

int FlowLayout::count() const
{
    return m_items.size();
}

QLayoutItem* FlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return doLayout(QRect(0, 0, width, 0), true);
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    doLayout(rect, false);
}

QSize FlowLayout::sizeHint() const
{
    return minimumSize();
}

QSize FlowLayout::minimumSize() const
{
    // The widest and the tallest item, each taken alone: the narrowest
    // width at which every item still fits on a line of its own.
    QSize size(-1, -1);
    for (const QLayoutItem* item : m_items)
        size = size.expandedTo(item->minimumSize());
    // All four margins are the one margin of the constructor.
    const int margin = contentsMargins().left();
    return size + QSize(2 * margin, 2 * margin);
}

int FlowLayout::doLayout(const QRect& rect, bool measureOnly) const
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    getContentsMargins(&left, &top, &right, &bottom);
    const QRect effective = rect.adjusted(left, top, -right, -bottom);
    int x = effective.x();
    int y = effective.y();
    int lineHeight = 0;
    for (QLayoutItem* item : m_items) {
        // Without a spacing of its own the layout asks the item widget's
        // style; an item without a widget (a spacer) gets no gap.
        const QWidget* widget = item->widget();
        int spaceX = horizontalSpacing();
        if (spaceX == -1) {
            spaceX = widget ? widget->style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton,
                                                             Qt::Horizontal)
                            : 0;
        }
        int spaceY = verticalSpacing();
        if (spaceY == -1) {
            spaceY = widget ? widget->style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton,
                                                             Qt::Vertical)
                            : 0;
        }
        const QSize hint = item->sizeHint();
        int nextX = x + hint.width() + spaceX;
        // The first item of a line never wraps, however wide it is.
        if (x + hint.width() > effective.right() && lineHeight > 0) {
            x = effective.x();
            y = y + lineHeight + spaceY;
            nextX = x + hint.width() + spaceX;
            lineHeight = 0;
        }
        if (!measureOnly)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x = nextX;
        lineHeight = qMax(lineHeight, hint.height());
    }
    return y + lineHeight - rect.y() + bottom;
}

int FlowLayout::smartSpacing(QStyle::PixelMetric pm) const
{
    QObject* parentObject = parent();
    if (!parentObject)
        return -1;
    if (parentObject->isWidgetType()) {
        auto* parentWidget = static_cast<QWidget*>(parentObject);
        return parentWidget->style()->pixelMetric(pm, nullptr, parentWidget);
    }
    return static_cast<QLayout*>(parentObject)->spacing();
}
