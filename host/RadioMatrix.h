#pragma once

#include "host/TargetAction.h"

#include <QButtonGroup>
#include <QPointer>
#include <QWidget>

class QAbstractButton;

namespace host {

// A column of radio cells, each known by its integer "tag" property. When the user picks a
// cell, the matrix sends its action to its target with itself as the sender. Selecting a cell
// from code sends nothing.
class RadioMatrix : public QWidget {
    Q_OBJECT
    // The action's name, as the interface file gives it.
    Q_PROPERTY(QString action READ actionName WRITE setActionName)
public:
    explicit RadioMatrix(QWidget* inParent = nullptr);

    // Selects the cell with inTag; false, and no change, when there is none.
    bool selectCellWithTag(int inTag);
    // The selected cell, or nullptr.
    QAbstractButton* selectedCell();
    // A cell's tag; 0 for no cell or a cell without one.
    static int tag(const QAbstractButton* inCell);

    void setTarget(QObject* inTarget) { mTarget = inTarget; }
    QObject* target() const { return mTarget; }
    QString actionName() const { return QString::fromLatin1(mAction.name()); }
    void setActionName(const QString& inName);

protected:
    bool event(QEvent* inEvent) override;

private:
    // Takes in the radio buttons among the children, by tag, so that cells added after
    // construction (as an interface file adds them) belong to the matrix.
    void adoptCells();
    void cellClicked();

    QButtonGroup mGroup;
    QPointer<QObject> mTarget;
    Selector mAction;
};

} // namespace host
