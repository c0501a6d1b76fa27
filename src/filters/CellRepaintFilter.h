#pragma once

#include <QObject>

// Paints the cell widgets of a table view through their parent.
//
// A view shows every cell widget it places, those off the screen too, and
// each widget shown asks to be painted on its own; the painting then compares
// each such widget with all its siblings, so that showing a table of n cell
// widgets costs n squared. Installed on the cell widgets, this passes the
// request on to the parent (the viewport), which is painted once with the
// widgets in it.
class CellRepaintFilter : public QObject
{
    Q_OBJECT
public:
    explicit CellRepaintFilter(QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;
};
